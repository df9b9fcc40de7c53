#include "language/mdb_language_table.h"

#include <QFile>
#include <QFileInfo>

namespace language {

QString languageColumn(const QString& languageName)
{
    return languageName + QStringLiteral("Value");
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
