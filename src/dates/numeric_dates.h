#pragma once

#include <QDate>
#include <QString>
#include <QTime>

#include <array>
#include <optional>

namespace dates {

// A date format made only of day, month and year numbers and one separator ("dd.MM.yyyy",
// "M/d/yyyy"). Formatting and reading such dates by hand is many times faster than the locale's
// general routines, and every request formats and reads three dates and times.
class NumericDateFormat
{
public:
    // nullopt when format holds anything else (month names, weekdays, several separators).
    static std::optional<NumericDateFormat> from(const QString& format);

    QString format(const QDate& date) const;
    // Day and month of one or two digits, a year of four digits or of two (completed by
    // dateWithTwoDigitYear). nullopt for anything else.
    std::optional<QDate> parse(QStringView text, std::optional<QDate> notAfter = std::nullopt) const;

private:
    struct Field
    {
        char kind; // 'd', 'M' or 'y'
        int width; // digits when formatting: 1 (no leading zero), 2 or 4
    };
    std::array<Field, 3> m_fields{};
    QChar m_separator;
};

// dd.MM.yyyy: every date of a request record takes this form, whatever the regional settings, and
// a typed date is read in it too.
const NumericDateFormat& recordDateFormat();

// A date typed with a two-digit year: 00-29 -> 2000-2029, 30-99 -> 1930-1999. A date that cannot
// lie ahead (a birth date) passes notAfter, today: a date after it goes a century back, so 12.03.29
// typed in 2026 is 12.03.1929. Invalid when day or month are.
QDate dateWithTwoDigitYear(int twoDigitYear, int month, int day, std::optional<QDate> notAfter);

// "9:30", "09:30", "09:30:15" with the given separator, or hours and minutes run together
// ("930", "0930"); nullopt for anything else, a time past 23:59:59 included.
std::optional<QTime> parseNumericTime(QStringView text, QChar separator);

// Hour 00-23 and minute, two digits each: "09:30".
QString formatHourMinute(const QTime& time, QChar separator);

} // namespace dates
