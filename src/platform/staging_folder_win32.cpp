#include "platform/staging_folder.h"

#include "platform/file_system_win32.h"
#include "platform/system_messages.h"
#include "runtime_errors/runtime_error.h"

#include <QDir>

#include <windows.h>

#include <sddl.h>

// What Windows guarantees differently from POSIX:
// - The folder is held open without delete sharing for as long as this object lives, so it can be
//   neither removed nor replaced by a link meanwhile. A reparse point (symbolic link, junction)
//   standing at a name is opened as itself (FILE_FLAG_OPEN_REPARSE_POINT), never followed, and
//   refused.
// - Lumvik is installed per user (the installer puts it under the user's profile), so every
//   regular file in this folder is the user's own, and new files get the private access list the
//   folder passes on from the profile. There are no modes to widen or narrow.

namespace platform {
namespace {

const wchar_t* wide(const QString& nativePath)
{
    return reinterpret_cast<const wchar_t*>(nativePath.utf16());
}

QString native(const QString& path)
{
    return QDir::toNativeSeparators(path);
}

errors::RuntimeError systemError(const QString& path, DWORD error)
{
    return errorOf(fileStatusOfSystemError(error), path);
}

// The attributes of the entry at path itself (a link is not followed), or INVALID_FILE_ATTRIBUTES.
DWORD attributesOf(const QString& path)
{
    return ::GetFileAttributesW(wide(native(path)));
}

bool isRegularFile(DWORD attributes)
{
    return attributes != INVALID_FILE_ATTRIBUTES &&
           !(attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT | FILE_ATTRIBUTE_DEVICE));
}

class Handle
{
public:
    explicit Handle(HANDLE handle) : m_handle(handle) {}
    ~Handle()
    {
        if (m_handle != INVALID_HANDLE_VALUE)
            ::CloseHandle(m_handle);
    }
    Handle(const Handle&) = delete;
    Handle& operator=(const Handle&) = delete;

    HANDLE get() const { return m_handle; }
    bool valid() const { return m_handle != INVALID_HANDLE_VALUE; }

private:
    HANDLE m_handle;
};

} // namespace

StagingFolder::StagingFolder(QString path, qintptr handle) : m_path(std::move(path)), m_handle(handle) {}

StagingFolder::StagingFolder(StagingFolder&& other) noexcept : m_path(std::move(other.m_path)), m_handle(other.m_handle)
{
    other.m_handle = -1;
}

StagingFolder::~StagingFolder()
{
    if (m_handle != -1)
        ::CloseHandle(reinterpret_cast<HANDLE>(m_handle));
}

