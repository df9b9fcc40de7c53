#include "platform/process_launch.h"

#include "platform/system_messages.h"

#include <QDir>

#include <windows.h>

namespace platform {

// The path is the program (lpApplicationName), so a blank in it never splits it; the command line
// repeats it quoted, as programs expect their own name in argv[0]. STARTF_USESHOWWINDOW hands the
// new program SW_SHOWMINIMIZED for its first window, which opens minimized and active.
QString launchDetached(const QString& program)
{
    const QString native = QDir::toNativeSeparators(program);
    std::wstring commandLine = L"\"" + native.toStdWString() + L"\"";
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_SHOWMINIMIZED;
    PROCESS_INFORMATION started = {};
    if (!::CreateProcessW(reinterpret_cast<const wchar_t*>(native.utf16()), commandLine.data(), nullptr, nullptr, FALSE,
                          0, nullptr, nullptr, &startup, &started))
        return systemMessage(long(::GetLastError()));
    ::CloseHandle(started.hThread);
    ::CloseHandle(started.hProcess);
    return {};
}

} // namespace platform
