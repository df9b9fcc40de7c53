#pragma once

#include "language/language_rows.h"
#include "runtime_errors/runtime_error.h"

#include <QByteArray>
#include <QString>

namespace language {

inline const QString kTableName = QStringLiteral("tblComponents");
inline const QString kKeyColumn = QStringLiteral("ComponentName");

// "<languageName>Value", the column of one language.
QString languageColumn(const QString& languageName);

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
