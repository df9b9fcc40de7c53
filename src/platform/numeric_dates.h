#pragma once

#include <QDate>
#include <QString>
#include <QTime>

#include <array>
#include <optional>

namespace platform {

// A date format made only of day, month and year numbers and one separator ("dd.MM.yyyy",
// "M/d/yyyy"). Formatting and reading such dates by hand is many times faster than the locale's
// general routines, and every request formats and reads three dates and times.
class NumericDateFormat
{
public:
    // nullopt when format holds anything else (month names, weekdays, several separators).
    static std::optional<NumericDateFormat> from(const QString& format);

    QString format(const QDate& date) const;
    // Day and month of one or two digits, a year of four digits or of two, read with the
    // 00-29 -> 2000-2029, 30-99 -> 1930-1999 window. nullopt for anything else.
    std::optional<QDate> parse(QStringView text) const;

private:
    struct Field
    {
        char kind; // 'd', 'M' or 'y'
        int width; // digits when formatting: 1 (no leading zero), 2 or 4
    };
    std::array<Field, 3> m_fields{};
    QChar m_separator;
};

// "9:30", "09:30", "09:30:15" with the given separator; nullopt for anything else.
std::optional<QTime> parseNumericTime(QStringView text, QChar separator);

// Hour 00-23 and minute, two digits each: "09:30".
QString formatHourMinute(const QTime& time, QChar separator);

} // namespace platform
