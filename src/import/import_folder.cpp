#include "import/import_folder.h"

#include "errors/runtime_error.h"
#include "platform/clock.h"
#include "platform/codepage.h"
#include "platform/files.h"
#include "platform/program_folder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace import {
namespace {

constexpr QFileDevice::Permissions kOwnerOnly = QFileDevice::ReadOwner | QFileDevice::WriteOwner;

QByteArray stagedFileContent(QString text)
{
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QStringLiteral("\n"), QStringLiteral("\r\n"));
    return platform::toSystemCodePage(text + QStringLiteral("\r\n"));
}

} // namespace

QString importFolder()
{
    return platform::programFolder() + QStringLiteral("/Temp");
}

void ensureImportFolder()
{
    const QString folder = importFolder();
    if (QFileInfo(folder).isDir())
        return;
    if (!QDir().mkdir(folder, kOwnerOnly | QFileDevice::ExeOwner))
        throw errors::pathFileAccessError(folder, QStringLiteral("cannot create the folder"));
}

bool isImportFileName(const QString& fileName)
{
    return fileName.right(3).toUpper() == QStringLiteral("TXT");
}

QStringList importFilePaths(const QString& folder)
{
    const QDir dir(folder);
    QStringList paths;
    for (const QString& name : dir.entryList(QDir::Files | QDir::Hidden, QDir::Name)) {
        if (isImportFileName(name))
            paths.append(dir.filePath(name));
    }
    return paths;
}

void deleteImportFile(const QString& path)
{
    const QFileInfo info(path);
    if (info.exists() && !info.permissions().testFlag(QFileDevice::WriteOwner))
        throw errors::pathFileAccessError(path, QStringLiteral("read-only file"));
    QFile file(path);
    if (!file.remove())
        throw platform::fileError(file, path);
}

void deleteImportFiles(const QString& folder)
{
    for (const QString& path : importFilePaths(folder))
        deleteImportFile(path);
}

QString stagedFileName(const QDateTime& when)
{
    return when.toString(QStringLiteral("ddMMyyyyHHmm")) + QStringLiteral(".txt");
}

QString stageImportText(const QString& folder, const QString& text)
{
    const QString path = folder + QLatin1Char('/') + stagedFileName(platform::now());
    if (QFileInfo(path).isSymLink() || QFileInfo::exists(path))
        deleteImportFile(path);
    // NewOnly: the owner-only permissions apply only to a file this call creates.
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly, kOwnerOnly))
        throw platform::fileError(file, path);
    const QByteArray bytes = stagedFileContent(text);
    if (file.write(bytes) != bytes.size() || !file.flush())
        throw platform::fileError(file, path);
    return path;
}

} // namespace import
