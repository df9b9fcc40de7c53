#include "errors/runtime_error.h"

#include <QDir>

namespace errors {

RuntimeError::RuntimeError(qint32 number, QString description)
    : m_number(number), m_description(std::move(description)),
      m_what(QStringLiteral("%1 - %2").arg(m_number).arg(m_description).toUtf8())
{
}

namespace {

QString shown(const QString& path)
{
    return QDir::toNativeSeparators(path);
}

} // namespace

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

RuntimeError fileNotFound(const QString& path)
{
    return {kFileNotFound, QStringLiteral("File not found: %1").arg(shown(path))};
}

RuntimeError diskFull(const QString& path)
{
    return {kDiskFull, QStringLiteral("Disk full: %1").arg(shown(path))};
}

RuntimeError inputPastEndOfFile()
{
    return {kInputPastEndOfFile, QStringLiteral("Input past end of file")};
}

RuntimeError permissionDenied(const QString& path, const QString& detail)
{
    const QString text = QStringLiteral("Permission denied: %1").arg(shown(path));
    return {kPermissionDenied, detail.isEmpty() ? text : QStringLiteral("%1 (%2)").arg(text, detail)};
}

RuntimeError pathFileAccessError(const QString& path, const QString& reason)
{
    return {kPathFileAccessError, QStringLiteral("Path/File access error: %1 (%2)").arg(shown(path), reason)};
}

RuntimeError pathNotFound(const QString& path)
{
    return {kPathNotFound, QStringLiteral("Path not found: %1").arg(shown(path))};
}

RuntimeError invalidUseOfNull()
{
    return {kInvalidUseOfNull, QStringLiteral("Invalid use of Null")};
}

} // namespace errors
