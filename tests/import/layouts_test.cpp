#include "import/layouts.h"
#include "runtime_errors/runtime_error.h"
#include "support/qstring_printer.h"

#include <gtest/gtest.h>

namespace {

using namespace import;

struct Row
{
    const char* what;
    QString file;
    const char* expected; // "<reader>: id|name|surname|birthday|gender", or "<procedure>: #<error> <description>"
};

// What an import of the file gives: the reader chosen and its pieces or its error.
QString importOf(const QString& file)
{
    const ImportLines lines(file);
    QString procedure = QStringLiteral("CreateTextfile");
    try {
        const LayoutReader& layout = chooseLayout(lines);
        refuseSeveralPatients(lines, layout);
        procedure = layout.procedure;
        const fields::RequestFields r = layout.cut(lines, QStringLiteral("06.12.2026"));
        EXPECT_EQ(r.examinationDate, QStringLiteral("06.12.2026"));
        return procedure + QStringLiteral(": ") +
               QStringList{r.patientId, r.firstName, r.surname, r.birthDate, r.gender}.join(u'|');
    } catch (const errors::RuntimeError& error) {
        return procedure + QStringLiteral(": #%1 %2").arg(error.number()).arg(error.description());
    }
}

void expectImports(std::initializer_list<Row> rows)
{
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        EXPECT_EQ(importOf(row.file), QString::fromUtf8(row.expected));
    }
}

const QString kDataLine = QStringLiteral("Surname, Given (F) #4711 12/24/1960 10:30");

TEST(LayoutChoice, KeywordsAreCaseSensitiveOnTheDecidingLine)
{
    const QString threeLine = QStringLiteral("\r\nGiven Surname,\r\nSex F 12/24/1960 #4711");
    expectImports({
        {"quickview in lower case", QStringLiteral("quickview") + threeLine,
         "ImportData_1: 4711|Given|Surname|24.12.1960|F"},
        {"QUICKVIEW in upper case", QStringLiteral("QUICKVIEW") + threeLine,
         "ImportData_1: 4711|Given|Surname|24.12.1960|F"},
        {"keyword cut short", QStringLiteral("Appointmen") + threeLine,
         "ImportData_1: 4711|Given|Surname|24.12.1960|F"},
        {"empty file", QString(), "CreateTextfile: #62 The text is empty"},
        {"one empty line", QStringLiteral("\r\n"), "CreateTextfile: #62 The text is empty"},
        {"only line breaks", QStringLiteral("\r\n\r\n\r\n"), "CreateTextfile: #62 The text is empty"},
        {"only blanks, tabs and non-breaking spaces", QStringLiteral(" \t\r\n\u00A0\r\n"),
         "CreateTextfile: #62 The text is empty"},
    });
}

