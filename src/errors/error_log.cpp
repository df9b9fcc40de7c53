#include "errors/error_log.h"

#include "platform/clock.h"
#include "platform/codepage.h"
#include "platform/program_folder.h"
#include "platform/regional.h"

#include <QDir>
#include <QFile>

namespace errors {

QString errorSummary(const QString& procedureName, const RuntimeError& error)
{
    return QStringLiteral(" # %1 - %2 - %3").arg(error.number()).arg(error.description(), procedureName);
}

QString logLine(const QDateTime& when, const QString& procedureName, const RuntimeError& error)
{
    const auto& regional = platform::RegionalFormats::current();
    return regional.shortDate(when.date()) + QStringLiteral(" - ") + regional.longTime(when.time()) +
           errorSummary(procedureName, error);
}

QString errorLogPath()
{
    return platform::programFolder() + QStringLiteral("/Logs/ErrorLog.log");
}

bool appendToErrorLog(const QString& line)
{
    const QString folder = platform::programFolder() + QStringLiteral("/Logs");
    if (!QDir().mkpath(folder))
        return false;
    QFile log(errorLogPath());
    if (!log.open(QIODevice::WriteOnly | QIODevice::Append))
        return false;
    const QByteArray bytes = platform::toSystemCodePage(line) + "\r\n";
    const bool written = log.write(bytes) == bytes.size();
    return log.flush() && written;
}

} // namespace errors
