#pragma once

#include "language/language_rows.h"
#include "runtime_errors/runtime_error.h"
#include "support/qstring_printer.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <functional>
#include <ostream>

namespace language {
// Lets gtest print rows that differ.
void PrintTo(const LanguageRow& row, std::ostream* out);
} // namespace language

namespace testsupport {

// tests/fixtures/access/<name>: Access files made by an independent library
QString accessFixture(const QString& name);
// The Language.mdb the build generated beside the executable, and its text table.
QString shippedLanguageMdb();
QString shippedTextTable();

QByteArray readBytes(const QString& path);

// readLanguageRows on bytes written as the file Language.mdb of a fresh folder.
language::LanguageRows rowsOfFile(const QByteArray& bytes, const QString& language);

// Runs read and returns the error it threw; fails the test when it did not throw.
errors::RuntimeError errorOf(const std::function<void()>& read);

// Rows of a fixture's TSV (no header; \N is NULL, \r \n \t \\ are escapes) for the value
// column at index valueColumn (1 = the first language column), in file order (an empty field is
// a zero-length text).
language::LanguageRows rowsFromTsv(const QString& path, int valueColumn, const QStringList& header = {});

// A Jet 4 file made with the project's writer: one table named tableName with the columns
// ComponentName and "<language>Value" per language, and the given rows (nullopt = NULL).
QByteArray makeDatabase(const QString& tableName, const QStringList& languages,
                        const QList<QList<std::optional<QString>>>& rows);

} // namespace testsupport
