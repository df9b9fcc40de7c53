#include "dates/regional.h"
#include "support/qstring_printer.h"

#include <gtest/gtest.h>

namespace {

using dates::RegionalFormats;

TEST(Regional, GermanFormats)
{
    const RegionalFormats german(QLocale(QLocale::German, QLocale::Germany));
    EXPECT_EQ(german.shortDate(QDate(1980, 3, 12)), "12.03.1980");
    EXPECT_EQ(german.longTime(QTime(7, 40, 18)), "07:40:18");
}

TEST(Regional, AmericanFormatsKeepTheirOrderButShowFourDigitYears)
{
    const RegionalFormats american(QLocale(QLocale::English, QLocale::UnitedStates));
    EXPECT_EQ(american.shortDate(QDate(1980, 3, 12)), "3/12/1980");
    EXPECT_EQ(american.longTime(QTime(19, 40, 18)), "7:40:18 PM");
    EXPECT_EQ(american.parseDate("12/24/1960"), QDate(1960, 12, 24));
    EXPECT_EQ(american.parseTime("7:05 PM"), QTime(19, 5));
}

TEST(Regional, ParsingAcceptsWhatUsersTypeAndRejectsTheRest)
{
    const RegionalFormats german(QLocale(QLocale::German, QLocale::Germany));
    const std::pair<const char*, std::optional<QDate>> dates[] = {
        {"12.03.1980", QDate(1980, 3, 12)}, {"1.3.1980", QDate(1980, 3, 1)},
        {"12.03.80", QDate(1980, 3, 12)},   {"07.12.26", QDate(2026, 12, 7)},
        {"31.12.29", QDate(2029, 12, 31)},  {"01.01.30", QDate(1930, 1, 1)},
        {"1980-03-12", QDate(1980, 3, 12)}, {"31.02.1980", std::nullopt},
        {"gestern", std::nullopt},          {"", std::nullopt}};
    for (const auto& [text, date] : dates)
        EXPECT_EQ(german.parseDate(text), date) << text;

    // A date of birth cannot lie ahead of today: its two-digit year goes a century back instead.
    const QDate today(2026, 3, 12);
    const std::pair<const char*, QDate> births[] = {{"12.03.26", QDate(2026, 3, 12)},
                                                    {"13.03.26", QDate(1926, 3, 13)},
                                                    {"12.03.29", QDate(1929, 3, 12)},
                                                    {"12.03.80", QDate(1980, 3, 12)},
                                                    {"12.03.2029", QDate(2029, 3, 12)}};
    for (const auto& [text, date] : births)
        EXPECT_EQ(german.parseDate(text, today), date) << text;

    const std::pair<const char*, std::optional<QTime>> times[] = {{"09:30", QTime(9, 30)},
                                                                  {"9:30", QTime(9, 30)},
                                                                  {"09:30:15", QTime(9, 30, 15)},
                                                                  {"25:00", std::nullopt},
                                                                  {"mittags", std::nullopt}};
    for (const auto& [text, time] : times)
        EXPECT_EQ(german.parseTime(text), time) << text;
}

// The window shows dates in the regional short form (the examples, the date the import fills in),
// and the request reads them back: under no setting may it refuse a date it showed itself.
TEST(Regional, EveryRegionalShortDateReadsBack)
{
    const auto locales = QLocale::matchingLocales(QLocale::AnyLanguage, QLocale::AnyScript, QLocale::AnyTerritory);
    for (const QLocale& locale : locales) {
        const RegionalFormats regional(locale);
        for (const QDate date : {QDate(2026, 12, 8), QDate(1960, 3, 1)})
            EXPECT_EQ(regional.parseDate(regional.shortDate(date)), date) << qPrintable(locale.name());
    }
    EXPECT_EQ(RegionalFormats(QLocale::c()).shortDate(QDate(2026, 12, 8)), "8 Dec 2026");
}

} // namespace
