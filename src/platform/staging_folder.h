#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>

namespace platform {

// A folder beside the program that holds one user's short-lived files (the import's Temp). It is
// used only as the real folder it is: a symbolic link standing in its place, or inside it, is
// never followed, so nothing elsewhere is read, written or deleted through one. Where other users
// may write the program folder, they share this folder as they share /tmp: it gets the program
// folder's group and write permissions and the sticky bit, so that every one of them may add
// files and each may delete only their own. Every method throws errors::RuntimeError naming the
// folder or the file.
//
// The rules live here and in staging_folder.cpp; the system calls behind them in
// staging_folder_system.h. It does not go through platform::fileSystem(): that seam names every file
// by its path, which the system resolves anew at each call, so a link put at a name between two
// calls would be followed. Here every call works on the folder held open, one name inside it.
class StagingFolder
{
public:
    // Opens the folder at path, creating it when missing. Error 75 when path is a symbolic link,
    // no folder or cannot be created.
    static StagingFolder open(const QString& path);
    // The same without creating: nothing when path does not exist.
    static std::optional<StagingFolder> openExisting(const QString& path);

    StagingFolder(StagingFolder&& other) noexcept;
    StagingFolder& operator=(StagingFolder&&) = delete;
    StagingFolder(const StagingFolder&) = delete;
    ~StagingFolder();

    const QString& path() const { return m_path; }
    QString filePath(const QString& name) const;

    // The regular files directly inside that belong to the current user, sorted by name, hidden
    // ones included. Links, folders and other users' files are not listed.
    QStringList ownFileNames() const;
    // Writes bytes as the file name, readable and writable by the current user alone, replacing
    // the user's own regular file of that name as removeFile() would.
    void replaceOwnFile(const QString& name, const QByteArray& bytes);
    // The content of the regular file name.
    QByteArray readFile(const QString& name) const;
    // Deletes the current user's regular file name without forcing: a read-only one (no write
    // permission for its owner) is refused with error 75, and so is anything else.
    void removeFile(const QString& name);

    // Differs between the users of one computer, so that their file names never meet.
    static QString userTag();

private:
    StagingFolder(QString path, qintptr handle);

    QString m_path;
    qintptr m_handle = -1; // the open folder (descriptor or handle)
};

} // namespace platform
