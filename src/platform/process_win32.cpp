#include "platform/process.h"

#include "platform/system_messages.h"

#include <QDir>
#include <QFileInfo>

#include <windows.h>

#include <objbase.h>
#include <shellapi.h>

#include <string>

// Windows runs only an .exe as a program of its own. A shortcut, a batch file or a document is
// started by what the shell has registered for its type (the shortcut's target, cmd.exe), which
// CreateProcessW knows nothing of ("not a valid Win32 application"): those go through the shell,
// as Explorer would open them.

namespace platform {
namespace {

const wchar_t* wide(const QString& text)
{
    return reinterpret_cast<const wchar_t*>(text.utf16());
}

// The path is the program (lpApplicationName), so a blank in it never splits it; the command line
// repeats it quoted, as programs expect their own name in argv[0]. STARTF_USESHOWWINDOW hands the
// new program SW_SHOWMINIMIZED for its first window, which opens minimized and active.
DWORD runProgram(const QString& program, const QString& folder)
{
    std::wstring commandLine = L"\"" + program.toStdWString() + L"\"";
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_SHOWMINIMIZED;
    PROCESS_INFORMATION started = {};
    if (!::CreateProcessW(wide(program), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, wide(folder),
                          &startup, &started))
        return ::GetLastError();
    ::CloseHandle(started.hThread);
    ::CloseHandle(started.hProcess);
    return ERROR_SUCCESS;
}

// SEE_MASK_FLAG_NO_UI: a failure comes back as a code for Lumvik's own message, not as a box of
// the shell's. SEE_MASK_NOASYNC: the start is done when this returns. Shell extensions that a
// shortcut or a file type may bring need COM on this thread.
DWORD openThroughShell(const QString& file, const QString& folder)
{
    const HRESULT com = ::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
    SHELLEXECUTEINFOW open = {};
    open.cbSize = sizeof open;
    open.fMask = SEE_MASK_NOASYNC | SEE_MASK_FLAG_NO_UI;
    open.lpVerb = L"open";
    open.lpFile = wide(file);
    open.lpDirectory = wide(folder);
    open.nShow = SW_SHOWMINIMIZED;
    DWORD error = ERROR_SUCCESS;
    if (!::ShellExecuteExW(&open)) {
        error = ::GetLastError();
        // Older shell paths leave only their own code (SE_ERR_*); the small ones are Windows' codes.
        if (error == ERROR_SUCCESS) {
            const auto code = DWORD(reinterpret_cast<INT_PTR>(open.hInstApp));
            error = code == SE_ERR_NOASSOC ? DWORD(ERROR_NO_ASSOCIATION) : code;
        }
    }
    if (SUCCEEDED(com))
        ::CoUninitialize();
    return error;
}

} // namespace

QString launchDetached(const QString& file, const QString& workingFolder, const QString& shownAs)
{
    const QString native = QDir::toNativeSeparators(file);
    const QString folder = QDir::toNativeSeparators(workingFolder);
    const bool program = QFileInfo(file).suffix().compare(QLatin1String("exe"), Qt::CaseInsensitive) == 0;
    const DWORD error = program ? runProgram(native, folder) : openThroughShell(native, folder);
    return error == ERROR_SUCCESS ? QString() : systemMessage(long(error), shownAs);
}

} // namespace platform
