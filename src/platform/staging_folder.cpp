#include "platform/staging_folder.h"

#include "platform/staging_folder_system.h"
#include "runtime_errors/runtime_error.h"

#include <utility>

namespace platform {
namespace {

using staging::Entry;

void check(const FileStatus& status, const QString& path)
{
    if (!status.ok())
        throw errorOf(status, path);
}

bool isOwnRegularFile(const Entry& entry)
{
    return entry.kind == Entry::Kind::RegularFile && entry.own;
}

} // namespace

StagingFolder::StagingFolder(QString path, qintptr handle) : m_path(std::move(path)), m_handle(handle) {}

StagingFolder::StagingFolder(StagingFolder&& other) noexcept
    : m_path(std::move(other.m_path)), m_handle(std::exchange(other.m_handle, -1))
{
}

StagingFolder::~StagingFolder()
{
    if (m_handle != -1)
        staging::closeFolder(m_handle);
}

StagingFolder StagingFolder::open(const QString& path)
{
    if (auto existing = openExisting(path))
        return std::move(*existing);
    const QString failure = staging::createFolder(path);
    if (!failure.isEmpty())
        throw errors::pathFileAccessError(path, QStringLiteral("cannot create the folder: ") + failure);
    if (auto created = openExisting(path))
        return std::move(*created);
    throw errors::pathFileAccessError(path, QStringLiteral("the folder vanished as it was created"));
}

std::optional<StagingFolder> StagingFolder::openExisting(const QString& path)
{
    Entry::Kind found = Entry::Kind::Unknown;
    qintptr handle = -1;
    const FileStatus opened = staging::openFolder(path, found, handle);
    switch (found) {
    case Entry::Kind::Missing:
        return std::nullopt;
    case Entry::Kind::Link:
        throw errors::pathFileAccessError(path, QStringLiteral("a symbolic link, not a folder"));
    case Entry::Kind::RegularFile:
    case Entry::Kind::Other:
        throw errors::pathFileAccessError(path, QStringLiteral("not a folder"));
    default:
        check(opened, path);
    }
    StagingFolder folder(path, handle);
    check(staging::shareLikeTheProgramFolder(handle, path), path);
    return folder;
}

QString StagingFolder::filePath(const QString& name) const
{
    return m_path + QLatin1Char('/') + name;
}

QStringList StagingFolder::ownFileNames() const
{
    QList<std::pair<QString, Entry>> entries;
    check(staging::listEntries(m_handle, m_path, entries), m_path);
    QStringList names;
    for (const auto& [name, entry] : entries) {
        if (isOwnRegularFile(entry))
            names.append(name);
    }
    names.sort();
    return names;
}

void StagingFolder::replaceOwnFile(const QString& name, const QByteArray& bytes)
{
    const QString path = filePath(name);
    Entry entry;
    if (staging::lookAt(m_handle, name, path, entry).ok())
        removeFile(name);
    OpenFile file;
    check(staging::createPrivateFile(m_handle, name, path, file), path);
    const FileStatus written = writeAll(systemFileSystem(), file, bytes);
    systemFileSystem().closeFile(file);
    if (!written.ok()) {
        staging::removeEntry(m_handle, name, path);
        throw errorOf(written, path);
    }
}

QByteArray StagingFolder::readFile(const QString& name) const
{
    const QString path = filePath(name);
    Entry::Kind found = Entry::Kind::Unknown;
    OpenFile file;
    const FileStatus opened = staging::openForReading(m_handle, name, path, found, file);
    if (found == Entry::Kind::Link)
        throw errors::pathFileAccessError(path, QStringLiteral("a symbolic link"));
    if (found == Entry::Kind::Folder || found == Entry::Kind::Other)
        throw errors::pathFileAccessError(path, QStringLiteral("not a regular file"));
    check(opened, path);
    QByteArray bytes;
    char buffer[65536];
    for (;;) {
        qsizetype read = 0;
        const FileStatus status = staging::readSome(file, buffer, sizeof buffer, read);
        if (status.kind == FileStatus::Kind::Interrupted)
            continue;
        if (!status.ok()) {
            systemFileSystem().closeFile(file);
            throw errorOf(status, path);
        }
        if (read == 0)
            break;
        bytes.append(buffer, read);
    }
    systemFileSystem().closeFile(file);
    return bytes;
}

void StagingFolder::removeFile(const QString& name)
{
    const QString path = filePath(name);
    Entry entry;
    check(staging::lookAt(m_handle, name, path, entry), path);
    if (!isOwnRegularFile(entry))
        throw errors::pathFileAccessError(path, QStringLiteral("not a file of this user"));
    if (entry.readOnly)
        throw errors::pathFileAccessError(path, QStringLiteral("read-only file"));
    check(staging::removeEntry(m_handle, name, path), path);
}

} // namespace platform
