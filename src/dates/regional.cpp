#include "dates/regional.h"

#include <QStringList>

namespace dates {
namespace {

QString withFourDigitYear(QString format)
{
    if (!format.contains(QStringLiteral("yyyy")))
        format.replace(QStringLiteral("yy"), QStringLiteral("yyyy"));
    return format;
}

// "dd.MM.yyyy" -> "d.M.yyyy": Qt then reads one or two digits, as users type them. Only runs of
// exactly two: "MMM" is a month's name ("d MMM yyyy" of the C locale) and stays.
QString lenientDigits(const QString& format)
{
    QString lenient;
    for (qsizetype i = 0; i < format.size();) {
        qsizetype run = 1;
        while (i + run < format.size() && format[i + run] == format[i])
            ++run;
        const bool twoDigits = run == 2 && (format[i] == u'd' || format[i] == u'M');
        lenient.append(QStringView(format).sliced(i, twoDigits ? 1 : run));
        i += run;
    }
    return lenient;
}

// Drops each time-zone field (a whole word of t's) with the blanks before it. A hand-written scan
// rather than a regular expression: compiling one at start-up costs more time and memory than
// the rest of the regional set-up. Words are ASCII letters, digits and '_', as in "\bt+\b".
QString withoutTimeZone(const QString& format)
{
    const auto isWordChar = [](QChar c) { return c.unicode() < 128 && (c.isLetterOrNumber() || c == u'_'); };
    const auto isBlank = [](QChar c) { return c == u' ' || (c >= u'\t' && c <= u'\r'); };
    QString result;
    for (qsizetype i = 0; i < format.size();) {
        if (format[i] != u't') {
            result.append(format[i++]);
            continue;
        }
        const qsizetype start = i;
        while (i < format.size() && format[i] == u't')
            ++i;
        const bool wholeWord =
            (start == 0 || !isWordChar(format[start - 1])) && (i == format.size() || !isWordChar(format[i]));
        if (!wholeWord) {
            result.append(QStringView(format).sliced(start, i - start));
            continue;
        }
        while (!result.isEmpty() && isBlank(result.back()))
            result.chop(1);
    }
    return result.trimmed();
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

std::optional<QDate> RegionalFormats::parseDate(const QString& text, std::optional<QDate> notAfter) const
{
    const QString trimmed = text.trimmed();
    if (m_numericShortDate) {
        if (const auto date = m_numericShortDate->parse(trimmed, notAfter))
            return date;
    }
    if (const auto date = recordDateFormat().parse(trimmed, notAfter))
        return date;
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
    for (const QChar separator : {m_timeSeparator, QChar(u':'), QChar(u'.'), QChar(u',')}) {
        if (const auto time = parseNumericTime(trimmed, separator))
            return time;
    }
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

} // namespace dates
