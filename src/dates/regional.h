#pragma once

#include "dates/numeric_dates.h"

#include <QDate>
#include <QLocale>
#include <QTime>

#include <optional>

namespace dates {

// The user's regional date and time formats (Qt's default locale, which follows LC_ALL / LC_TIME
// / LANG), with two corrections: the short date always shows a four-digit year, and two-digit
// years are read with the 00-29 -> 2000-2029, 30-99 -> 1930-1999 window practices are used to
// (dateWithTwoDigitYear).
class RegionalFormats
{
public:
    explicit RegionalFormats(const QLocale& locale);
    static RegionalFormats current();

    QString shortDate(const QDate& date) const;
    // Time with seconds, without a time-zone name: 07:40:18 with German settings.
    QString longTime(const QTime& time) const;

    // Accepts the short date with a two- or four-digit year, the long date, ISO yyyy-MM-dd and the
    // request record's d.M.yyyy (recordDateFormat), so that 12.03.1980 is a date under every
    // setting. notAfter is given for dates that cannot lie ahead: see dateWithTwoDigitYear.
    // nullopt for anything else, a day that the month does not have included.
    std::optional<QDate> parseDate(const QString& text, std::optional<QDate> notAfter = std::nullopt) const;
    // Accepts the short and long time, with or without seconds, and what a receptionist types:
    // 9:30, 9.30, 9,30, 930, 0930. nullopt for anything else, 24:00 and 12:60 included.
    std::optional<QTime> parseTime(const QString& text) const;

private:
    QLocale m_locale;
    QString m_shortDateFormat;
    QString m_longTimeFormat;
    QChar m_timeSeparator;
    std::optional<NumericDateFormat> m_numericShortDate; // absent where the short date has names
};

} // namespace dates
