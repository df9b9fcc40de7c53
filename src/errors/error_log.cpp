#include "errors/error_log.h"

#include "dates/regional.h"
#include "platform/clock.h"
#include "platform/codepage.h"
#include "platform/file_writes.h"
#include "platform/program_folder.h"

#include <optional>

namespace errors {

QString errorSummary(const QString& procedureName, const RuntimeError& error)
{
    return QStringLiteral(" # %1 - %2 - %3").arg(error.number()).arg(error.description(), procedureName);
}

QString logLine(const QDateTime& when, const QString& procedureName, const RuntimeError& error)
{
    const auto& regional = dates::RegionalFormats::current();
    return regional.shortDate(when.date()) + QStringLiteral(" - ") + regional.longTime(when.time()) +
           errorSummary(procedureName, error);
}

namespace {

// The line in the system code page. A character the code page lacks is written as its code point,
// "<U+0416>" for Ж: "?" or a look-alike letter would hide which name or path the error was about.
QByteArray logBytes(const QString& line)
{
    // A letter written as base letter plus combining mark is the code page's one letter.
    const QString composed = line.normalized(QString::NormalizationForm_C);
    if (std::optional<QByteArray> bytes = platform::encodeSystemCodePage(composed))
        return *bytes;
    QByteArray bytes;
    for (const char32_t codePoint : composed.toUcs4()) {
        const std::optional<QByteArray> character = platform::encodeSystemCodePage(QString::fromUcs4(&codePoint, 1));
        bytes += character
                     ? *character
                     : QStringLiteral("<U+%1>").arg(uint(codePoint), 4, 16, QLatin1Char('0')).toUpper().toLatin1();
    }
    return bytes;
}

} // namespace

QString errorLogPath()
{
    return platform::programFolder() + QStringLiteral("/Logs/ErrorLog.log");
}

bool appendToErrorLog(const QString& line)
{
    try {
        platform::appendToFileInSubfolder(platform::programFolder(), QStringLiteral("Logs"),
                                          QStringLiteral("ErrorLog.log"), logBytes(line) + "\r\n");
        return true;
    } catch (const RuntimeError&) {
        return false;
    }
}

} // namespace errors
