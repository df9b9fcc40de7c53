#include "import/layouts.h"

#include "import/text_cuts.h"

namespace import {

using cuts::find;
using cuts::findLast;
using cuts::int16;
using cuts::left;
using cuts::mid;
using cuts::right;

namespace {

const QString kSpace = QStringLiteral(" ");

// The text from the given start up to, not including, the next stop; fails when no stop follows.
QString cutUntil(const QString& line, qint16 start, const QString& stop)
{
    const QString tail = mid(line, start);
    return left(tail, int16(find(tail, stop) - 1));
}

// Line 2: "Given Surname," (its last character is dropped before the surname is cut).
// Line 3: "Sex F 12/24/1960 #4711".
ImportedRecord cutThreeLine(const ImportLines& lines, const QString& date)
{
    QString names = lines.line(2);
    const QString& data = lines.line(3);

    ImportedRecord record;
    record.name = left(names, int16(find(names, kSpace) - 1));
    names = left(names, names.size() - 1);
    record.surname = right(names, names.size() - findLast(names, kSpace));
    record.id = right(data, data.size() - findLast(data, QStringLiteral("#")));
    const qint16 space = find(data, kSpace);
    record.gender = mid(data, int16(space + 1), 1);
    const qint16 tokenStart = int16(space + 3);
    const qint16 tokenEnd = int16(find(data, QStringLiteral("#")) - 1);
    record.birthday = birthDateFromToken(mid(data, tokenStart, int16(tokenEnd - tokenStart)));
    record.date = date;
    return record;
}

// "Appointment: Surname, Given (F) #4711 12/24/1960 10:30"; Quickview data lines have the same form.
ImportedRecord cutAppointmentLine(const QString& line, const QString& date)
{
    ImportedRecord record;
    record.name = cutUntil(line, int16(find(line, QStringLiteral(",")) + 2), kSpace);
    record.surname = cutUntil(line, int16(find(line, QStringLiteral(":")) + 2), QStringLiteral(","));
    record.id = cutUntil(line, int16(find(line, QStringLiteral("#")) + 1), kSpace);
    record.gender = left(mid(line, int16(find(line, QStringLiteral(")")) - 1)), 1);
    record.birthday = birthDateFromToken(cutUntil(line, int16(find(line, QStringLiteral("/")) - 2), kSpace));
    record.date = date;
    return record;
}

} // namespace

Layout chooseLayout(const ImportLines& lines)
{
    const QString& deciding = lines.line(1).isEmpty() ? lines.line(2) : lines.line(1);
    if (deciding.startsWith(QStringLiteral("Quickview")))
        return Layout::Quickview;
    if (deciding.startsWith(QStringLiteral("Appointment")))
        return Layout::Appointment;
    return Layout::ThreeLine;
}

QString readerProcedureName(Layout layout)
{
    switch (layout) {
    case Layout::ThreeLine:
        return QStringLiteral("ImportData_1");
    case Layout::Quickview:
        return QStringLiteral("ImportData_2");
    case Layout::Appointment:
        return QStringLiteral("ImportData_3");
    }
    Q_UNREACHABLE();
}

ImportedRecord cutRecord(Layout layout, const ImportLines& lines, const QString& date)
{
    switch (layout) {
    case Layout::ThreeLine:
        return cutThreeLine(lines, date);
    case Layout::Quickview:
        return cutAppointmentLine(lines.line(2), date);
    case Layout::Appointment:
        return cutAppointmentLine(lines.line(1), date);
    }
    Q_UNREACHABLE();
}

QString birthDateFromToken(const QString& token)
{
    return mid(token, 4, 2) + QStringLiteral(".") + left(token, 2) + QStringLiteral(".") + right(token, 4);
}

} // namespace import
