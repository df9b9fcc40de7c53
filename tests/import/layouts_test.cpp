#include "errors/runtime_error.h"
#include "import/layouts.h"
#include "support/qstring_printer.h"

#include <gtest/gtest.h>

namespace {

using namespace import;

struct Row
{
    const char* what;
    QString file;
    const char* expected; // "<reader>: id|name|surname|birthday|gender", or "<procedure>: #<error>"
};

// What an import of the file gives: the reader chosen and its pieces or its error number.
QString importOf(const QString& file)
{
    const ImportLines lines(file);
    QString procedure = QStringLiteral("CreateTextfile");
    try {
        const Layout layout = chooseLayout(lines);
        procedure = readerProcedureName(layout);
        const ImportedRecord r = cutRecord(layout, lines, QStringLiteral("06.12.2026"));
        EXPECT_EQ(r.date, QStringLiteral("06.12.2026"));
        return procedure + QStringLiteral(": ") + QStringList{r.id, r.name, r.surname, r.birthday, r.gender}.join(u'|');
    } catch (const errors::RuntimeError& error) {
        return procedure + QStringLiteral(": #%1").arg(error.number());
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
        {"empty file", QString(), "CreateTextfile: #62"},
        {"one empty line", QStringLiteral("\r\n"), "CreateTextfile: #62"},
        {"only line breaks", QStringLiteral("\r\n\r\n\r\n"), "ImportData_1: #5"},
        {"two line breaks", QStringLiteral("\r\n\r\n"), "ImportData_1: #62"},
    });
}

TEST(ThreeLineLayout, CutsNamesFromLineTwoAndTheRestFromLineThree)
{
    const QString head = QStringLiteral("Header\r\nGiven Surname,\r\n");
    expectImports({
        {"worked example", head + QStringLiteral("Sex F 12/24/1960 #4711\r\n"),
         "ImportData_1: 4711|Given|Surname|24.12.1960|F"},
        {"two # on line 3", head + QStringLiteral("Sex F 12/24/1960 #4711 #99"),
         "ImportData_1: 99|Given|Surname|24.12.1960|F"},
        {"no space before #", head + QStringLiteral("Sex F 12/24/1960#4711"),
         "ImportData_1: 4711|Given|Surname|24.12./196|F"},
        {"day-first token", head + QStringLiteral("Sex F 24.12.1960 #4711"),
         "ImportData_1: 4711|Given|Surname|12.24.1960|F"},
        {"gender outside the list", head + QStringLiteral("Sex W 12/24/1960 #4711"),
         "ImportData_1: 4711|Given|Surname|24.12.1960|W"},
        {"# right after the token start", head + QStringLiteral("Sex F x#1"), "ImportData_1: 1|Given|Surname|..|F"},
        {"no space on line 3", head + QStringLiteral("F12/24/1960x#4711"),
         "ImportData_1: 4711|Given|Surname|4/.2/.1960|F"},
        {"no # on line 3", head + QStringLiteral("Sex F 12/24/1960"), "ImportData_1: #5"},
        {"# before the token", head + QStringLiteral("Sex F #4711"), "ImportData_1: #5"},
        {"no trailing character", QStringLiteral("H\r\nGiven Surname\r\nSex F 12/24/1960 #4711"),
         "ImportData_1: 4711|Given|Surnam|24.12.1960|F"},
        {"single word, trailing space", QStringLiteral("H\r\nGiven \r\nSex F 12/24/1960 #4711"),
         "ImportData_1: 4711|Given|Given|24.12.1960|F"},
        {"no space on line 2", QStringLiteral("H\r\nGiven\r\nSex F 12/24/1960 #4711"), "ImportData_1: #5"},
        {"two lines", head, "ImportData_1: #62"},
        {"# beyond position 32767", head + QStringLiteral("Sex F 12/24/1960 ") + QString(32767, u'x') + u'#',
         "ImportData_1: #6"},
    });
}

TEST(ThreeLineLayout, LongLinesWithEarlySeparatorsAreNotOverflows)
{
    const QString longSurname(40000, u'x');
    EXPECT_EQ(importOf(QStringLiteral("H\r\nGiven ") + longSurname + QStringLiteral(",\r\nSex F 12/24/1960 #4711")),
              QStringLiteral("ImportData_1: 4711|Given|%1|24.12.1960|F").arg(longSurname));
}

TEST(AppointmentLayout, CutsEverythingFromLineOne)
{
    expectImports({
        {"worked example", QStringLiteral("Appointment: ") + kDataLine,
         "ImportData_3: 4711|Given|Surname|24.12.1960|F"},
        {"date at the end of the line", QStringLiteral("Appointment: Surname, Given (F) #4711 12/24/1960"),
         "ImportData_3: #5"},
        {"no #", QStringLiteral("Appointment: Surname, Given (F) 12/24/1960 10:30"),
         "ImportData_3: Appointment:|Given|Surname|24.12.1960|F"},
        {"no )", QStringLiteral("Appointment: Surname, Given F #4711 12/24/1960 10:30"), "ImportData_3: #5"},
        {"empty first line", QStringLiteral("\r\nAppointment: ") + kDataLine, "ImportData_3: #5"},
    });
}

TEST(QuickviewLayout, CutsLineTwoLikeAnAppointmentLine)
{
    expectImports({
        {"worked example", QStringLiteral("Quickview\r\nPatient: ") + kDataLine,
         "ImportData_2: 4711|Given|Surname|24.12.1960|F"},
        {"no colon", QStringLiteral("Quickview\r\nSurname, Given (F) #4711 12/24/1960 more"),
         "ImportData_2: 4711|Given|urname|24.12.1960|F"},
        {"only a later colon", QStringLiteral("Quickview\r\n") + kDataLine, "ImportData_2: #5"},
        {"/ at position 2", QStringLiteral("Quickview\r\nS/: Surname, Given (F) #4711 12/24/1960 10:30"),
         "ImportData_2: #5"},
        {"one line", QStringLiteral("Quickview\r\n"), "ImportData_2: #62"},
        {"empty first line", QStringLiteral("\r\nQuickview Patient: ") + kDataLine,
         "ImportData_2: 4711|Given|Surname|24.12.1960|F"},
    });
}

} // namespace
