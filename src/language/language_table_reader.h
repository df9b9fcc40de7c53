#pragma once

#include "errors/runtime_error.h"
#include "language/language_rows.h"

#include <QByteArray>
#include <QString>

// What the system-specific readers of tblComponents share (mdb_language_table_posix.cpp reads the
// file with libmdb, mdb_language_table_win32.cpp through the Access ODBC driver): the names they
// look for and the errors they report, so both speak alike.
namespace language {

inline const QString kTableName = QStringLiteral("tblComponents");
inline const QString kKeyColumn = QStringLiteral("ComponentName");

// "<languageName>Value", the column of one language.
QString languageColumn(const QString& languageName);

errors::RuntimeError unrecognizedDatabase(const QString& path, const QString& why); // 3343
errors::RuntimeError tableNotFound(const QString& path);                            // 3078
errors::RuntimeError keyColumnMissing();                                            // 3265
errors::RuntimeError languageColumnMissing(const QString& languageName);            // 3265

// Reads ComponentName and the language's column of every row, in table order, from the file at
// path whose bytes have passed jetFileProblem(). Throws the errors above.
LanguageRows readCheckedDatabase(const QString& path, QByteArray bytes, const QString& languageName);

} // namespace language
