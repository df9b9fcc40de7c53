#include "dates/numeric_dates.h"

#include <QVarLengthArray>

#include <algorithm>

namespace dates {
namespace {

struct DigitGroup
{
    int value;
    int digits;
};

// "12.03.1980" -> {12, 2}, {3, 2}, {1980, 4}; nullopt when anything but 1-4 digits stands
// between the separators.
std::optional<QVarLengthArray<DigitGroup, 3>> digitGroups(QStringView text, QChar separator)
{
    QVarLengthArray<DigitGroup, 3> groups;
    DigitGroup current{0, 0};
    for (const QChar c : text) {
        if (c == separator) {
            if (current.digits == 0)
                return std::nullopt;
            groups.append(current);
            current = {0, 0};
        } else if (c >= u'0' && c <= u'9' && current.digits < 4) {
            current = {current.value * 10 + (c.unicode() - u'0'), current.digits + 1};
        } else {
            return std::nullopt;
        }
    }
    if (current.digits == 0)
        return std::nullopt;
    groups.append(current);
    return groups;
}

// Appends the non-negative value with at least width digits, leading zeros first.
void appendNumber(QString& out, int value, int width)
{
    char16_t digits[12];
    int first = 12;
    do {
        digits[--first] = char16_t(u'0' + value % 10);
        value /= 10;
    } while (value > 0 || 12 - first < width);
    out.append(QStringView(digits + first, 12 - first));
}

} // namespace

std::optional<NumericDateFormat> NumericDateFormat::from(const QString& format)
{
    NumericDateFormat result;
    int fields = 0;
    for (qsizetype i = 0; i < format.size();) {
        const QChar c = format[i];
        qsizetype run = 1;
        while (i + run < format.size() && format[i + run] == c)
            ++run;
        if (c == u'd' || c == u'M' || c == u'y') {
            if (fields == 3 || run > (c == u'y' ? 4 : 2))
                return std::nullopt;
            result.m_fields[fields++] = {char(c.unicode()), int(run)};
        } else if (run == 1 && (result.m_separator.isNull() || result.m_separator == c)) {
            result.m_separator = c;
        } else {
            return std::nullopt;
        }
        i += run;
    }
    if (fields != 3 || result.m_separator.isNull())
        return std::nullopt;
    return result;
}

QString NumericDateFormat::format(const QDate& date) const
{
    QString out;
    out.reserve(10);
    for (const Field& field : m_fields) {
        if (!out.isEmpty())
            out.append(m_separator);
        const int value = field.kind == 'd' ? date.day() : field.kind == 'M' ? date.month() : date.year();
        appendNumber(out, value, field.width);
    }
    return out;
}

std::optional<QDate> NumericDateFormat::parse(QStringView text, std::optional<QDate> notAfter) const
{
    const auto groups = digitGroups(text, m_separator);
    if (!groups || groups->size() != 3)
        return std::nullopt;
    int day = 0, month = 0, year = 0, yearDigits = 0;
    for (int i = 0; i < 3; ++i) {
        const DigitGroup& group = groups->at(i);
        if (m_fields[i].kind == 'y') {
            year = group.value;
            yearDigits = group.digits;
        } else if (group.digits <= 2) {
            (m_fields[i].kind == 'd' ? day : month) = group.value;
        }
    }
    if (yearDigits != 2 && yearDigits != 4)
        return std::nullopt;
    const QDate date = yearDigits == 2 ? dateWithTwoDigitYear(year, month, day, notAfter) : QDate(year, month, day);
    if (!date.isValid())
        return std::nullopt;
    return date;
}

const NumericDateFormat& recordDateFormat()
{
    static const NumericDateFormat format = *NumericDateFormat::from(QStringLiteral("dd.MM.yyyy"));
    return format;
}

QDate dateWithTwoDigitYear(int twoDigitYear, int month, int day, std::optional<QDate> notAfter)
{
    const QDate windowed(twoDigitYear < 30 ? 2000 + twoDigitYear : 1900 + twoDigitYear, month, day);
    if (notAfter && windowed > *notAfter)
        return QDate(windowed.year() - 100, month, day);
    return windowed;
}

std::optional<QTime> parseNumericTime(QStringView text, QChar separator)
{
    const auto groups = digitGroups(text, separator);
    if (!groups || groups->size() > 3)
        return std::nullopt;
    QTime time;
    if (groups->size() == 1) {
        const DigitGroup& run = groups->at(0);
        if (run.digits >= 3)
            time = QTime(run.value / 100, run.value % 100);
    } else if (groups->at(0).digits <= 2 &&
               std::all_of(groups->begin() + 1, groups->end(), [](const DigitGroup& g) { return g.digits == 2; })) {
        time = QTime(groups->at(0).value, groups->at(1).value, groups->size() == 3 ? groups->at(2).value : 0);
    }
    if (!time.isValid())
        return std::nullopt;
    return time;
}

QString formatHourMinute(const QTime& time, QChar separator)
{
    QString out;
    out.reserve(5);
    appendNumber(out, time.hour(), 2);
    out.append(separator);
    appendNumber(out, time.minute(), 2);
    return out;
}

} // namespace dates
