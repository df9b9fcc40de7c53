#include "gdt/code_page_437.h"
#include "gdt/request_file.h"
#include "platform/clock.h"
#include "runtime_errors/runtime_error.h"
#include "support/qstring_printer.h"

#include <gtest/gtest.h>

#include <tuple>

namespace {

const dates::RegionalFormats kGerman{QLocale(QLocale::German, QLocale::Germany)};
const dates::RegionalFormats kAmerican{QLocale(QLocale::English, QLocale::UnitedStates)};
const dates::RegionalFormats kC{QLocale::c()};

fields::RequestFields exampleFields()
{
    fields::RequestFields fields;
    fields.patientId = "4711";
    fields.surname = "Meier";
    fields.firstName = "Anna";
    fields.birthDate = "12.03.1980";
    fields.gender = "F";
    fields.examinationDate = "06.12.2026";
    fields.examinationTime = "09:30";
    fields.referringPhysician = "Dr. Berg";
    return fields;
}

QByteArray lines(std::initializer_list<const char*> list)
{
    QByteArray out;
    for (const char* line : list)
        out += QByteArray(line) + "\r\n";
    return out;
}

TEST(RequestRecord, ExampleRecordComesOutByteForByte)
{
    const QByteArray expected =
        lines({"01380006302", "014810000170", "01092062", "014921802.01", "01330004711", "0143101Meier", "0133102Anna",
               "019310312.03.1980", "0103110F", "019878106.12.2026", "014878209:30", "0174603Dr. Berg"});
    const QByteArray record = gdt::buildRequestRecord(exampleFields(), false, kGerman);
    EXPECT_EQ(record, expected);
    EXPECT_EQ(record.size(), 170);
}

TEST(RequestRecord, RequestNeedsAPatientIdNameOrBirthDate)
{
    fields::RequestFields examinationOnly = exampleFields();
    examinationOnly.patientId = examinationOnly.surname = examinationOnly.firstName = examinationOnly.birthDate = "";
    examinationOnly.modality = "US";
    fields::RequestFields blanks;
    blanks.patientId = blanks.surname = blanks.firstName = blanks.birthDate = QString::fromUtf8(" \t\u00A0\u200B");
    for (const auto& [fields, what] :
         {std::pair{fields::RequestFields{}, "all empty"}, std::pair{examinationOnly, "examination data only"},
          std::pair{blanks, "blanks and invisible characters only"}}) {
        try {
            gdt::buildRequestRecord(fields, true, kGerman);
            ADD_FAILURE() << "no error for " << what;
        } catch (const errors::RuntimeError& error) {
            EXPECT_TRUE(error.description().contains("names no patient")) << qPrintable(error.description());
        }
    }
    fields::RequestFields idOnly;
    idOnly.patientId = "4711";
    EXPECT_EQ(gdt::buildRequestRecord(idOnly, true, kGerman),
              lines({"01380006302", "014810000064", "01092062", "014921802.01", "01330004711"}));
}

TEST(RequestRecord, ModalityLineOnlyWhenSwitchedOnAndFilled)
{
    fields::RequestFields fields;
    fields.patientId = "4711";
    fields.modality = "US";
    EXPECT_TRUE(gdt::buildRequestRecord(fields, true, kGerman).endsWith("0116335US\r\n"));
    EXPECT_FALSE(gdt::buildRequestRecord(fields, false, kGerman).contains("6335"));
    fields.modality.clear();
    EXPECT_FALSE(gdt::buildRequestRecord(fields, true, kGerman).contains("6335"));
}

// The content of the field's line in code page 437 (one byte a character), "" when the record has
// no such line, or the message that refused the request.
QString outcome(const fields::RequestFields& fields, const dates::RegionalFormats& regional, const QString& id)
{
    try {
        const QString record = QString::fromLatin1(gdt::buildRequestRecord(fields, true, regional));
        for (const QString& line : record.split("\r\n")) {
            if (line.mid(3, 4) == id)
                return line.mid(7);
        }
        return {};
    } catch (const errors::RuntimeError& error) {
        return error.description();
    }
}

// Devices read dd.MM.yyyy, whatever the regional settings of the machine that wrote the request;
// a date the calendar does not have is refused, naming field and value.
TEST(RequestRecord, DatesGoOutDayFirstUnderEveryRegionalSettingOrAreRefused)
{
    using fields::RequestFields;
    platform::ScopedFixedClock clock(QDateTime(QDate(2026, 12, 8), QTime(8, 15)));
    const auto birth = &RequestFields::birthDate;
    const auto exam = &RequestFields::examinationDate;
    struct Case
    {
        const dates::RegionalFormats& regional;
        QString RequestFields::*field;
        const char* typed;
        const char* written; // nullptr: refused
    };
    const Case cases[] = {
        // No regional settings at all: the short date has the month's name.
        {kC, exam, "8 Dec 2026", "08.12.2026"},
        {kC, birth, "1980-03-12", "12.03.1980"},
        {kC, birth, "12.03.1980", "12.03.1980"},
        {kC, birth, "12/03/1980", nullptr},
        {kAmerican, exam, "12/8/2026", "08.12.2026"},
        {kAmerican, birth, "12/24/60", "24.12.1960"},
        {kAmerican, birth, "24.12.1960", "24.12.1960"}, // as the import writes it
        {kAmerican, birth, "12.03.80", "12.03.1980"},
        {kAmerican, birth, "31.12.1960", "31.12.1960"},
        {kGerman, birth, "12.03.80", "12.03.1980"},
        {kGerman, exam, "7.12.26", "07.12.2026"},
        {kGerman, birth, "09.12.26", "09.12.1926"}, // no birth after today
        {kGerman, exam, "12.03.29", "12.03.2029"},
        {kGerman, birth, "1980-03-12", "12.03.1980"},
        {kGerman, birth, "29.02.2024", "29.02.2024"},
        {kGerman, exam, " 08.12.2026\u00A0", "08.12.2026"},
        {kGerman, exam, "   ", ""},
        {kGerman, exam, "31.04.2026", nullptr},
        {kGerman, birth, "29.02.2023", nullptr},
        {kGerman, birth, "00.00.0000", nullptr},
        {kGerman, birth, "gestern", nullptr},
        // What the import cuts out of texts it cannot read.
        {kGerman, birth, "..", nullptr},
        {kGerman, birth, "24.12.4/60", nullptr},
        {kGerman, birth, "Sc.er.ulz,", nullptr},
        {kAmerican, birth, "12.24.1960", nullptr},
    };
    for (const Case& c : cases) {
        RequestFields fields = exampleFields();
        fields.*c.field = QString::fromUtf8(c.typed);
        const bool isBirth = c.field == birth;
        const QString expected =
            c.written ? QString(c.written)
                      : QStringLiteral("Invalid procedure call or argument: The %1 (GDT field %2) holds '%3', which is "
                                       "no calendar date; the request was not written")
                            .arg(isBirth ? "date of birth" : "examination date", isBirth ? "3103" : "8781", c.typed);
        EXPECT_EQ(outcome(fields, c.regional, isBirth ? "3103" : "8781"), expected) << c.typed;
    }
}

TEST(RequestRecord, TimesGoOutAsHoursAndMinutesOrAreRefused)
{
    const std::tuple<const dates::RegionalFormats&, const char*, const char*> cases[] = {
        {kGerman, "9:30", "09:30"},    {kGerman, "9.30", "09:30"},     {kGerman, "9,30", "09:30"},
        {kGerman, "930", "09:30"},     {kGerman, "0930", "09:30"},     {kGerman, "09:30:15", "09:30"},
        {kGerman, "0:00", "00:00"},    {kGerman, "23:59:59", "23:59"}, {kAmerican, "2:15 PM", "14:15"},
        {kAmerican, "9.30", "09:30"},  {kC, "14:15:00", "14:15"},      {kGerman, "24:00", nullptr},
        {kGerman, "12:60", nullptr},   {kGerman, "2400", nullptr},     {kGerman, "09:30:60", nullptr},
        {kGerman, "9:3", nullptr},     {kGerman, "9", nullptr},        {kGerman, "09305", nullptr},
        {kGerman, "9:30.15", nullptr}, {kGerman, "mittags", nullptr},
    };
    for (const auto& [regional, typed, written] : cases) {
        fields::RequestFields fields = exampleFields();
        fields.examinationTime = typed;
        const QString expected = written ? QString(written)
                                         : QStringLiteral("Invalid procedure call or argument: The examination time "
                                                          "(GDT field 8782) holds '%1', which is no time of day; the "
                                                          "request was not written")
                                               .arg(typed);
        EXPECT_EQ(outcome(fields, regional, "8782"), expected) << typed;
    }
}

// Text copied out of word processors and web pages: what the device gets.
TEST(RequestRecord, FieldsAreTrimmedAndFreedOfInvisibleAndTypographicCharacters)
{
    using fields::RequestFields;
    const std::tuple<QString RequestFields::*, const char*, const char*, const char*> cases[] = {
        {&RequestFields::patientId, "3000", " 4711 ", "4711"},
        {&RequestFields::patientId, "3000", "\t4711\u00A0\u202F", "4711"},
        {&RequestFields::patientId, "3000", "47\u200B11\u2060", "4711"},
        {&RequestFields::surname, "3101", "O\u2019Brien", "O'Brien"},
        {&RequestFields::surname, "3101", "O\u00B4Brien", "O'Brien"},
        {&RequestFields::surname, "3101", "\uFEFFSchul\u00ADze\u200E", "Schulze"},
        {&RequestFields::surname, "3101", "M\u00FCller\u2011L\u00FCdenscheidt", "M\u00FCller-L\u00FCdenscheidt"},
        {&RequestFields::firstName, "3102", "\u202AAnna\u200D\u200C\u200F\u202C", "Anna"},
        {&RequestFields::referringPhysician, "4603", "\u201EDr.\u00A0Berg\u201C \u2013 \u2018Radiologie\u2019",
         "\"Dr. Berg\" - 'Radiologie'"},
        {&RequestFields::referringPhysician, "4603", "\u201CDr. Berg\u201D \u2014 MVZ", "\"Dr. Berg\" - MVZ"},
        {&RequestFields::gender, "3110", " F ", "F"},
        {&RequestFields::modality, "6335", "\u200B\u00AD", ""},
    };
    for (const auto& [field, id, typed, written] : cases) {
        RequestFields fields = exampleFields();
        fields.modality = "US";
        fields.*field = QString::fromUtf8(typed);
        EXPECT_EQ(outcome(fields, kGerman, id), QString::fromLatin1(gdt::toCodePage437(QString::fromUtf8(written))))
            << typed;
    }
}

TEST(RequestRecord, WrittenInCodePage437WithLengthsCountedInBytes)
{
    fields::RequestFields fields;
    fields.surname = QString::fromUtf8("Müller-Strauß");
    fields.firstName = QString::fromUtf8("Čeněk ?");
    // Decomposed letters as some programs paste them.
    fields.referringPhysician = QString::fromUtf8("Noe\u0308l Re\u0301my Mu\u0308ller ?");
    const QByteArray record = gdt::buildRequestRecord(fields, false, kGerman);
    EXPECT_TRUE(record.contains("0223101M\x81ller-Strau\xE1\r\n"));
    EXPECT_TRUE(record.contains("0163102Cenek ?\r\n"));
    EXPECT_TRUE(record.contains("0274603No\x89l R\x82my M\x81ller ?\r\n"));
    EXPECT_TRUE(record.contains(
        QByteArray("0148100%1").replace("%1", QByteArray::number(record.size()).rightJustified(5, '0'))));
}

TEST(RequestRecord, FieldTheLineCannotCarryRefusesTheWholeRequestNamingIt)
{
    using fields::RequestFields;
    struct Case
    {
        QString RequestFields::*field;
        QString content;
        const char* name;
        const char* why;
    };
    const Case cases[] = {
        {&RequestFields::referringPhysician, QString(991, 'x'), "referring physician", "longer than 990"},
        {&RequestFields::surname, "Meier\r\n3000666", "surname", "line break"},
        {&RequestFields::firstName, "Anna\tMaria", "first name", "tab"},
        {&RequestFields::gender, QString("F") + QChar(u'\0'), "gender", "control character: U+0000 NULL;"},
        {&RequestFields::patientId, "\x1B[2J4711", "patient ID", "control character: U+001B ESCAPE;"},
        {&RequestFields::examinationTime, "09:30\x7F", "examination time", "control character: U+007F DELETE;"},
        // Letters the code page lacks and that have no base letter in it would arrive as "?". Each
        // is named by its code too: many cannot be seen in a message box.
        {&RequestFields::surname, QString::fromUtf8("Петров"), "surname",
         "cannot hold: U+041F (П), U+0435 (е), U+0442 (т), U+0440 (р), U+043E (о), U+0432 (в);"},
        {&RequestFields::firstName, QString::fromUtf8("张伟"), "first name", "cannot hold: U+5F20 (张), U+4F1F (伟);"},
        {&RequestFields::surname, QString::fromUtf8("АБВГДЕЖЗИЙКЛ"), "surname", "U+0419 (Й), and 2 more;"},
        {&RequestFields::referringPhysician, QString::fromUtf8("Euro€ Čapek"), "referring physician",
         "cannot hold: U+20AC EURO SIGN (€);"},
        {&RequestFields::surname, QString::fromUtf8("Mei\u2028er"), "surname", "cannot hold: U+2028 LINE SEPARATOR;"},
        {&RequestFields::firstName, QString::fromUtf8("Anna\uFE0F\U0001F600"), "first name",
         "cannot hold: U+FE0F VARIATION SELECTOR-16, U+1F600 (\U0001F600);"},
        {&RequestFields::modality, QString("MR") + QChar(0xDC00), "modality", "cannot hold: U+DC00;"},
    };
    for (const Case& c : cases) {
        RequestFields fields = exampleFields();
        fields.*c.field = c.content;
        try {
            gdt::buildRequestRecord(fields, true, kGerman);
            ADD_FAILURE() << "no error for " << c.name;
        } catch (const errors::RuntimeError& error) {
            EXPECT_TRUE(error.description().startsWith(
                QStringLiteral("Invalid procedure call or argument: The %1 (GDT field").arg(c.name)))
                << qPrintable(error.description());
            EXPECT_TRUE(error.description().contains(c.why)) << qPrintable(error.description());
        }
    }
}

} // namespace
