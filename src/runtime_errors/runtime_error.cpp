#include "runtime_errors/runtime_error.h"

#include <QDir>

namespace errors {

RuntimeError::RuntimeError(qint32 number, QString description)
    : m_number(number), m_description(std::move(description)),
      m_what(QStringLiteral("%1 - %2").arg(m_number).arg(m_description).toUtf8())
{
}

ShownPath::ShownPath(const QString& path) : m_text(QDir::toNativeSeparators(path)) {}

ShownPath ShownPath::asTyped(const QString& path)
{
    ShownPath shown;
    shown.m_text = path;
    return shown;
}

RuntimeError invalidProcedureCall(const QString& detail)
{
    const QString text = QStringLiteral("Invalid procedure call or argument");
    return {kInvalidProcedureCall, detail.isEmpty() ? text : text + QStringLiteral(": ") + detail};
}

RuntimeError overflow()
{
    return {kOverflow, QStringLiteral("Overflow")};
}

RuntimeError lineTooLong(const QString& line, const QString& piece)
{
    return {kOverflow,
            QStringLiteral("The %1 is too long: the %2 or its separator lies beyond position 32767").arg(line, piece)};
}

RuntimeError typeMismatch()
{
    return {kTypeMismatch, QStringLiteral("Type mismatch")};
}

RuntimeError fileNotFound(const ShownPath& path)
{
    return {kFileNotFound, QStringLiteral("File not found: %1").arg(path.text())};
}

RuntimeError diskFull(const ShownPath& path)
{
    return {kDiskFull, QStringLiteral("Disk full: %1").arg(path.text())};
}

RuntimeError inputPastEndOfFile()
{
    return {kInputPastEndOfFile, QStringLiteral("Input past end of file")};
}

RuntimeError tooFewLines(int lines, int needed, const QString& layout)
{
    return {
        kInputPastEndOfFile,
        QStringLiteral("The text has only %1 of the %2 lines the %3 layout needs").arg(lines).arg(needed).arg(layout)};
}

RuntimeError emptyText()
{
    return {kInputPastEndOfFile, QStringLiteral("The text is empty")};
}

RuntimeError permissionDenied(const ShownPath& path, const QString& detail)
{
    const QString text = QStringLiteral("Permission denied: %1").arg(path.text());
    return {kPermissionDenied, detail.isEmpty() ? text : QStringLiteral("%1 (%2)").arg(text, detail)};
}

RuntimeError pathFileAccessError(const ShownPath& path, const QString& reason)
{
    return {kPathFileAccessError, QStringLiteral("Path/File access error: %1 (%2)").arg(path.text(), reason)};
}

RuntimeError notAFolder(const ShownPath& path)
{
    return {kPathFileAccessError,
            QStringLiteral("Path/File access error: %1 is a file, not a folder").arg(path.text())};
}

RuntimeError pathNotFound(const ShownPath& path)
{
    return {kPathNotFound, QStringLiteral("Path not found: %1").arg(path.text())};
}

RuntimeError invalidUseOfNull()
{
    return {kInvalidUseOfNull, QStringLiteral("Invalid use of Null")};
}

RuntimeError tableNotFound(const QString& table, const ShownPath& database)
{
    return {kTableNotFound, QStringLiteral("The table '%1' was not found in '%2'.").arg(table, database.text())};
}

RuntimeError columnNotFound(const QString& table, const QString& column)
{
    return {kItemNotFound, QStringLiteral("The table %1 has no column %2.").arg(table, column)};
}

RuntimeError languageColumnNotFound(const QString& language, const QString& table, const QString& column)
{
    return {
        kItemNotFound,
        QStringLiteral("No column for the language '%1': the table %2 has no column %3.").arg(language, table, column)};
}

RuntimeError unrecognizedDatabase(const ShownPath& database, const QString& why)
{
    return {kUnrecognizedFormat, QStringLiteral("Unrecognized database format '%1' (%2).").arg(database.text(), why)};
}

RuntimeError withContext(const RuntimeError& error, const QString& sentence)
{
    return {error.number(), sentence.arg(error.description())};
}

} // namespace errors
