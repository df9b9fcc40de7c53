// The status line: its place under both layouts, the request it follows in the window's language,
// and what screen readers get of it.

#include "accessibility_recorder.h"
#include "main_window_fixture.h"
#include "mainwindow/pickup_status_line.h"
#include "platform/clock.h"

#include <QAccessible>
#include <QFile>
#include <QGuiApplication>
#include <QLabel>
#include <QTest>
#include <QTimer>

#include <algorithm>

namespace {

TEST_F(MainWindowTest, StatusLineGrowsTheWindowAndLeavesTheClientAreaAsDesigned)
{
    for (const auto& [import, clientTwips] : {std::pair{false, 4890 - 780}, std::pair{true, 10500 - 780}}) {
        window.reset();
        start(settingsWith(import));
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
        const auto* line = control<PickupStatusLine>("stbPickup");
        EXPECT_EQ(line->height(), PickupStatusLine::kHeightTwips * window->logicalDpiY() / 1440);
        EXPECT_NEAR(window->centralWidget()->height() * 1440 / window->logicalDpiY(), clientTwips, 15) << import;
        EXPECT_EQ(line->geometry().bottom(), window->height() - 1) << import;
    }
}

TEST_F(MainWindowTest, StatusLineFollowsEachRequestInTheWindowLanguage)
{
    platform::ScopedFixedClock clock(QDateTime(QDate(2026, 12, 6), QTime(8, 15, 30)));
    start(settingsWith(false) + "Language=English\r\n");
    auto* line = control<PickupStatusLine>("stbPickup");
    QAccessibleInterface* reader = QAccessible::queryAccessibleInterface(line);
    EXPECT_EQ(reader->role(), QAccessible::StatusBar);
    EXPECT_EQ(reader->text(QAccessible::Name), "Pickup by the device");
    EXPECT_EQ(line->shownText(), "");

    testsupport::recordedAccessibilityEvents().clear();
    fillFields();
    press("cmdCreate");
    const QString request = "06122026_081530.gdt (Meier, Anna, ID 4711)";
    EXPECT_EQ(line->shownText(), "Waiting for the device: " + request);
    EXPECT_EQ(reader->text(QAccessible::Description), line->shownText());
    if (QGuiApplication::platformName() == QLatin1String("offscreen")) {
        const auto& events = testsupport::recordedAccessibilityEvents();
        EXPECT_EQ(std::count_if(events.begin(), events.end(),
                                [&](const auto& e) { return e.object == line && e.type == QAccessible::NameChanged; }),
                  1)
            << "the new text is announced once, as a status bar announces its message";
    }

    // The device reads the file and deletes it.
    ASSERT_TRUE(QFile::remove(target.filePath("06122026_081530.gdt")));
    EXPECT_TRUE(QTest::qWaitFor([&] { return line->shownText() == "Taken by the device at 08:15:30: " + request; }))
        << qPrintable(line->shownText());

    window.reset();
    start(settingsWith(false) + "PickupMinutes=0\r\n");
    fillFields();
    press("cmdCreate");
    EXPECT_EQ(control<PickupStatusLine>("stbPickup")->shownText(), "") << "0 turns the watch off";
    EXPECT_EQ(window->findChild<QTimer*>("tmrPickup"), nullptr);
}

// A long name must not push the question off the line: the line cuts the text and keeps it whole
// for the tooltip and screen readers.
TEST(PickupStatusLineTest, TextLongerThanTheLineIsCutVisiblyAndKeptWhole)
{
    PickupStatusLine line;
    line.setProperty("overdueText", "Not taken: %1 after %2 min. Is the device program running?");
    line.resize(574, line.height());
    line.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&line));
    pickup::Status status{pickup::Status::Kind::Overdue, 1, {}};
    status.request.path = "/srv/gdt/06122026_081530.gdt";
    status.request.minutes = 3;
    status.request.patient = {QString(300, u'W'), "Anna", "4711"};
    line.showStatus(status);
    const QString whole = line.shownText();
    EXPECT_TRUE(whole.endsWith("Is the device program running?"));
    const auto* shown = line.findChild<QLabel*>("lblPickup");
    EXPECT_TRUE(shown->text().endsWith(QChar(0x2026))) << qPrintable(shown->text());
    EXPECT_TRUE(whole.startsWith(shown->text().chopped(1)));
    EXPECT_EQ(line.toolTip(), whole);
    EXPECT_EQ(line.accessibleDescription(), whole);
}

} // namespace
