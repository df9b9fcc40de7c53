#pragma once

#include "errors/runtime_error.h"
#include "language/language_rows.h"

#include <QByteArray>
#include <QString>

namespace language {

// The database engine's own error numbers for these failures, which support staff who know
// Access databases recognise in the log.
enum LanguageErrorNumber : qint32 {
    kTableNotFound = 3078,      // tblComponents is not in the database
    kItemNotFound = 3265,       // no column for the language (or no ComponentName column)
    kUnrecognizedFormat = 3343, // not a Jet database, truncated or otherwise unreadable
    // What the ODBC driver manager raises through ADO when the connection string names a driver
    // that is not installed (0x80004005).
    kDriverNotFound = -2147467259,
};

// Reads table tblComponents of the Access (Jet 3/4) file at mdbPath, read-only: the columns
// ComponentName and <languageName>Value (column and table names compare without regard to letter
// case, as Jet does), every row once, in table order. Windows reads it through the Access ODBC
// driver, other systems with libmdb, which only compares the language name with column names.
//
// Throws errors::RuntimeError:
//   53 (kFileNotFound)       the file does not exist (no other folder is searched),
//   75 (kPathFileAccessError) it exists but cannot be read,
//   3343 (kUnrecognizedFormat) it is empty, not a Jet database, truncated or damaged,
//   3078 (kTableNotFound)    the database has no table tblComponents,
//   3265 (kItemNotFound)     the table has no column <languageName>Value or no ComponentName,
//   kDriverNotFound          (Windows) no Access ODBC driver is installed.
LanguageRows readLanguageRows(const QString& mdbPath, const QString& languageName);

// The libmdb reader on the bytes of a file already in memory (not on Windows); path only names it
// in error texts.
LanguageRows readLanguageRowsFromBytes(QByteArray bytes, const QString& languageName, const QString& path);

} // namespace language
