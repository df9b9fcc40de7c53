#pragma once

#include "language/language_rows.h"
#include "runtime_errors/runtime_error.h"

#include <QByteArray>
#include <QString>

namespace language {

// The database engine's own error numbers for these failures, which support staff who know
// Access databases recognise in the log.
enum LanguageErrorNumber : qint32 {
    kTableNotFound = 3078,      // tblComponents is not in the database
    kItemNotFound = 3265,       // no column for the language (or no ComponentName column)
    kUnrecognizedFormat = 3343, // not a Jet database, truncated or otherwise unreadable
};

inline const QString kTableName = QStringLiteral("tblComponents");
inline const QString kKeyColumn = QStringLiteral("ComponentName");

// "<languageName>Value", the column of one language.
QString languageColumn(const QString& languageName);

errors::RuntimeError unrecognizedDatabase(const QString& path, const QString& why); // 3343
errors::RuntimeError tableNotFound(const QString& path);                            // 3078
errors::RuntimeError keyColumnMissing();                                            // 3265
errors::RuntimeError languageColumnMissing(const QString& languageName);            // 3265

// Reads table tblComponents of the Access (Jet 3/4) file at mdbPath, read-only: the columns
// ComponentName and <languageName>Value (column and table names compare without regard to letter
// case, as Jet does), every row once, in table order, with libmdb on every system. The language
// name is only compared with column names, never put into a query.
//
// Throws errors::RuntimeError:
//   53 (kFileNotFound)       the file does not exist (no other folder is searched),
//   75 (kPathFileAccessError) it exists but cannot be read,
//   3343 (kUnrecognizedFormat) it is empty, not a Jet database, truncated or damaged,
//   3078 (kTableNotFound)    the database has no table tblComponents,
//   3265 (kItemNotFound)     the table has no column <languageName>Value or no ComponentName.
// Read with QFile, not through platform::fileSystem(): that seam holds the steps of Lumvik's file
// writes, and this file is only read, whole and once; nothing is ever written through a link to it.
LanguageRows readLanguageRows(const QString& mdbPath, const QString& languageName);

// The reader on the bytes of a file already in memory (libmdb_reader.cpp); path only names it in
// error texts.
LanguageRows readLanguageRowsFromBytes(QByteArray bytes, const QString& languageName, const QString& path);

} // namespace language