TEST(ThreeLineLayout, CutsNamesFromLineTwoAndTheRestFromLineThree)
{
    const QString head = QStringLiteral("Header\r\nGiven Surname,\r\n");
    expectImports({
        {"worked example", head + QStringLiteral("Sex F 12/24/1960 #4711\r\n"),
         "ImportData_1: 4711|Given|Surname|24.12.1960|F"},
        {"no space before #", head + QStringLiteral("Sex F 12/24/1960#4711"),
         "ImportData_1: 4711|Given|Surname|24.12./196|F"},
        {"day-first token", head + QStringLiteral("Sex F 24.12.1960 #4711"),
         "ImportData_1: 4711|Given|Surname|12.24.1960|F"},
        {"one-digit month and day", head + QStringLiteral("Sex F 1/5/1960 #4711"),
         "ImportData_1: 4711|Given|Surname|05.01.1960|F"},
        {"gender outside the list", head + QStringLiteral("Sex W 12/24/1960 #4711"),
         "ImportData_1: 4711|Given|Surname|24.12.1960|W"},
        {"# right after the token start", head + QStringLiteral("Sex F x#1"), "ImportData_1: 1|Given|Surname|..|F"},
        {"no space on line 3: the token is 2/24/1960", head + QStringLiteral("F12/24/1960x#4711"),
         "ImportData_1: 4711|Given|Surname|24.02.1960|F"},
        {"trailing blanks and tabs on lines 2 and 3",
         QStringLiteral("H\r\nAnna Meier,  \t\r\nSex F 12/24/1960 #4711 \t "),
         "ImportData_1: 4711|Anna|Meier|24.12.1960|F"},
        {"no comma after the surname", QStringLiteral("H\r\nGiven Surname\r\nSex F 12/24/1960 #4711"),
         "ImportData_1: 4711|Given|Surname|24.12.1960|F"},
        {"stray dot after the surname", QStringLiteral("H\r\nGiven Surname.\r\nSex F 12/24/1960 #4711"),
         "ImportData_1: 4711|Given|Surname|24.12.1960|F"},
        {"surname ending in a combining mark", QStringLiteral("H\r\nAnna Zoe\u0308\r\nSex F 12/24/1960 #4711"),
         "ImportData_1: 4711|Anna|Zoe\u0308|24.12.1960|F"},
        {"symbol outside 16 bits after the surname",
         QStringLiteral("H\r\nAnna Meier") + QString::fromUcs4(U"\U0001F600") + QStringLiteral("\r\nSex F 1/5/1960 #1"),
         "ImportData_1: 1|Anna|Meier|05.01.1960|F"},
        {"empty first line, names on line 2", QStringLiteral("\r\nGiven Surname,\r\nSex F 12/24/1960 #4711"),
         "ImportData_1: 4711|Given|Surname|24.12.1960|F"},
    });
}

TEST(AppointmentLayout, CutsEverythingFromLineOne)
{
    expectImports({
        {"worked example", QStringLiteral("Appointment: ") + kDataLine,
         "ImportData_3: 4711|Given|Surname|24.12.1960|F"},
        {"one-digit day", QStringLiteral("Appointment: Surname, Given (F) #4711 12/5/1960 10:30"),
         "ImportData_3: 4711|Given|Surname|05.12.1960|F"},
    });
}

TEST(QuickviewLayout, CutsLineTwoLikeAnAppointmentLine)
{
    expectImports({
        {"worked example", QStringLiteral("Quickview\r\nPatient: ") + kDataLine,
         "ImportData_2: 4711|Given|Surname|24.12.1960|F"},
        {"no colon", QStringLiteral("Quickview\r\nSurname, Given (F) #4711 12/24/1960 more"),
         "ImportData_2: 4711|Given|urname|24.12.1960|F"},
        {"empty first line", QStringLiteral("\r\nQuickview Patient: ") + kDataLine,
         "ImportData_2: 4711|Given|Surname|24.12.1960|F"},
    });
}

