#include "import/layouts.h"

#include "errors/runtime_error.h"
#include "import/text_cuts.h"

#include <QRegularExpression>

#include <algorithm>

namespace import {

using cuts::find;
using cuts::findLast;
using cuts::int16;
using cuts::left;
using cuts::mid;
using cuts::right;

namespace {

const QString kSpace = QStringLiteral(" ");
const QString kNameLine = QStringLiteral("name line");
const QString kDataLine = QStringLiteral("data line");

// The piece being cut, so that a failed cut can say in plain words what was wrong.
struct Piece
{
    QString line;         // "name line" or "data line"
    QString name;         // "first name", "surname", ...
    QString missing = {}; // what the line lacks when a separator is missing (error 5)

    errors::RuntimeError failure(const errors::RuntimeError& error) const
    {
        if (error.number() == errors::kOverflow)
            return {error.number(), QStringLiteral("The %1 is too long: the %2 or its separator lies beyond "
                                                   "position 32767")
                                        .arg(line, name)};
        return {error.number(), missing.isEmpty() ? error.description() : missing};
    }
};

void requireLines(const ImportLines& lines, int needed, const QString& layout)
{
    if (lines.count() < needed)
        throw errors::RuntimeError(errors::kInputPastEndOfFile,
                                   QStringLiteral("The text has only %1 of the %2 lines the %3 layout needs")
                                       .arg(lines.count())
                                       .arg(needed)
                                       .arg(layout));
}

// The readers count lines from the top of the text, so a leading empty line, which the user
// hardly sees, moves every piece; a failure then says so.
template <typename Cut> ImportedRecord cutCountingFromLineOne(const ImportLines& lines, Cut&& cut)
{
    try {
        return cut();
    } catch (const errors::RuntimeError& error) {
        if (lines.count() == 0 || !lines.line(1).isEmpty())
            throw;
        throw errors::RuntimeError(error.number(), error.description() + QStringLiteral("; the text begins with an "
                                                                                        "empty line, which counts "
                                                                                        "as line 1"));
    }
}

// Editors and mail programs leave blanks and tabs at line ends; they belong to no piece.
QString withoutTrailingBlanks(const QString& line)
{
    qsizetype end = line.size();
    while (end > 0 && (line.at(end - 1) == u' ' || line.at(end - 1) == u'\t'))
        --end;
    return line.left(end);
}

// The name line ends with a comma (or a stray dot) after the surname; a last letter, digit or
// combining mark is part of the surname. A character outside the 16-bit range goes whole.
QString withoutClosingMark(const QString& names)
{
    const qsizetype size = names.size();
    if (size == 0)
        return names;
    qsizetype width = 1;
    char32_t last = names.back().unicode();
    if (size > 1 && names.back().isLowSurrogate() && names.at(size - 2).isHighSurrogate()) {
        width = 2;
        last = QChar::surrogateToUcs4(names.at(size - 2), names.back());
    }
    return QChar::isLetterOrNumber(last) || QChar::isMark(last) ? names : names.left(size - width);
}

// The text from the given start up to, not including, the next stop; fails when no stop follows.
QString cutUntil(const QString& line, qint16 start, const QString& stop)
{
    const QString tail = mid(line, start);
    return left(tail, int16(find(tail, stop) - 1));
}

// "Surname, Given (F) #4711 12/24/1960 10:30", after "Appointment:" or "Patient:".
ImportedRecord cutDataLine(const QString& line, const QString& date)
{
    ImportedRecord record;
    Piece piece;
    try {
        piece = {kDataLine, QStringLiteral("first name"),
                 QStringLiteral("The data line has no space after the first name")};
        record.name = cutUntil(line, int16(find(line, QStringLiteral(",")) + 2), kSpace);
        piece = {kDataLine, QStringLiteral("surname"), QStringLiteral("The data line has no comma after the surname")};
        record.surname = cutUntil(line, int16(find(line, QStringLiteral(":")) + 2), QStringLiteral(","));
        piece = {kDataLine, QStringLiteral("patient ID"),
                 QStringLiteral("The data line has no space after the patient ID")};
        record.id = cutUntil(line, int16(find(line, QStringLiteral("#")) + 1), kSpace);
        piece = {kDataLine, QStringLiteral("gender"),
                 QStringLiteral("The data line has no gender letter before a ')'")};
        record.gender = left(mid(line, int16(find(line, QStringLiteral(")")) - 1)), 1);
        piece = {kDataLine, QStringLiteral("date of birth"),
                 line.indexOf(u'/') >= 2 ? QStringLiteral("The data line has no space after the date of birth")
                                         : QStringLiteral("The data line has no date of birth (month/day/year) "
                                                          "after its second character")};
        record.birthday = birthDateFromToken(cutUntil(line, int16(find(line, QStringLiteral("/")) - 2), kSpace));
    } catch (const errors::RuntimeError& error) {
        throw piece.failure(error);
    }
    record.date = date;
    return record;
}

} // namespace

const QList<LayoutReader>& layoutReaders()
{
    static const QList<LayoutReader> readers = {
        {QStringLiteral("Quickview"), QStringLiteral("ImportData_2"), cutQuickview},
        {QStringLiteral("Appointment"), QStringLiteral("ImportData_3"), cutAppointment},
        {QString(), QStringLiteral("ImportData_1"), cutThreeLine},
    };
    return readers;
}

const LayoutReader& layoutReadBy(const QString& procedure)
{
    for (const LayoutReader& reader : layoutReaders()) {
        if (reader.procedure == procedure)
            return reader;
    }
    throw errors::RuntimeError(errors::kInvalidProcedureCall,
                               QStringLiteral("No import layout is read by %1").arg(procedure));
}

const LayoutReader& chooseLayout(const ImportLines& lines)
{
    bool blank = true;
    for (int number = 1; blank && number <= lines.count(); ++number)
        blank = std::all_of(lines.line(number).begin(), lines.line(number).end(), [](QChar c) { return c.isSpace(); });
    if (blank)
        throw errors::RuntimeError(errors::kInputPastEndOfFile, QStringLiteral("The text is empty"));
    const QString& deciding = lines.line(1).isEmpty() ? lines.line(2) : lines.line(1);
    const QList<LayoutReader>& readers = layoutReaders();
    return *std::find_if(readers.begin(), readers.end(), [&](const LayoutReader& reader) {
        return reader.keyword.isEmpty() || deciding.startsWith(reader.keyword);
    });
}

void refuseSeveralPatients(const ImportLines& lines)
{
    static const QRegularExpression dataLine(
        QStringLiteral("^\\s*(?:Quickview\\s+)?(?:Patient|Appointment):[^#]*#([^ ]+)"));
    QStringList ids;
    for (int number = 1; number <= lines.count(); ++number) {
        const QRegularExpressionMatch match = dataLine.match(lines.line(number));
        if (match.hasMatch() && !ids.contains(match.captured(1)))
            ids.append(match.captured(1));
    }
    if (ids.size() > 1)
        throw errors::RuntimeError(errors::kInvalidProcedureCall,
                                   QStringLiteral("The text holds more than one patient (#%1); paste one patient at "
                                                  "a time")
                                       .arg(ids.join(QStringLiteral(", #"))));
}

// Line 2: "Given Surname,". Line 3: "Sex F 12/24/1960 #4711".
ImportedRecord cutThreeLine(const ImportLines& lines, const QString& date)
{
    return cutCountingFromLineOne(lines, [&] {
        requireLines(lines, 3, QStringLiteral("three-line"));
        QString names = withoutTrailingBlanks(lines.line(2));
        const QString data = withoutTrailingBlanks(lines.line(3));
        ImportedRecord record;
        Piece piece;
        try {
            piece = {kNameLine, QStringLiteral("first name"),
                     QStringLiteral("The name line has no space between first name and surname")};
            record.name = left(names, int16(find(names, kSpace) - 1));
            names = withoutClosingMark(names);
            piece = {kNameLine, QStringLiteral("surname")};
            record.surname = right(names, names.size() - findLast(names, kSpace));
            piece = {kDataLine, QStringLiteral("patient ID")};
            record.id = right(data, data.size() - findLast(data, QStringLiteral("#")));
            piece = {kDataLine, QStringLiteral("gender")};
            const qint16 space = find(data, kSpace);
            record.gender = mid(data, int16(space + 1), 1);
            piece = {kDataLine, QStringLiteral("date of birth"),
                     data.contains(u'#') ? QStringLiteral("The data line has its '#' before the date of birth")
                                         : QStringLiteral("The data line has no '#' before the patient ID")};
            const qint16 tokenStart = int16(space + 3);
            const qint16 tokenEnd = int16(find(data, QStringLiteral("#")) - 1);
            record.birthday = birthDateFromToken(mid(data, tokenStart, int16(tokenEnd - tokenStart)));
        } catch (const errors::RuntimeError& error) {
            throw piece.failure(error);
        }
        record.date = date;
        return record;
    });
}

ImportedRecord cutQuickview(const ImportLines& lines, const QString& date)
{
    return cutCountingFromLineOne(lines, [&] {
        requireLines(lines, 2, QStringLiteral("Quickview"));
        return cutDataLine(lines.line(2), date);
    });
}

ImportedRecord cutAppointment(const ImportLines& lines, const QString& date)
{
    return cutCountingFromLineOne(lines, [&] { return cutDataLine(lines.line(1), date); });
}

QString birthDateFromToken(const QString& token)
{
    static const QRegularExpression monthFirst(QStringLiteral("^([0-9]{1,2})/([0-9]{1,2})/([0-9]{4})$"));
    const QRegularExpressionMatch match = monthFirst.match(token);
    const QString t = match.hasMatch() ? QStringLiteral("%1/%2/%3")
                                             .arg(match.captured(1), 2, u'0')
                                             .arg(match.captured(2), 2, u'0')
                                             .arg(match.captured(3))
                                       : token;
    return mid(t, 4, 2) + QStringLiteral(".") + left(t, 2) + QStringLiteral(".") + right(t, 4);
}

} // namespace import
