#include "language/mdb_language_table.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace language {

QString languageColumn(const QString& languageName)
{
    return languageName + QStringLiteral("Value");
}

errors::RuntimeError unrecognizedDatabase(const QString& path, const QString& why)
{
    return {kUnrecognizedFormat,
            QStringLiteral("Unrecognized database format '%1' (%2).").arg(QDir::toNativeSeparators(path), why)};
}

errors::RuntimeError tableNotFound(const QString& path)
{
    return {kTableNotFound,
            QStringLiteral("The table '%1' was not found in '%2'.").arg(kTableName, QDir::toNativeSeparators(path))};
}

errors::RuntimeError keyColumnMissing()
{
    return {kItemNotFound, QStringLiteral("The table %1 has no column %2.").arg(kTableName, kKeyColumn)};
}

errors::RuntimeError languageColumnMissing(const QString& languageName)
{
    return {kItemNotFound, QStringLiteral("No column for the language '%1': the table %2 has no column %3.")
                               .arg(languageName, kTableName, languageColumn(languageName))};
}

// The file is read whole, so that libmdb never opens a file by name (it would search MDBPATH, and
// on Windows it could not open a path outside the ANSI code page).
LanguageRows readLanguageRows(const QString& mdbPath, const QString& languageName)
{
    const QFileInfo info(mdbPath);
    if (!info.exists() || info.isDir())
        throw errors::fileNotFound(mdbPath);
    QFile file(mdbPath);
    if (!file.open(QIODevice::ReadOnly))
        throw errors::pathFileAccessError(mdbPath, file.errorString());
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        throw errors::pathFileAccessError(mdbPath, file.errorString());
    return readLanguageRowsFromBytes(std::move(bytes), languageName, mdbPath);
}

} // namespace language
