; Lumvik's Windows installer: per user, no administrator rights. Lumvik keeps Settings.ini,
; Logs\, Temp\ and its lock beside the program, so it goes where the user may write:
; %LOCALAPPDATA%\Programs\Lumvik. Installing over an earlier version updates it in place and
; keeps its settings; the uninstaller keeps Settings.ini and Logs\.
; makensis -DVERSION=x.y.z -DPROGRAM_FOLDER=<installed program folder> -DICON=<lumvik.ico>
;          -DOUTFILE=<setup.exe> installer.nsi
; A 64-bit installer for a 64-bit program: it also runs where no 32-bit Windows subsystem is.
Target amd64-unicode
SetCompressor /SOLID lzma
RequestExecutionLevel user

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Lumvik"

Name "Lumvik ${VERSION}"
OutFile "${OUTFILE}"
InstallDir "$LOCALAPPDATA\Programs\Lumvik"
InstallDirRegKey HKCU "${UNINSTALL_KEY}" "InstallLocation"

!include "LogicLib.nsh"
!include "MUI2.nsh"
!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!define MUI_FINISHPAGE_RUN "$INSTDIR\Lumvik.exe"
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "German"
!insertmacro MUI_LANGUAGE "English"

LangString NoAccessDriver ${LANG_GERMAN} "Lumvik liest seine Fenstertexte über den Microsoft-Access-ODBC-Treiber, und auf diesem PC ist keiner installiert (weder $\"Microsoft Access Driver (*.mdb)$\" noch $\"Microsoft Access Driver (*.mdb, *.accdb)$\" in 64 Bit). Lumvik läuft auch so, mit seinen eingebauten deutschen Texten, und meldet den fehlenden Treiber bei jedem Start. Installieren Sie die 64-Bit-Version der Microsoft Access Database Engine (kostenlos von Microsoft), damit die gewählte Sprache gilt."
LangString NoAccessDriver ${LANG_ENGLISH} "Lumvik reads its window texts through the Microsoft Access ODBC driver, and none is installed on this PC (neither $\"Microsoft Access Driver (*.mdb)$\" nor $\"Microsoft Access Driver (*.mdb, *.accdb)$\" in 64 bits). Lumvik runs all the same, with its built-in German texts, and reports the missing driver at every start. Install the 64-bit Microsoft Access Database Engine (free from Microsoft) so that the chosen language applies."

Function .onInit
    SetShellVarContext current
FunctionEnd

Function un.onInit
    SetShellVarContext current
FunctionEnd

Section "Lumvik"
    SetOutPath "$INSTDIR"
    File /r "${PROGRAM_FOLDER}\*.*"
    WriteUninstaller "$INSTDIR\Uninstall.exe"
    CreateShortcut "$SMPROGRAMS\Lumvik.lnk" "$INSTDIR\Lumvik.exe"

    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "Lumvik"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\Lumvik.exe"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" "$\"$INSTDIR\Uninstall.exe$\""
    WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" "$\"$INSTDIR\Uninstall.exe$\" /S"
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1

    ; The 64-bit ODBC drivers, as Lumvik sees them.
    SetRegView 64
    ReadRegStr $0 HKLM "SOFTWARE\ODBC\ODBCINST.INI\ODBC Drivers" "Microsoft Access Driver (*.mdb)"
    ReadRegStr $1 HKLM "SOFTWARE\ODBC\ODBCINST.INI\ODBC Drivers" "Microsoft Access Driver (*.mdb, *.accdb)"
    SetRegView lastused
    ${If} $0 != "Installed"
    ${AndIf} $1 != "Installed"
        DetailPrint "$(NoAccessDriver)"
        MessageBox MB_OK|MB_ICONEXCLAMATION "$(NoAccessDriver)" /SD IDOK
    ${EndIf}
SectionEnd

Section "Uninstall"
    Delete "$INSTDIR\Lumvik.exe"
    Delete "$INSTDIR\Language.mdb"
    Delete "$INSTDIR\*.dll"
    Delete "$INSTDIR\Lumvik.lock"
    RMDir /r "$INSTDIR\platforms"
    RMDir /r "$INSTDIR\styles"
    RMDir /r "$INSTDIR\translations"
    ; Staged import texts hold patient data and belong to no one once Lumvik is gone.
    RMDir /r "$INSTDIR\Temp"
    Delete "$INSTDIR\Uninstall.exe"
    RMDir "$INSTDIR"
    Delete "$SMPROGRAMS\Lumvik.lnk"
    DeleteRegKey HKCU "${UNINSTALL_KEY}"
SectionEnd
