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

} // namespace errors