// Every failure keeps its number and says what the text lacks.
TEST(ImportFailures, SayInPlainWordsWhatIsWrong)
{
    const QString head = QStringLiteral("Header\r\nGiven Surname,\r\n");
    expectImports({
        {"two lines", head, "ImportData_1: #62 The text has only 2 of the 3 lines the three-line layout needs"},
        {"an empty line and a blank one", QStringLiteral("\r\n \r\nSex F 12/24/1960 #4711"),
         "ImportData_1: #5 Invalid procedure call or argument: The name line has no space between first name and "
         "surname; the text begins with an empty line, which counts as line 1"},
        {"empty first line, two lines", QStringLiteral("\r\nGiven Surname,\r\n"),
         "ImportData_1: #62 The text has only 2 of the 3 lines the three-line layout needs; the text begins with "
         "an empty line, which counts as line 1"},
        {"empty first line moves the names to line 3",
         QStringLiteral("\r\nHeader\r\nGiven Surname,\r\nSex F 12/24/1960 #4711"),
         "ImportData_1: #5 Invalid procedure call or argument: The name line has no space between first name and "
         "surname; the text begins with an empty line, which counts as line 1"},
        {"single word and a trailing space", QStringLiteral("H\r\nGiven \r\nSex F 12/24/1960 #4711"),
         "ImportData_1: #5 Invalid procedure call or argument: The name line has no space between first name and "
         "surname"},
        {"no # on line 3", head + QStringLiteral("Sex F 12/24/1960"),
         "ImportData_1: #5 Invalid procedure call or argument: The data line has no '#' before the patient ID"},
        {"Appointment: no #", QStringLiteral("Appointment: Surname, Given (F) 12/24/1960 10:30"),
         "ImportData_3: #5 Invalid procedure call or argument: The data line has no '#' before the patient ID"},
        {"Quickview: no #", QStringLiteral("Quickview\r\nPatient: Surname, Given (F) 12/24/1960 10:30"),
         "ImportData_2: #5 Invalid procedure call or argument: The data line has no '#' before the patient ID"},
        {"two # on line 3", head + QStringLiteral("Sex F 12/24/1960 #4711 Kasse #2"),
         "ImportData_1: #5 Invalid procedure call or argument: The data line has more than one '#', so its patient ID "
         "is ambiguous"},
        {"Appointment: two #", QStringLiteral("Appointment: Surname, Given (F) #4711 12/24/1960 10:30 #2"),
         "ImportData_3: #5 Invalid procedure call or argument: The data line has more than one '#', so its patient ID "
         "is ambiguous"},
        {"# before the token", head + QStringLiteral("Sex F #4711"),
         "ImportData_1: #5 Invalid procedure call or argument: The data line has its '#' before the date of birth"},
        {"Appointment: date at the end of the line", QStringLiteral("Appointment: Surname, Given (F) #4711 12/24/1960"),
         "ImportData_3: #5 Invalid procedure call or argument: The data line has no space after the date of birth"},
        {"Appointment: no )", QStringLiteral("Appointment: Surname, Given F #4711 12/24/1960 10:30"),
         "ImportData_3: #5 Invalid procedure call or argument: The data line has no gender letter before a ')'"},
        {"Appointment: no comma, so the first name starts at position 2",
         QStringLiteral("Appointment: Surname Given (F) #4711 12/24/1960 10:30"),
         "ImportData_3: #5 Invalid procedure call or argument: The data line has no comma after the surname"},
        {"Appointment: empty first line", QStringLiteral("\r\nAppointment: ") + kDataLine,
         "ImportData_3: #5 Invalid procedure call or argument: The data line has no space after the first name; the "
         "text begins with an empty line, which counts as line 1"},
        {"Quickview: only a later colon", QStringLiteral("Quickview\r\n") + kDataLine,
         "ImportData_2: #5 Invalid procedure call or argument: The data line has no comma after the surname"},
        {"Quickview: / at position 2", QStringLiteral("Quickview\r\nS/: Surname, Given (F) #4711 12/24/1960 10:30"),
         "ImportData_2: #5 Invalid procedure call or argument: The data line has no date of birth (month/day/year) "
         "after its second character"},
        {"Quickview: one line", QStringLiteral("Quickview\r\n"),
         "ImportData_2: #62 The text has only 1 of the 2 lines the Quickview layout needs"},
    });
}