std::optional<StagingFolder> StagingFolder::openExisting(const QString& path)
{
    const DWORD attributes = attributesOf(path);
    if (attributes == INVALID_FILE_ATTRIBUTES) {
        const DWORD error = ::GetLastError();
        if (error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND)
            return std::nullopt;
        throw systemError(path, error);
    }
    if (attributes & FILE_ATTRIBUTE_REPARSE_POINT)
        throw errors::pathFileAccessError(path, QStringLiteral("a symbolic link, not a folder"));
    if (!(attributes & FILE_ATTRIBUTE_DIRECTORY))
        throw errors::pathFileAccessError(path, QStringLiteral("not a folder"));
    const HANDLE folder =
        ::CreateFileW(wide(native(path)), FILE_LIST_DIRECTORY, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                      OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS | FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
    if (folder == INVALID_HANDLE_VALUE)
        throw systemError(path, ::GetLastError());
    return StagingFolder(path, reinterpret_cast<qintptr>(folder));
}

void StagingFolder::createFolder(const QString& path)
{
    if (!::CreateDirectoryW(wide(native(path)), nullptr)) {
        const DWORD error = ::GetLastError();
        if (error != ERROR_ALREADY_EXISTS)
            throw errors::pathFileAccessError(
                path, QStringLiteral("cannot create the folder: %1").arg(systemMessage(long(error))));
    }
}

QStringList StagingFolder::ownFileNames() const
{
    WIN32_FIND_DATAW entry;
    const HANDLE search = ::FindFirstFileW(wide(native(filePath(QStringLiteral("*")))), &entry);
    if (search == INVALID_HANDLE_VALUE) {
        const DWORD error = ::GetLastError();
        if (error == ERROR_FILE_NOT_FOUND)
            return {};
        throw systemError(m_path, error);
    }
    QStringList names;
    do {
        if (isRegularFile(entry.dwFileAttributes))
            names.append(QString::fromWCharArray(entry.cFileName));
    } while (::FindNextFileW(search, &entry));
    ::FindClose(search);
    names.sort();
    return names;
}

void StagingFolder::replaceOwnFile(const QString& name, const QByteArray& bytes)
{
    const QString path = filePath(name);
    if (attributesOf(path) != INVALID_FILE_ATTRIBUTES)
        removeFile(name);
    DWORD error = ERROR_SUCCESS;
    {
        const Handle file(
            ::CreateFileW(wide(native(path)), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr));
        if (!file.valid())
            throw systemError(path, ::GetLastError());
        DWORD written = 0;
        if (!::WriteFile(file.get(), bytes.constData(), DWORD(bytes.size()), &written, nullptr))
            error = ::GetLastError();
        else if (written != DWORD(bytes.size()))
            error = ERROR_HANDLE_DISK_FULL;
    }
    if (error != ERROR_SUCCESS) {
        ::DeleteFileW(wide(native(path)));
        throw systemError(path, error);
    }
}

QByteArray StagingFolder::readFile(const QString& name) const
{
    const QString path = filePath(name);
    if (!isRegularFile(attributesOf(path)))
        throw errors::pathFileAccessError(path, QStringLiteral("not a regular file"));
    const Handle file(::CreateFileW(wide(native(path)), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                    FILE_FLAG_OPEN_REPARSE_POINT, nullptr));
    if (!file.valid())
        throw systemError(path, ::GetLastError());
    QByteArray bytes;
    char buffer[65536];
    for (;;) {
        DWORD read = 0;
        if (!::ReadFile(file.get(), buffer, sizeof buffer, &read, nullptr))
            throw systemError(path, ::GetLastError());
        if (read == 0)
            return bytes;
        bytes.append(buffer, qsizetype(read));
    }
}

void StagingFolder::removeFile(const QString& name)
{
    const QString path = filePath(name);
    const DWORD attributes = attributesOf(path);
    if (attributes == INVALID_FILE_ATTRIBUTES)
        throw systemError(path, ::GetLastError());
    if (!isRegularFile(attributes))
        throw errors::pathFileAccessError(path, QStringLiteral("not a file of this user"));
    if (attributes & FILE_ATTRIBUTE_READONLY)
        throw errors::pathFileAccessError(path, QStringLiteral("read-only file"));
    if (!::DeleteFileW(wide(native(path))))
        throw systemError(path, ::GetLastError());
}

// The user's security identifier: the one name of a user that no other account shares.
QString StagingFolder::userTag()
{
    HANDLE token = nullptr;
    QString tag;
    if (::OpenProcessToken(::GetCurrentProcess(), TOKEN_QUERY, &token)) {
        char buffer[256];
        DWORD size = 0;
        wchar_t* sid = nullptr;
        if (::GetTokenInformation(token, TokenUser, buffer, sizeof buffer, &size) &&
            ::ConvertSidToStringSidW(reinterpret_cast<TOKEN_USER*>(buffer)->User.Sid, &sid)) {
            tag = QString::fromWCharArray(sid);
            ::LocalFree(sid);
        }
        ::CloseHandle(token);
    }
    return tag.isEmpty() ? QStringLiteral("user") : tag;
}

} // namespace platform
