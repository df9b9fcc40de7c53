#include "platform/staging_folder.h"
#include "platform/staging_folder_system.h"

#include "platform/file_system_win32.h"
#include "platform/system_messages.h"

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

namespace platform::staging {
namespace {

const wchar_t* wide(const QString& nativePath)
{
    return reinterpret_cast<const wchar_t*>(nativePath.utf16());
}

QString native(const QString& path)
{
    return QDir::toNativeSeparators(path);
}

FileStatus lastError()
{
    return fileStatusOfSystemError(::GetLastError());
}

Entry entryOf(DWORD attributes)
{
    Entry entry{Entry::Kind::RegularFile, true, bool(attributes & FILE_ATTRIBUTE_READONLY)};
    if (attributes & FILE_ATTRIBUTE_REPARSE_POINT)
        entry.kind = Entry::Kind::Link;
    else if (attributes & FILE_ATTRIBUTE_DIRECTORY)
        entry.kind = Entry::Kind::Folder;
    else if (attributes & FILE_ATTRIBUTE_DEVICE)
        entry.kind = Entry::Kind::Other;
    return entry;
}

// The attributes of the entry at path itself (a link is not followed).
FileStatus lookAtPath(const QString& path, Entry& entry)
{
    const DWORD attributes = ::GetFileAttributesW(wide(native(path)));
    if (attributes == INVALID_FILE_ATTRIBUTES) {
        const DWORD error = ::GetLastError();
        if (error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND)
            entry.kind = Entry::Kind::Missing;
        return fileStatusOfSystemError(error);
    }
    entry = entryOf(attributes);
    return {};
}

} // namespace

FileStatus openFolder(const QString& path, Entry::Kind& found, qintptr& folder)
{
    Entry entry;
    const FileStatus looked = lookAtPath(path, entry);
    if (!looked.ok() || entry.kind != Entry::Kind::Folder) {
        found = entry.kind;
        return looked.ok() ? FileStatus::failed(FileStatus::Kind::Failed, QStringLiteral("not a folder")) : looked;
    }
    const HANDLE opened =
        ::CreateFileW(wide(native(path)), FILE_LIST_DIRECTORY, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                      OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS | FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
    if (opened == INVALID_HANDLE_VALUE)
        return lastError();
    found = Entry::Kind::Folder;
    folder = reinterpret_cast<qintptr>(opened);
    return {};
}

void closeFolder(qintptr folder)
{
    ::CloseHandle(reinterpret_cast<HANDLE>(folder));
}

QString createFolder(const QString& path)
{
    if (::CreateDirectoryW(wide(native(path)), nullptr))
        return {};
    const DWORD error = ::GetLastError();
    return error == ERROR_ALREADY_EXISTS ? QString() : systemMessage(long(error));
}

FileStatus shareLikeTheProgramFolder(qintptr, const QString&)
{
    return {};
}

FileStatus listEntries(qintptr, const QString& path, QList<std::pair<QString, Entry>>& entries)
{
    WIN32_FIND_DATAW found;
    const HANDLE search = ::FindFirstFileW(wide(native(path + QStringLiteral("/*"))), &found);
    if (search == INVALID_HANDLE_VALUE)
        return ::GetLastError() == ERROR_FILE_NOT_FOUND ? FileStatus{} : lastError();
    do {
        entries.append({QString::fromWCharArray(found.cFileName), entryOf(found.dwFileAttributes)});
    } while (::FindNextFileW(search, &found));
    ::FindClose(search);
    return {};
}

FileStatus lookAt(qintptr, const QString&, const QString& path, Entry& entry)
{
    return lookAtPath(path, entry);
}

FileStatus removeEntry(qintptr, const QString&, const QString& path)
{
    return ::DeleteFileW(wide(native(path))) ? FileStatus{} : lastError();
}

FileStatus createPrivateFile(qintptr, const QString&, const QString& path, OpenFile& file)
{
    const HANDLE created =
        ::CreateFileW(wide(native(path)), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (created == INVALID_HANDLE_VALUE)
        return lastError();
    file = {path, reinterpret_cast<qintptr>(created)};
    return {};
}

FileStatus openForReading(qintptr, const QString&, const QString& path, Entry::Kind& found, OpenFile& file)
{
    Entry entry;
    const FileStatus looked = lookAtPath(path, entry);
    if (!looked.ok())
        return looked;
    if (entry.kind != Entry::Kind::RegularFile) {
        found = entry.kind;
        return FileStatus::failed(FileStatus::Kind::Failed, QStringLiteral("not a regular file"));
    }
    const HANDLE opened = ::CreateFileW(wide(native(path)), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                        FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
    if (opened == INVALID_HANDLE_VALUE)
        return lastError();
    file = {path, reinterpret_cast<qintptr>(opened)};
    return {};
}

FileStatus readSome(const OpenFile& file, char* buffer, qsizetype size, qsizetype& read)
{
    DWORD done = 0;
    if (!::ReadFile(reinterpret_cast<HANDLE>(file.handle), buffer, DWORD(size), &done, nullptr))
        return lastError();
    read = qsizetype(done);
    return {};
}

} // namespace platform::staging

namespace platform {

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
