#include "platform/file_writes.h"

#include "platform/file_system.h"

#include <QDir>
#include <QFileInfo>

namespace platform {

errors::RuntimeError fileError(const QFileDevice& file, const QString& path)
{
    switch (file.error()) {
    case QFileDevice::PermissionsError:
        return errors::permissionDenied(path);
    case QFileDevice::ResourceError:
        return errors::diskFull(path);
    default:
        return errors::pathFileAccessError(path, file.errorString());
    }
}

QString folderWithFinalSeparator(const QString& folder)
{
    if (folder.isEmpty() || folder.endsWith(QLatin1Char('/')) || folder.endsWith(QDir::separator()))
        return folder;
    return folder + QDir::separator();
}

namespace {

void check(const FileStatus& status, const QString& path)
{
    if (!status.ok())
        throw errorOf(status, path);
}

// A new file beside its final name that is removed again unless it is given that name: what a
// failure at any step leaves behind is nothing. Errors name reportAs, the file the user knows.
class TemporaryFile
{
public:
    TemporaryFile(FileSystem& fileSystem, const QString& folder, const QString& stem, const QString& reportAs)
        : m_fileSystem(fileSystem), m_reportAs(reportAs)
    {
        check(m_fileSystem.createTemporaryFile(folder, stem, m_file), m_reportAs);
    }
    ~TemporaryFile()
    {
        if (m_file.handle != -1)
            m_fileSystem.closeFile(m_file);
        if (!m_renamed)
            m_fileSystem.removeFile(m_file.path);
    }
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;

    // All of bytes, on the disk, and the file closed: only then may it take its final name.
    void writeAndClose(const QByteArray& bytes)
    {
        check(writeAll(m_fileSystem, m_file, bytes), m_reportAs);
        check(m_fileSystem.flushToDisk(m_file), m_reportAs);
        check(m_fileSystem.closeFile(m_file), m_reportAs);
    }

    const QString& path() const { return m_file.path; }
    void renamed() { m_renamed = true; }

private:
    FileSystem& m_fileSystem;
    QString m_reportAs;
    OpenFile m_file;
    bool m_renamed = false;
};

QString folderForOpening(const QString& folder)
{
    const QString effective = folder.isEmpty() ? QDir::currentPath() : folder;
    const QFileInfo info(effective);
    if (!info.isDir()) {
        // Asked with its final separator, a file does not exist at all (ENOTDIR), so ask without.
        QString bare = effective;
        while (bare.size() > 1 && (bare.endsWith(QLatin1Char('/')) || bare.endsWith(QDir::separator())))
            bare.chop(1);
        if (QFileInfo::exists(bare))
            throw errors::notAFolder(bare);
        throw errors::pathNotFound(effective);
    }
    if (!info.isWritable())
        throw errors::permissionDenied(effective);
    return effective;
}

} // namespace

QString writeNewFileAtomically(const QString& folder, const QString& stem, const QString& suffix,
                               const QByteArray& bytes)
{
    // Errors about the folder name it as given, without a separator it did not have.
    const QString openableFolder = folderForOpening(folder);
    const QString prefix = folderWithFinalSeparator(folder);
    FileSystem& files = fileSystem();
    // Errors name the file the user asked for: the temporary one is hidden and gone afterwards.
    TemporaryFile temporary(files, openableFolder, stem, prefix + stem + suffix);
    temporary.writeAndClose(bytes);

    for (int attempt = 1;; ++attempt) {
        const QString name =
            attempt == 1 ? stem + suffix : QStringLiteral("%1_%2%3").arg(stem).arg(attempt).arg(suffix);
        const QString target = prefix + name;
        if (files.entryExists(target))
            continue;
        // Never replaces an entry; one created since the look just costs one more try.
        const FileStatus renamed = files.renameWithoutReplacing(temporary.path(), target);
        if (renamed.kind == FileStatus::Kind::NameTaken)
            continue;
        check(renamed, target);
        temporary.renamed();
        const FileStatus synced = files.syncFolder(openableFolder);
        if (!synced.ok())
            files.removeFile(target); // not known to be on disk: the user must write it again
        check(synced, openableFolder);
        return target;
    }
}

void appendToFileInSubfolder(const QString& folder, const QString& subfolder, const QString& name,
                             const QByteArray& bytes)
{
    OpenFile file = openToAppendInSubfolder(folder, subfolder, name);
    FileSystem& system = systemFileSystem();
    const FileStatus written = writeAll(system, file, bytes);
    system.closeFile(file);
    check(written, file.path);
}

namespace {

// The file that replacing path must replace: path itself, or the file a symbolic link there names,
// so that the link is kept. Renaming over the link would put a plain file in its place.
QString fileToReplace(const QString& path)
{
    const QFileInfo link(path);
    if (!link.isSymbolicLink())
        return path;
    const QString target = link.canonicalFilePath();
    if (target.isEmpty())
        throw errors::pathFileAccessError(
            path, QStringLiteral("a symbolic link to %1, which does not exist").arg(link.symLinkTarget()));
    if (!QFileInfo(target).isFile())
        throw errors::pathFileAccessError(path, QStringLiteral("a symbolic link to %1, which is no file").arg(target));
    return target;
}

} // namespace

void replaceFileAtomically(const QString& linkOrFile, const QByteArray& bytes)
{
    const QString path = fileToReplace(linkOrFile);
    const QFileInfo info(path);
    const QString folder = info.path();
    if (!QFileInfo(folder).isDir())
        throw errors::pathNotFound(folder);
    FileSystem& files = fileSystem();
    TemporaryFile temporary(files, folder, info.fileName(), path);
    temporary.writeAndClose(bytes);
    check(files.renameReplacing(temporary.path(), path), path);
    temporary.renamed();
    check(files.syncFolder(folder), folder);
}

} // namespace platform