// A data line that gives another patient, or cannot be read, makes a second patient; the same
// patient again, or a line that is no data line, keeps importing.
TEST(OnePatientPerText, TextsWithTwoPatientsAreRefused)
{
    const QString appointment = QStringLiteral("Appointment: Surname, Given (F) #4711 12/24/1960 10:30\r\n");
    expectImports({
        {"two appointments", appointment + QStringLiteral("Appointment: Berg, Max (M) #42 01/02/1970 10:00"),
         "CreateTextfile: #5 Invalid procedure call or argument: The text holds more than one patient (#4711, #42); "
         "paste one patient at a time"},
        {"Quickview with two patients",
         QStringLiteral("Quickview\r\nPatient: ") + kDataLine + QStringLiteral("\r\n  Patient: Berg, Max (M) #42 x"),
         "CreateTextfile: #5 Invalid procedure call or argument: The text holds more than one patient (#4711, #42); "
         "paste one patient at a time"},
        {"an appointment after a three-line patient",
         QStringLiteral("H\r\nGiven Surname,\r\nSex F 12/24/1960 #1\r\nAppointment: B, M (M) #2 1/2/1970 x\r\n") +
             appointment,
         "CreateTextfile: #5 Invalid procedure call or argument: The text holds more than one patient (#1, #2, #4711); "
         "paste one patient at a time"},
        {"a second three-line patient",
         QStringLiteral("Header\r\nAnna Meier,\r\nSex F 12/24/1960 #4711\r\nKarl Schulz,\r\nSex M 01/02/1950 #4712"),
         "CreateTextfile: #5 Invalid procedure call or argument: The text holds more than one patient (#4711, #4712); "
         "paste one patient at a time"},
        {"two appointments with one ID", appointment + QStringLiteral("Appointment: Berg, Max (M) #4711 01/02/1970 x"),
         "CreateTextfile: #5 Invalid procedure call or argument: The text holds more than one patient (#4711, #4711); "
         "paste one patient at a time"},
        {"a second data line without #", appointment + QStringLiteral("Patient: Berg, Max (M) 01/02/1970 x"),
         "CreateTextfile: #5 Invalid procedure call or argument: The text holds more than one patient (#4711, no ID); "
         "paste one patient at a time"},
        {"the same patient twice", appointment + appointment, "ImportData_3: 4711|Given|Surname|24.12.1960|F"},
        {"the same patient at another time",
         appointment + QStringLiteral("Appointment: Surname, Given (F) #4711 12/24/1960 11:45"),
         "ImportData_3: 4711|Given|Surname|24.12.1960|F"},
        {"the same three-line patient twice",
         QStringLiteral(
             "H\r\nGiven Surname,\r\nSex F 12/24/1960 #4711\r\nH\r\nGiven Surname,\r\nSex F 12/24/1960 #4711"),
         "ImportData_1: 4711|Given|Surname|24.12.1960|F"},
        {"a second line that is no data line", appointment + QStringLiteral("Next: Berg, Max (M) #42 01/02/1970 x"),
         "ImportData_3: 4711|Given|Surname|24.12.1960|F"},
        {"lower-case keyword", appointment + QStringLiteral("appointment: Berg, Max (M) #42 01/02/1970 x"),
         "ImportData_3: 4711|Given|Surname|24.12.1960|F"},
    });
}

// Positions and their sums are 16-bit: a piece that starts or ends beyond position 32767 fails.
TEST(ImportFailures, SeparatorsBeyondPosition32767AreOverflows)
{
    const QString head = QStringLiteral("Header\r\nGiven Surname,\r\n");
    expectImports({
        {"three-line: # beyond 32767", head + QStringLiteral("Sex F 12/24/1960 ") + QString(32767, u'x') + u'#',
         "ImportData_1: #6 The data line is too long: the patient ID or its separator lies beyond position 32767"},
        {"Appointment: comma at 32766, first name at 32768",
         QStringLiteral("Appointment: ") + QString(32752, u'x') + QStringLiteral(", Given (F) #1 1/5/1960 x"),
         "ImportData_3: #6 The data line is too long: the first name or its separator lies beyond position 32767"},
        {"Appointment: / beyond 32767",
         QStringLiteral("Appointment: Surname, Given (F) #1 ") + QString(32767, u'x') + QStringLiteral("12/24/1960 x"),
         "ImportData_3: #6 The data line is too long: the date of birth or its separator lies beyond position "
         "32767"},
        {"Quickview: # at 32767, patient ID at 32768",
         QStringLiteral("Quickview\r\nPatient: Surname, Given (F) ") + QString(32738, u'x') +
             QStringLiteral("#4711 1/5/1960 x"),
         "ImportData_2: #6 The data line is too long: the patient ID or its separator lies beyond position 32767"},
    });
}

TEST(ThreeLineLayout, LongLinesWithEarlySeparatorsAreNotOverflows)
{
    const QString longSurname(40000, u'x');
    EXPECT_EQ(importOf(QStringLiteral("H\r\nGiven ") + longSurname + QStringLiteral(",\r\nSex F 12/24/1960 #4711")),
              QStringLiteral("ImportData_1: 4711|Given|%1|24.12.1960|F").arg(longSurname));
}

} // namespace
