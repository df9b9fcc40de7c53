#include "import/layouts.h"

#include "import/import_timer.h"
#include "import/text_cuts.h"
#include "runtime_errors/runtime_error.h"

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
            return errors::lineTooLong(line, name);
        return missing.isEmpty() ? error : errors::invalidProcedureCall(missing);
    }
};

void requireLines(const ImportLines& lines, int needed, const QString& layout)
{
    if (lines.count() < needed)
        throw errors::tooFewLines(lines.count(), needed, layout);
}

// The readers count lines from the top of the text, so a leading empty line, which the user
// hardly sees, moves every piece; a failure then says so.
template <typename Cut> fields::RequestFields cutCountingFromLineOne(const ImportLines& lines, Cut&& cut)
{
    try {
        return cut();
    } catch (const errors::RuntimeError& error) {
        if (lines.count() == 0 || !lines.line(1).isEmpty())
            throw;
        throw errors::withContext(error,
                                  QStringLiteral("%1; the text begins with an empty line, which counts as line 1"));
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

// The patient ID follows the data line's one '#'. Without it the cuts would take other text for
// the ID, the same for every such patient; with two the ID would be a guess.
qint16 patientIdMark(const QString& line)
{
    const qsizetype marks = line.count(u'#');
    if (marks == 0)
        throw errors::invalidProcedureCall(QStringLiteral("The data line has no '#' before the patient ID"));
    if (marks > 1)
        throw errors::invalidProcedureCall(
            QStringLiteral("The data line has more than one '#', so its patient ID is ambiguous"));
    return find(line, QStringLiteral("#"));
}

// "Surname, Given (F) #4711 12/24/1960 10:30", after "Appointment:" or "Patient:".
fields::RequestFields cutDataLine(const QString& line, const QString& date)
{
    fields::RequestFields record;
    Piece piece;
    try {
        piece = {kDataLine, QStringLiteral("first name"),
                 QStringLiteral("The data line has no space after the first name")};
        record.firstName = cutUntil(line, int16(find(line, QStringLiteral(",")) + 2), kSpace);
        piece = {kDataLine, QStringLiteral("surname"), QStringLiteral("The data line has no comma after the surname")};
        record.surname = cutUntil(line, int16(find(line, QStringLiteral(":")) + 2), QStringLiteral(","));
        piece = {kDataLine, QStringLiteral("patient ID")};
        const qint16 mark = patientIdMark(line);
        piece.missing = QStringLiteral("The data line has no space after the patient ID");
        record.patientId = cutUntil(line, int16(mark + 1), kSpace);
        piece = {kDataLine, QStringLiteral("gender"),
                 QStringLiteral("The data line has no gender letter before a ')'")};
        record.gender = left(mid(line, int16(find(line, QStringLiteral(")")) - 1)), 1);
        piece = {kDataLine, QStringLiteral("date of birth"),
                 line.indexOf(u'/') >= 2 ? QStringLiteral("The data line has no space after the date of birth")
                                         : QStringLiteral("The data line has no date of birth (month/day/year) "
                                                          "after its second character")};
        record.birthDate = birthDateFromToken(cutUntil(line, int16(find(line, QStringLiteral("/")) - 2), kSpace));
    } catch (const errors::RuntimeError& error) {
        throw piece.failure(error);
    }
    record.examinationDate = date;
    return record;
}

// The three-line layout's name line "Given Surname," and data line "Sex F 12/24/1960 #4711".
fields::RequestFields cutNamesAndData(const QString& nameLine, const QString& dataLine, const QString& date)
{
    QString names = withoutTrailingBlanks(nameLine);
    const QString data = withoutTrailingBlanks(dataLine);
    fields::RequestFields record;
    Piece piece;
    try {
        piece = {kNameLine, QStringLiteral("first name"),
                 QStringLiteral("The name line has no space between first name and surname")};
        record.firstName = left(names, int16(find(names, kSpace) - 1));
        names = withoutClosingMark(names);
        piece = {kNameLine, QStringLiteral("surname")};
        record.surname = right(names, names.size() - findLast(names, kSpace));
        piece = {kDataLine, QStringLiteral("patient ID")};
        const qint16 mark = patientIdMark(data);
        record.patientId = right(data, data.size() - mark);
        piece = {kDataLine, QStringLiteral("gender")};
        const qint16 space = find(data, kSpace);
        record.gender = mid(data, int16(space + 1), 1);
        piece = {kDataLine, QStringLiteral("date of birth"),
                 QStringLiteral("The data line has its '#' before the date of birth")};
        const qint16 tokenStart = int16(space + 3);
        const qint16 tokenEnd = int16(mark - 1);
        record.birthDate = birthDateFromToken(mid(data, tokenStart, int16(tokenEnd - tokenStart)));
    } catch (const errors::RuntimeError& error) {
        throw piece.failure(error);
    }
    record.examinationDate = date;
    return record;
}

// How a refusal names the patient of a data line: the text after its first '#' up to a space.
QString patientLabel(const QString& line)
{
    const qsizetype mark = line.indexOf(u'#');
    if (mark < 0)
        return QStringLiteral("no ID");
    return QStringLiteral("#") + line.mid(mark + 1).section(u' ', 0, 0);
}

// The layouts and their readers, one row each: keyword, reader's name, the line that holds the
// patient ID, cut, reader.
struct Layouts
{
    LayoutReader threeLine, quickview, appointment;
};

const Layouts& layouts()
{
    // clang-format off
    static const Layouts table = {
        {QString(),                     QStringLiteral("ImportData_1"), 3, cutThreeLine,   ImportData_1},
        {QStringLiteral("Quickview"),   QStringLiteral("ImportData_2"), 2, cutQuickview,   ImportData_2},
        {QStringLiteral("Appointment"), QStringLiteral("ImportData_3"), 1, cutAppointment, ImportData_3},
    };
    // clang-format on
    return table;
}

} // namespace

const LayoutReader& threeLineLayout()
{
    return layouts().threeLine;
}

const LayoutReader& quickviewLayout()
{
    return layouts().quickview;
}

const LayoutReader& appointmentLayout()
{
    return layouts().appointment;
}

const LayoutReader& chooseLayout(const ImportLines& lines)
{
    bool blank = true;
    for (int number = 1; blank && number <= lines.count(); ++number)
        blank = std::all_of(lines.line(number).begin(), lines.line(number).end(), [](QChar c) { return c.isSpace(); });
    if (blank)
        throw errors::emptyText();
    const QString& deciding = lines.line(1).isEmpty() ? lines.line(2) : lines.line(1);
    for (const LayoutReader* layout : {&quickviewLayout(), &appointmentLayout()}) {
        if (deciding.startsWith(layout->keyword))
            return *layout;
    }
    return threeLineLayout();
}

void refuseSeveralPatients(const ImportLines& lines, const LayoutReader& layout)
{
    static const QRegularExpression keywordDataLine(QStringLiteral("^\\s*(?:Quickview\\s+)?(?:Patient|Appointment):"));
    fields::RequestFields patient;
    try {
        patient = layout.cut(lines, QString());
    } catch (const errors::RuntimeError&) {
        return; // the layout's reader says what the text lacks
    }
    QList<fields::RequestFields> others;
    QStringList ids = {patientLabel(lines.line(layout.dataLine))};
    for (int number = layout.dataLine + 1; number <= lines.count(); ++number) {
        const QString& line = lines.line(number);
        const bool keyword = keywordDataLine.match(line).hasMatch();
        // The three-line layout's data lines carry no keyword: a '#' marks them.
        if (!keyword && !(layout.keyword.isEmpty() && line.contains(u'#')))
            continue;
        try {
            const fields::RequestFields other =
                keyword ? cutDataLine(line, QString()) : cutNamesAndData(lines.line(number - 1), line, QString());
            if (other == patient || others.contains(other))
                continue;
            others.append(other);
        } catch (const errors::RuntimeError&) {
            // A data line that cannot be read may be anyone's.
        }
        ids.append(patientLabel(line));
    }
    if (ids.size() > 1)
        throw errors::invalidProcedureCall(
            QStringLiteral("The text holds more than one patient (%1); paste one patient at a time")
                .arg(ids.join(QStringLiteral(", "))));
}

// Line 2: "Given Surname,". Line 3: "Sex F 12/24/1960 #4711".
fields::RequestFields cutThreeLine(const ImportLines& lines, const QString& date)
{
    return cutCountingFromLineOne(lines, [&] {
        requireLines(lines, 3, QStringLiteral("three-line"));
        return cutNamesAndData(lines.line(2), lines.line(3), date);
    });
}

fields::RequestFields cutQuickview(const ImportLines& lines, const QString& date)
{
    return cutCountingFromLineOne(lines, [&] {
        requireLines(lines, 2, QStringLiteral("Quickview"));
        return cutDataLine(lines.line(2), date);
    });
}

fields::RequestFields cutAppointment(const ImportLines& lines, const QString& date)
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
