#include "errors/runtime_error.h"
#include "gdt/request_file.h"

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

TEST(RequestRecord, EmptyFieldsLeaveOnlyTheHeaderWithLength51)
{
    EXPECT_EQ(gdt::buildRequestRecord({}, true, kGerman),
              lines({"01380006302", "014810000051", "01092062", "014921802.01"}));
}

TEST(RequestRecord, ModalityLineOnlyWhenSwitchedOnAndFilled)
{
    gdt::RequestFields fields;
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
    const Case cases[] = {
        {"12.03.80", "07.12.26", "9:30", "12.03.1980", "07.12.2026", "09:30"},
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
    fields.firstName = QString::fromUtf8("Čeněk €");
    const QByteArray record = gdt::buildRequestRecord(fields, false, kGerman);
    EXPECT_TRUE(record.contains("0223101M\x81ller-Strau\xE1\r\n"));
    EXPECT_TRUE(record.contains("0163102Cenek ?\r\n"));
    EXPECT_TRUE(record.contains(
        QByteArray("0148100%1").replace("%1", QByteArray::number(record.size()).rightJustified(5, '0'))));
}

TEST(RequestRecord, FieldTheLineCannotCarryRefusesTheWholeRequestNamingIt)
{
    gdt::RequestFields tooLong;
    tooLong.referringPhysician = QString(991, 'x');
    gdt::RequestFields multiLine;
    multiLine.surname = "Meier\r\n3000666";
    for (const auto& [fields, name] : {std::pair{tooLong, "referring physician"}, std::pair{multiLine, "surname"}}) {
        try {
            gdt::buildRequestRecord(fields, false, kGerman);
            ADD_FAILURE() << "no error for " << name;
        } catch (const errors::RuntimeError& error) {
            EXPECT_TRUE(error.description().contains(QLatin1String(name))) << qPrintable(error.description());
        }
    }
}

} // namespace
