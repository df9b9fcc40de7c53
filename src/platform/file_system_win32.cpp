#include "platform/file_system_win32.h"

#include "platform/file_writes.h"
#include "platform/system_messages.h"

#include <QDir>
#include <QFileInfo>

#include <windows.h>

#include <limits>
#include <utility>

// What Windows guarantees differently from POSIX:
// - A file that another program holds open without sharing (an editor, a backup tool, a virus
//   scanner looking at a file just written) cannot be renamed or removed for as long as it is
//   held: ERROR_SHARING_VIOLATION. A scanner lets go within moments, so renames and removals are
//   tried again for up to about a second before the error is reported.
// - There is no folder flush: MOVEFILE_WRITE_THROUGH returns only once the rename is on the disk,
//   so syncFolder has nothing left to do.
// - New files get the permissions the folder's access list passes on; nothing to widen. A
//   replaced file keeps the access list of the one it replaces.
// - A rename onto a name that any entry holds fails (ERROR_ALREADY_EXISTS) unless told to
//   replace, which is what renameWithoutReplacing needs; a dangling symbolic link counts too,
//   since GetFileAttributesW does not follow links.

namespace platform {

FileStatus fileStatusOfSystemError(unsigned long error)
{
    // Windows' ERROR_DISK_QUOTA_EXCEEDED, which mingw-w64's headers lack.
    constexpr DWORD kDiskQuotaExceeded = 1295;
    switch (error) {
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL:
    case kDiskQuotaExceeded:
        return FileStatus::failed(FileStatus::Kind::DiskFull);
    case ERROR_ACCESS_DENIED:
    case ERROR_WRITE_PROTECT:
        return FileStatus::failed(FileStatus::Kind::PermissionDenied);
    default:
        return FileStatus::failed(FileStatus::Kind::Failed, systemMessage(long(error)));
    }
}

namespace {

const wchar_t* wide(const QString& nativePath)
{
    return reinterpret_cast<const wchar_t*>(nativePath.utf16());
}

FileStatus lastError()
{
    return fileStatusOfSystemError(::GetLastError());
}

// Windows refuses to rename over, or remove, a file another program holds open: sometimes as a
// sharing violation, sometimes as "access denied". Which it is, only a look at the file tells.
bool heldByAnotherProgram(DWORD error, const QString& nativePath)
{
    if (error == ERROR_SHARING_VIOLATION || error == ERROR_LOCK_VIOLATION)
        return true;
    if (error != ERROR_ACCESS_DENIED)
        return false;
    const HANDLE probe =
        ::CreateFileW(wide(nativePath), DELETE, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                      OPEN_EXISTING, FILE_FLAG_OPEN_REPARSE_POINT | FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (probe != INVALID_HANDLE_VALUE) {
        ::CloseHandle(probe);
        return false;
    }
    return ::GetLastError() == ERROR_SHARING_VIOLATION;
}

// Runs operation (a Windows call that sets the last error) on the file at nativePath until it
// succeeds, fails for another reason than a file held by another program, or about a second has
// passed. A file still held then is reported as such, not as a refusal.
template <typename Operation> FileStatus whenReleased(const QString& nativePath, Operation operation)
{
    for (int attempt = 0;; ++attempt) {
        if (operation())
            return {};
        const DWORD error = ::GetLastError();
        if (!heldByAnotherProgram(error, nativePath))
            return fileStatusOfSystemError(error);
        if (attempt == 20)
            return fileStatusOfSystemError(ERROR_SHARING_VIOLATION);
        ::Sleep(50);
    }
}

// Gives the file at to the discretionary access list of the file at from.
FileStatus copyAccessList(const QString& from, const QString& to)
{
    DWORD size = 0;
    ::GetFileSecurityW(wide(from), DACL_SECURITY_INFORMATION, nullptr, 0, &size);
    if (size == 0)
        return lastError();
    QByteArray descriptor(qsizetype(size), Qt::Uninitialized);
    if (!::GetFileSecurityW(wide(from), DACL_SECURITY_INFORMATION, descriptor.data(), size, &size) ||
        !::SetFileSecurityW(wide(to), DACL_SECURITY_INFORMATION, descriptor.data()))
        return lastError();
    return {};
}

HANDLE handleOf(const OpenFile& file)
{
    return reinterpret_cast<HANDLE>(file.handle);
}

class WindowsFileSystem final : public FileSystem
{
public:
    FileStatus createTemporaryFile(const QString& folder, const QString& stem, OpenFile& file) override
    {
        for (;;) {
            const QString path = QDir::toNativeSeparators(temporaryFilePath(folder, stem));
            const HANDLE created = ::CreateFileW(wide(path), GENERIC_WRITE, FILE_SHARE_READ, nullptr, CREATE_NEW,
                                                 FILE_ATTRIBUTE_NORMAL, nullptr);
            if (created != INVALID_HANDLE_VALUE) {
                file = {path, reinterpret_cast<qintptr>(created)};
                return {};
            }
            if (::GetLastError() != ERROR_FILE_EXISTS)
                return lastError();
        }
    }

    FileStatus writeSome(const OpenFile& file, QByteArrayView bytes, qsizetype& written) override
    {
        const DWORD size = DWORD(qMin<qsizetype>(bytes.size(), std::numeric_limits<DWORD>::max() / 2));
        DWORD done = 0;
        if (!::WriteFile(handleOf(file), bytes.data(), size, &done, nullptr))
            return lastError();
        written = qsizetype(done);
        return done > 0 ? FileStatus{} : FileStatus::failed(FileStatus::Kind::DiskFull);
    }

    FileStatus flushToDisk(const OpenFile& file) override
    {
        return ::FlushFileBuffers(handleOf(file)) ? FileStatus{} : lastError();
    }

    FileStatus closeFile(OpenFile& file) override
    {
        const bool closed = ::CloseHandle(handleOf(file));
        file.handle = -1;
        return closed ? FileStatus{} : lastError();
    }

    FileStatus renameWithoutReplacing(const QString& from, const QString& to) override
    {
        const QString target = QDir::toNativeSeparators(to);
        const QString source = QDir::toNativeSeparators(from);
        const FileStatus moved =
            whenReleased(source, [&] { return ::MoveFileExW(wide(source), wide(target), MOVEFILE_WRITE_THROUGH); });
        if (!moved.ok() && entryExists(to))
            return FileStatus::failed(FileStatus::Kind::NameTaken);
        return moved;
    }

    // The new file takes over the old one's access list, so that a Settings.ini an administrator
    // has restricted stays restricted.
    FileStatus renameReplacing(const QString& from, const QString& to) override
    {
        const QString source = QDir::toNativeSeparators(from);
        const QString target = QDir::toNativeSeparators(to);
        if (entryExists(to)) {
            const FileStatus copied = copyAccessList(target, source);
            if (!copied.ok())
                return copied;
        }
        return whenReleased(target, [&] {
            return ::MoveFileExW(wide(source), wide(target), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
        });
    }

    FileStatus removeFile(const QString& path) override
    {
        const QString native = QDir::toNativeSeparators(path);
        return whenReleased(native, [&] { return ::DeleteFileW(wide(native)); });
    }

    FileStatus syncFolder(const QString&) override { return {}; }

    // Only a name that is certainly free counts as free: an entry this user may not even look at
    // is taken.
    bool entryExists(const QString& path) override
    {
        if (::GetFileAttributesW(wide(QDir::toNativeSeparators(path))) != INVALID_FILE_ATTRIBUTES)
            return true;
        const DWORD error = ::GetLastError();
        return error != ERROR_FILE_NOT_FOUND && error != ERROR_PATH_NOT_FOUND;
    }

    EntryLook lookAt(const QString& path) override
    {
        const QString native = QDir::toNativeSeparators(path);
        if (::GetFileAttributesW(wide(native)) != INVALID_FILE_ATTRIBUTES)
            return {EntryLook::Kind::Present, identityOf(native)};
        // A share that went away says "path not found" or a network error, never "file not found";
        // the folder is asked all the same.
        if (::GetLastError() != ERROR_FILE_NOT_FOUND)
            return {};
        const DWORD folder = ::GetFileAttributesW(wide(QDir::toNativeSeparators(QFileInfo(path).path())));
        const bool folderStands = folder != INVALID_FILE_ATTRIBUTES && (folder & FILE_ATTRIBUTE_DIRECTORY);
        return {folderStands ? EntryLook::Kind::Absent : EntryLook::Kind::Unknown, {}};
    }

    std::optional<QStringList> entryNames(const QString& folder) override
    {
        const QString pattern = QDir::toNativeSeparators(QDir(folder).filePath(QStringLiteral("*")));
        WIN32_FIND_DATAW found;
        const HANDLE search =
            ::FindFirstFileExW(wide(pattern), FindExInfoBasic, &found, FindExSearchNameMatch, nullptr, 0);
        if (search == INVALID_HANDLE_VALUE) {
            // Only the root of a drive can hold nothing at all, not even ".".
            if (::GetLastError() == ERROR_FILE_NOT_FOUND)
                return QStringList();
            return std::nullopt;
        }
        QStringList names;
        do {
            const QString name = QString::fromWCharArray(found.cFileName);
            if (name != QLatin1String(".") && name != QLatin1String(".."))
                names.append(name);
        } while (::FindNextFileW(search, &found));
        const DWORD error = ::GetLastError();
        ::FindClose(search);
        if (error != ERROR_NO_MORE_FILES)
            return std::nullopt;
        return names;
    }

private:
    // Volume serial number, file index, size and last write. Opened for no access at all, which no share mode of the
    // device's own handles refuses and which keeps nobody from deleting or renaming the file.
    static QByteArray identityOf(const QString& native)
    {
        const HANDLE file =
            ::CreateFileW(wide(native), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                          OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS | FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
        if (file == INVALID_HANDLE_VALUE)
            return {};
        BY_HANDLE_FILE_INFORMATION information;
        const bool known = ::GetFileInformationByHandle(file, &information);
        ::CloseHandle(file);
        if (!known)
            return {};
        QByteArray identity;
        for (const quint64 part :
             {quint64(information.dwVolumeSerialNumber),
              (quint64(information.nFileIndexHigh) << 32) | information.nFileIndexLow,
              (quint64(information.nFileSizeHigh) << 32) | information.nFileSizeLow,
              (quint64(information.ftLastWriteTime.dwHighDateTime) << 32) | information.ftLastWriteTime.dwLowDateTime})
            identity += QByteArray::number(part) + ':';
        return identity;
    }
};

} // namespace

FileSystem& systemFileSystem()
{
    static WindowsFileSystem system;
    return system;
}

namespace {

errors::RuntimeError systemError(const QString& path, DWORD error)
{
    return errorOf(fileStatusOfSystemError(error), path);
}

class Handle
{
public:
    explicit Handle(HANDLE handle) : m_handle(handle) {}
    Handle(Handle&& other) noexcept : m_handle(std::exchange(other.m_handle, INVALID_HANDLE_VALUE)) {}
    ~Handle()
    {
        if (m_handle != INVALID_HANDLE_VALUE)
            ::CloseHandle(m_handle);
    }
    Handle(const Handle&) = delete;
    Handle& operator=(const Handle&) = delete;
    Handle& operator=(Handle&&) = delete;

    HANDLE get() const { return m_handle; }
    bool valid() const { return m_handle != INVALID_HANDLE_VALUE; }
    HANDLE release() { return std::exchange(m_handle, INVALID_HANDLE_VALUE); }

private:
    HANDLE m_handle;
};

// The entry at path opened as itself (a reparse point is not followed) and, when it is one, or not
// of the kind wanted, refused. Opened without delete sharing: while the handle lives, the entry
// can be neither removed nor replaced.
Handle openAsItself(const QString& path, DWORD access, DWORD disposition, bool folder)
{
    const QString native = QDir::toNativeSeparators(path);
    Handle entry(::CreateFileW(
        wide(native), access, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, disposition,
        FILE_ATTRIBUTE_NORMAL | FILE_FLAG_OPEN_REPARSE_POINT | (folder ? FILE_FLAG_BACKUP_SEMANTICS : 0), nullptr));
    if (!entry.valid())
        throw systemError(path, ::GetLastError());
    BY_HANDLE_FILE_INFORMATION information;
    if (!::GetFileInformationByHandle(entry.get(), &information))
        throw systemError(path, ::GetLastError());
    if (information.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT)
        throw errors::pathFileAccessError(path, QStringLiteral("a symbolic link, never followed"));
    if (bool(information.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != folder ||
        ::GetFileType(entry.get()) != FILE_TYPE_DISK)
        throw errors::pathFileAccessError(path, folder ? QStringLiteral("not a folder")
                                                       : QStringLiteral("not a regular file"));
    return entry;
}

} // namespace

OpenFile openToAppendInSubfolder(const QString& folder, const QString& subfolder, const QString& name)
{
    const QString subfolderPath = folder + QLatin1Char('/') + subfolder;
    const QString path = subfolderPath + QLatin1Char('/') + name;
    const DWORD parent = ::GetFileAttributesW(wide(QDir::toNativeSeparators(folder)));
    if (parent == INVALID_FILE_ATTRIBUTES) {
        const DWORD error = ::GetLastError();
        throw error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND ? errors::pathNotFound(folder)
                                                                             : systemError(folder, error);
    }
    if (!(parent & FILE_ATTRIBUTE_DIRECTORY))
        throw errors::notAFolder(folder);
    // CreateDirectoryW makes only the last folder of the path.
    if (!::CreateDirectoryW(wide(QDir::toNativeSeparators(subfolderPath)), nullptr)) {
        const DWORD error = ::GetLastError();
        if (error != ERROR_ALREADY_EXISTS)
            throw systemError(subfolderPath, error);
    }
    // Held while the file is opened, so that no link can take the folder's place meanwhile.
    const Handle inside = openAsItself(subfolderPath, FILE_LIST_DIRECTORY, OPEN_EXISTING, true);
    // FILE_APPEND_DATA alone: every write goes to the file's end, whoever else appends.
    Handle file = openAsItself(path, FILE_APPEND_DATA | SYNCHRONIZE, OPEN_ALWAYS, false);
    return {path, reinterpret_cast<qintptr>(file.release())};
}

} // namespace platform
