#include "errors/runtime_error.h"
#include "gdt/request_file.h"
#include "platform/clock.h"
#include "support/qstring_printer.h"

#include <gtest/gtest.h>

namespace {

const platform::RegionalFormats kGerman{QLocale(QLocale::German, QLocale::Germany)};

gdt::RequestFields exampleFields()
{
    gdt::RequestFields fields;
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
    gdt::RequestFields examinationOnly = exampleFields();
    examinationOnly.patientId = examinationOnly.surname = examinationOnly.firstName = examinationOnly.birthDate = "";
    examinationOnly.modality = "US";
    gdt::RequestFields blanks;
    blanks.patientId = blanks.surname = blanks.firstName = blanks.birthDate = " \t";
    for (const auto& [fields, what] :
         {std::pair{gdt::RequestFields{}, "all empty"}, std::pair{examinationOnly, "examination data only"},
          std::pair{blanks, "blanks only"}}) {
        try {
            gdt::buildRequestRecord(fields, true, kGerman);
            ADD_FAILURE() << "no error for " << what;
        } catch (const errors::RuntimeError& error) {
            EXPECT_TRUE(error.description().contains("names no patient")) << qPrintable(error.description());
        }
    }
    gdt::RequestFields idOnly;
    idOnly.patientId = "4711";
    EXPECT_EQ(gdt::buildRequestRecord(idOnly, true, kGerman),
              lines({"01380006302", "014810000064", "01092062", "014921802.01", "01330004711"}));
}

TEST(RequestRecord, ModalityLineOnlyWhenSwitchedOnAndFilled)
{
    gdt::RequestFields fields;
    fields.patientId = "4711";
    fields.modality = "US";
    EXPECT_TRUE(gdt::buildRequestRecord(fields, true, kGerman).endsWith("0116335US\r\n"));
    EXPECT_FALSE(gdt::buildRequestRecord(fields, false, kGerman).contains("6335"));
    fields.modality.clear();
    EXPECT_FALSE(gdt::buildRequestRecord(fields, true, kGerman).contains("6335"));
}

TEST(RequestRecord, DatesAndTimesAreNormalisedWhenReadableAndKeptOtherwise)
{
    struct Case
    {
        QString birth, date, time, expectedBirth, expectedDate, expectedTime;
    };
    platform::ScopedFixedClock clock(QDateTime(QDate(2026, 12, 6), QTime(8, 15)));
    const Case cases[] = {
        {"12.03.80", "07.12.26", "9:30", "12.03.1980", "07.12.2026", "09:30"},
        {"07.12.26", "12.03.29", "9:30", "07.12.1926", "12.03.2029", "09:30"}, // no birth after today
        {"1980-03-12", "6.12.2026", "09:30:59", "12.03.1980", "06.12.2026", "09:30"},
        {"gestern", "   ", "mittags", "gestern", "   ", "mittags"},
    };
    for (const Case& c : cases) {
        gdt::RequestFields fields;
        fields.birthDate = c.birth;
        fields.examinationDate = c.date;
        fields.examinationTime = c.time;
        const QString record = QString::fromLatin1(gdt::buildRequestRecord(fields, false, kGerman));
        EXPECT_TRUE(record.contains("3103" + c.expectedBirth + "\r\n")) << qPrintable(record);
        EXPECT_TRUE(record.contains("8781" + c.expectedDate + "\r\n")) << qPrintable(record);
        EXPECT_TRUE(record.contains("8782" + c.expectedTime + "\r\n")) << qPrintable(record);
    }
}

TEST(RequestRecord, WrittenInCodePage437WithLengthsCountedInBytes)
{
    gdt::RequestFields fields;
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
    using gdt::RequestFields;
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
        {&RequestFields::gender, QString("F") + QChar(u'\0'), "gender", "control character (code 0)"},
        {&RequestFields::patientId, "\x1B[2J4711", "patient ID", "control character (code 27)"},
        {&RequestFields::examinationTime, "09:30\x7F", "examination time", "control character (code 127)"},
        // Letters the code page lacks and that have no base letter in it would arrive as "?".
        {&RequestFields::surname, QString::fromUtf8("Петров"), "surname", "cannot hold: П е т р о в"},
        {&RequestFields::firstName, QString::fromUtf8("张伟"), "first name", "cannot hold: 张 伟"},
        {&RequestFields::referringPhysician, QString::fromUtf8("Euro€ Čapek"), "referring physician",
         "cannot hold: €;"},
        {&RequestFields::modality, QString("MR") + QChar(0xDC00), "modality", "cannot hold: U+DC00"},
    };
    for (const Case& c : cases) {
        RequestFields fields = exampleFields();
        fields.*c.field = c.content;
        try {
            gdt::buildRequestRecord(fields, true, kGerman);
            ADD_FAILURE() << "no error for " << c.name;
        } catch (const errors::RuntimeError& error) {
            EXPECT_TRUE(error.description().startsWith(QStringLiteral("The %1 (GDT field").arg(c.name)))
                << qPrintable(error.description());
            EXPECT_TRUE(error.description().contains(c.why)) << qPrintable(error.description());
        }
    }
}

} // namespace
