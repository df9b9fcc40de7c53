#include "platform/single_instance.h"

#include <QDir>

#include <windows.h>

// Windows holds the lock through the share mode: Lumvik.lock is opened with no sharing at all, so
// a second open, from any process, fails with a sharing violation until the holder's handle is
// closed, which the system does however the holder ends. FILE_FLAG_DELETE_ON_CLOSE removes the
// file with that last handle. FILE_FLAG_OPEN_REPARSE_POINT opens a symbolic link or junction
// planted at the name as itself, never its target. The handle is not inheritable, so programs that
// Lumvik starts (Orvane) do not keep the lock.

namespace platform {

SingleInstance::~SingleInstance()
{
    if (m_lock >= 0)
        ::CloseHandle(reinterpret_cast<HANDLE>(m_lock));
}

SingleInstance::Outcome SingleInstance::acquire()
{
    const QString native = QDir::toNativeSeparators(m_path);
    const HANDLE file = ::CreateFileW(
        reinterpret_cast<const wchar_t*>(native.utf16()), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_ALWAYS,
        FILE_ATTRIBUTE_NORMAL | FILE_FLAG_DELETE_ON_CLOSE | FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
    if (file != INVALID_HANDLE_VALUE) {
        m_lock = reinterpret_cast<qintptr>(file);
        return Outcome::Acquired;
    }
    m_systemError = long(::GetLastError());
    if (m_systemError == ERROR_SHARING_VIOLATION)
        return Outcome::AnotherRuns;
    return Outcome::Unavailable;
}

SingleInstance::Failure SingleInstance::failure() const
{
    return m_systemError == ERROR_ACCESS_DENIED || m_systemError == ERROR_WRITE_PROTECT ? Failure::AccessDenied
                                                                                        : Failure::Other;
}

} // namespace platform
