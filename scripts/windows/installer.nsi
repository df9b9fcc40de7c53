; Lumvik's Windows installer: per user, no administrator rights. Lumvik keeps Settings.ini,
; Logs\, Temp\ and its lock beside the program, so it goes where the user may write:
; %LOCALAPPDATA%\Programs\Lumvik. Installing over an earlier version updates it in place and
; keeps its settings; the uninstaller keeps Settings.ini and Logs\. Neither touches a folder whose
; Lumvik is running.
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

LangString LumvikRuns ${LANG_GERMAN} "Lumvik läuft noch aus $INSTDIR. Schließen Sie Lumvik und wählen Sie dann $\"Wiederholen$\". Mit $\"Abbrechen$\" bleibt alles, wie es ist."
LangString LumvikRuns ${LANG_ENGLISH} "Lumvik is still running from $INSTDIR. Close Lumvik, then choose $\"Retry$\". $\"Cancel$\" leaves everything as it is."

; Lumvik holds Lumvik.lock beside itself open without sharing while it runs, so opening it fails
; then. Holding it here in turn keeps a Lumvik from starting halfway through an update or removal
; (it ends at once, as any second start does), so old and new files never run mixed. Where no
; lock file can be made (the folder cannot be written), no Lumvik runs and the copying reports it.
; Silently, a running Lumvik ends the run with exit code 2 and nothing changed.
Var LockFile
!macro LOCK_FUNCTION un
Function ${un}HoldLumviksLock
    retry:
    ClearErrors
    FileOpen $LockFile "$INSTDIR\Lumvik.lock" a
    IfErrors 0 held
    StrCpy $LockFile ""
    IfFileExists "$INSTDIR\Lumvik.lock" 0 held
    MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION "$(LumvikRuns)" /SD IDCANCEL IDRETRY retry
    SetErrorLevel 2
    Abort "$(LumvikRuns)"
    held:
FunctionEnd

Function ${un}ReleaseLumviksLock
    ${If} $LockFile != ""
        FileClose $LockFile
        Delete "$INSTDIR\Lumvik.lock"
    ${EndIf}
FunctionEnd
!macroend
!insertmacro LOCK_FUNCTION ""
!insertmacro LOCK_FUNCTION "un."

Function .onInit
    SetShellVarContext current
FunctionEnd

Function un.onInit
    SetShellVarContext current
FunctionEnd

Section "Lumvik"
    SetOutPath "$INSTDIR"
    Call HoldLumviksLock
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

    Call ReleaseLumviksLock
SectionEnd

Section "Uninstall"
    Call un.HoldLumviksLock
    Delete "$INSTDIR\Lumvik.exe"
    Delete "$INSTDIR\Language.mdb"
    Delete "$INSTDIR\*.dll"
    RMDir /r "$INSTDIR\platforms"
    RMDir /r "$INSTDIR\styles"
    RMDir /r "$INSTDIR\translations"
    RMDir /r "$INSTDIR\licenses"
    ; Staged import texts hold patient data and belong to no one once Lumvik is gone.
    RMDir /r "$INSTDIR\Temp"
    Delete "$INSTDIR\Uninstall.exe"
    Call un.ReleaseLumviksLock
    RMDir "$INSTDIR"
    Delete "$SMPROGRAMS\Lumvik.lnk"
    DeleteRegKey HKCU "${UNINSTALL_KEY}"
SectionEnd
