#include "import/import_folder.h"

#include "platform/clock.h"
#include "platform/program_folder.h"
#include "runtime_errors/runtime_error.h"

#include <QFileInfo>

namespace import {
namespace {

// UTF-8 with its byte-order mark: the system code page would turn a pasted Петров into "??????"
// and a pasted combining accent into a letter of its own.
QByteArray stagedFileContent(QString text)
{
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QStringLiteral("\n"), QStringLiteral("\r\n"));
    return ImportLines::kUtf8Mark + (text + QStringLiteral("\r\n")).toUtf8();
}

platform::StagingFolder folderOf(const QFileInfo& file)
{
    if (auto folder = platform::StagingFolder::openExisting(file.path()))
        return std::move(*folder);
    throw errors::pathNotFound(file.path());
}

} // namespace

QString importFolder()
{
    return platform::programFolder() + QStringLiteral("/Temp");
}

platform::StagingFolder openImportFolder()
{
    return platform::StagingFolder::open(importFolder());
}

bool isImportFileName(const QString& fileName)
{
    return fileName.right(3).toUpper() == QStringLiteral("TXT");
}

QStringList importFileNames(const platform::StagingFolder& folder)
{
    QStringList names = folder.ownFileNames();
    names.removeIf([](const QString& name) { return !isImportFileName(name); });
    return names;
}

void deleteImportFiles(platform::StagingFolder& folder)
{
    for (const QString& name : importFileNames(folder))
        folder.removeFile(name);
}

QString stagedFileName(const QDateTime& when)
{
    return when.toString(QStringLiteral("ddMMyyyyHHmm_")) + platform::StagingFolder::userTag() + QStringLiteral(".txt");
}

QString stageImportText(platform::StagingFolder& folder, const QString& text)
{
    const QString name = stagedFileName(platform::now());
    folder.replaceOwnFile(name, stagedFileContent(text));
    return folder.filePath(name);
}

ImportLines readImportFile(const QString& path)
{
    const QFileInfo file(path);
    return ImportLines::fromFileBytes(folderOf(file).readFile(file.fileName()));
}

void deleteImportFile(const QString& path)
{
    const QFileInfo file(path);
    folderOf(file).removeFile(file.fileName());
}

} // namespace import
