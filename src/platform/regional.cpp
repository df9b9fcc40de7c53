#include "platform/regional.h"

#include <QRegularExpression>
#include <QStringList>

namespace platform {
namespace {

QString withFourDigitYear(QString format)
{
    if (!format.contains(QStringLiteral("yyyy")))
        format.replace(QStringLiteral("yy"), QStringLiteral("yyyy"));
    return format;
}

// "dd.MM.yyyy" -> "d.M.yyyy": Qt then reads one or two digits, as users type them.
QString lenientDigits(QString format)
{
    return format.replace(QStringLiteral("dd"), QStringLiteral("d")).replace(QStringLiteral("MM"), QStringLiteral("M"));
}

QString withoutTimeZone(QString format)
{
    static const QRegularExpression zone(QStringLiteral("\\s*\\bt+\\b"));
    return format.remove(zone).trimmed();
}

QChar timeSeparatorOf(const QString& format)
{
    for (const QChar c : format) {
        if (!c.isLetter())
            return c;
    }
    return u':';
}

} // namespace

RegionalFormats::RegionalFormats(const QLocale& locale)
    : m_locale(locale), m_shortDateFormat(withFourDigitYear(locale.dateFormat(QLocale::ShortFormat))),
      m_longTimeFormat(withoutTimeZone(locale.timeFormat(QLocale::LongFormat))),
      m_timeSeparator(timeSeparatorOf(locale.timeFormat(QLocale::ShortFormat))),
      m_numericShortDate(NumericDateFormat::from(m_shortDateFormat))
{
}

RegionalFormats RegionalFormats::current()
{
    return RegionalFormats(QLocale());
}

QString RegionalFormats::shortDate(const QDate& date) const
{
    return m_numericShortDate ? m_numericShortDate->format(date) : m_locale.toString(date, m_shortDateFormat);
}

QString RegionalFormats::longTime(const QTime& time) const
{
    return m_locale.toString(time, m_longTimeFormat);
}

QString RegionalFormats::shortTime(const QTime& time) const
{
    return formatHourMinute(time, m_timeSeparator);
}

std::optional<QDate> RegionalFormats::parseDate(const QString& text, std::optional<QDate> notAfter) const
{
    const QString trimmed = text.trimmed();
    if (m_numericShortDate) {
        if (const auto date = m_numericShortDate->parse(trimmed, notAfter))
            return date;
    }
    const QString shortFormat = lenientDigits(m_shortDateFormat);
    for (const QString& format :
         {shortFormat, m_locale.dateFormat(QLocale::LongFormat), QStringLiteral("yyyy-MM-dd")}) {
        const QDate date = m_locale.toDate(trimmed, format);
        if (date.isValid())
            return date;
    }
    const QDate twoDigitYear =
        m_locale.toDate(trimmed, QString(shortFormat).replace(QStringLiteral("yyyy"), QStringLiteral("yy")));
    if (twoDigitYear.isValid()) {
        const QDate date =
            dateWithTwoDigitYear(twoDigitYear.year() % 100, twoDigitYear.month(), twoDigitYear.day(), notAfter);
        if (date.isValid())
            return date;
    }
    return std::nullopt;
}

std::optional<QTime> RegionalFormats::parseTime(const QString& text) const
{
    const QString trimmed = text.trimmed();
    if (const auto time = parseNumericTime(trimmed, m_timeSeparator))
        return time;
    const QString sep(m_timeSeparator);
    const QStringList formats = {m_locale.timeFormat(QLocale::ShortFormat), m_longTimeFormat,
                                 QStringLiteral("h%1mm AP").arg(sep), QStringLiteral("h%1mm%1ss AP").arg(sep)};
    for (const QString& format : formats) {
        const QTime time = m_locale.toTime(trimmed, format);
        if (time.isValid())
            return time;
    }
    return std::nullopt;
}

} // namespace platform
