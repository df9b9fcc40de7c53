// Whether the device took a request: the monitor's looks on their own thread, through the
// scripted file system over a real target folder, with a scripted clock.

#include "gdt/code_page_437.h"
#include "pickup/pickup_look.h"
#include "pickup/pickup_monitor.h"
#include "platform/clock.h"
#include "support/qstring_printer.h"
#include "support/scripted_file_system.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>
#include <optional>

namespace pickup {
void PrintTo(const Patient& patient, std::ostream* out)
{
    *out << qPrintable(patient.surname + ", " + patient.firstName + ", " + patient.id);
}
} // namespace pickup

namespace {

using Kind = pickup::Status::Kind;
using Operation = testsupport::ScriptedFileSystem::Operation;

const QDateTime kStart(QDate(2026, 12, 6), QTime(8, 15, 30));

class PickupTest : public ::testing::Test
{
protected:
    QString write(const QString& name, const QByteArray& bytes = "01380006302\r\n") const
    {
        QFile file(target.filePath(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size()) << qPrintable(name);
        return file.fileName();
    }
    void setClock(const QDateTime& now)
    {
        clock.reset();
        clock.emplace(now);
    }
    // Runs action, which starts a look, and waits for its findings.
    pickup::Status waitForLook(const std::function<void()>& action)
    {
        QSignalSpy looked(&monitor, &pickup::Monitor::looked);
        action();
        EXPECT_TRUE(looked.wait(5000)) << "no look ended";
        return monitor.status();
    }
    pickup::Status look()
    {
        return waitForLook([this] { EXPECT_TRUE(monitor.lookNow()); });
    }
    pickup::Status watch(const QString& path, const pickup::Patient& patient = {}, int minutes = 3)
    {
        return waitForLook([&] { monitor.watch(path, patient, minutes); });
    }
    qsizetype looksAt(const QString& path) const
    {
        qsizetype count = 0;
        for (const auto& call : files.calls())
            count += call.operation == Operation::Look && call.path == path;
        return count;
    }

    QTemporaryDir target;
    std::optional<platform::ScopedFixedClock> clock{kStart};
    testsupport::ScriptedFileSystem files;
    pickup::Monitor monitor{std::chrono::hours(1)}; // the tests look themselves
};

TEST_F(PickupTest, WaitingThenNotTakenInTimeThenCannotBeSeenThenTaken)
{
    const QString path = write("06122026_081530.gdt");
    monitor.watch(path, {}, 0);
    EXPECT_EQ(monitor.status().kind, Kind::None) << "0 minutes watch nothing";
    EXPECT_EQ(monitor.findChild<QTimer*>(), nullptr) << "no work before the first request";

    pickup::Status status = watch(path, {"Meier", "Anna", "4711"});
    EXPECT_EQ(status.kind, Kind::Waiting);
    EXPECT_EQ(status.count, 1);
    EXPECT_EQ(status.request.fileName(), "06122026_081530.gdt");
    EXPECT_EQ(status.request.patient, (pickup::Patient{"Meier", "Anna", "4711"}));
    EXPECT_TRUE(monitor.findChild<QTimer*>()->isActive());

    setClock(kStart.addSecs(179));
    EXPECT_EQ(look().kind, Kind::Waiting);
    setClock(kStart.addSecs(180));
    EXPECT_EQ(look().kind, Kind::Overdue);

    files.failNext(Operation::Look, platform::FileStatus::failed(platform::FileStatus::Kind::PermissionDenied));
    EXPECT_EQ(look().kind, Kind::Unseen) << "a folder that cannot be read is no sign of a pickup";
    EXPECT_EQ(look().kind, Kind::Overdue) << "readable again";

    ASSERT_TRUE(QFile::remove(path));
    setClock(kStart.addSecs(200));
    status = look();
    EXPECT_EQ(status.kind, Kind::Taken);
    EXPECT_EQ(status.request.takenAt, kStart.addSecs(200));
    EXPECT_EQ(status.request.patient.surname, "Meier");
    EXPECT_FALSE(monitor.lookNow()) << "nothing left to watch";
    EXPECT_FALSE(monitor.findChild<QTimer*>()->isActive());
}

TEST_F(PickupTest, SeveralWaitingAreCountedAndTheOldestNamed)
{
    const QString first = write("06122026_081530.gdt");
    watch(first);
    setClock(kStart.addSecs(1));
    const QString second = write("06122026_081531.gdt");
    pickup::Status status = watch(second);
    EXPECT_EQ(status.kind, Kind::Waiting);
    EXPECT_EQ(status.count, 2);
    EXPECT_EQ(status.request.fileName(), "06122026_081530.gdt");

    QFile::remove(first);
    status = look();
    EXPECT_EQ(status.kind, Kind::Waiting) << "taken only once none waits";
    EXPECT_EQ(status.count, 1);
    EXPECT_EQ(status.request.fileName(), "06122026_081531.gdt");
}

// A device may rename what it read instead of deleting it. Only a name that still ends in .gdt
// keeps the request waiting; a file written into the freed place is not taken for it.
TEST_F(PickupTest, RenamedStaysWaitingOnlyUnderAGdtName)
{
    const std::pair<std::function<void(const QString&)>, Kind> cases[] = {
        {[](const QString& path) { QFile::rename(path, path + ".read"); }, Kind::Taken},
        {[](const QString& path) { QFile::rename(path, QFileInfo(path).path() + "/read-1.gdt"); }, Kind::Waiting},
        {[](const QString& path) { QFile::rename(path, QFileInfo(path).path() + "/READ-2.GDT"); }, Kind::Waiting},
        {[](const QString& path) {
             QDir(QFileInfo(path).path()).mkdir("done");
             QFile::rename(path, QFileInfo(path).path() + "/done/" + QFileInfo(path).fileName());
         },
         Kind::Taken},
        {[this](const QString& path) {
             QFile::remove(path);
             write("06122026_091530.gdt", "01380006302\r\n0133000OTHER\r\n");
         },
         Kind::Taken},
    };
    int row = 0;
    for (const auto& [device, expected] : cases) {
        pickup::Monitor single{std::chrono::hours(1)};
        const QString path = write(QStringLiteral("06122026_08153%1.gdt").arg(row++));
        QSignalSpy looked(&single, &pickup::Monitor::looked);
        single.watch(path, {}, 3);
        ASSERT_TRUE(looked.wait(5000));
        device(path);
        ASSERT_TRUE(single.lookNow());
        ASSERT_TRUE(looked.wait(5000));
        EXPECT_EQ(single.status().kind, expected) << row;
        if (expected == Kind::Waiting) {
            EXPECT_TRUE(single.status().request.fileName().startsWith("READ-", Qt::CaseInsensitive)) << row;
        }
    }
}

TEST_F(PickupTest, TargetFolderThatGoesAwayWhileARequestWaitsCannotBeSeen)
{
    const QString path = write("06122026_081530.gdt");
    watch(path);
    const QString away = target.path() + "-away";
    ASSERT_TRUE(QDir().rename(target.path(), away));
    EXPECT_EQ(look().kind, Kind::Unseen);
    ASSERT_TRUE(QDir().rename(away, target.path()));
    EXPECT_EQ(look().kind, Kind::Waiting);
}

// A share that does not answer: the look hangs on its own thread, the caller goes on, no second
// look starts, and after a while nothing is known about the requests.
TEST_F(PickupTest, LookThatHangsNeitherBlocksNorRunsTwice)
{
    const QString path = write("06122026_081530.gdt");
    watch(path);
    files.holdNextLook();
    EXPECT_TRUE(monitor.lookNow());
    EXPECT_FALSE(monitor.lookNow());
    setClock(kStart.addSecs(9));
    EXPECT_FALSE(monitor.lookNow());
    EXPECT_EQ(monitor.status().kind, Kind::Waiting);
    setClock(kStart.addSecs(10));
    EXPECT_FALSE(monitor.lookNow());
    EXPECT_EQ(monitor.status().kind, Kind::Unseen);

    const pickup::Status status = waitForLook([&] { files.releaseLook(); });
    EXPECT_EQ(status.kind, Kind::Waiting);
    EXPECT_EQ(looksAt(path), 2);
}

TEST_F(PickupTest, StartUpLookReportsOnlyOldRequestsWithTheirPatients)
{
    // The patient as the writer encodes it, in code page 437.
    const QByteArray record = "01380006302\r\n01330004711\r\n0153101" + gdt::toCodePage437("Müller") + "\r\n0133102" +
                              gdt::toCodePage437("Jörg") + "\r\n";
    write("06122026_081000.gdt", record);
    write("06122026_081000_2.gdt");
    write("06122026_081300.gdt");   // 2.5 minutes old
    write("06122026_080000.txt");   // another name
    write("32122026_080000.gdt");   // no date
    write("06122026_080000_1.gdt"); // no number the writer gives
    QDir(target.path()).mkdir("06122026_075900.gdt");

    pickup::Status status = waitForLook([&] { monitor.lookForOldRequests(target.path(), 3); });
    EXPECT_EQ(status.kind, Kind::Overdue);
    EXPECT_EQ(status.count, 2);
    EXPECT_EQ(status.request.fileName(), "06122026_081000.gdt");
    EXPECT_EQ(status.request.patient, (pickup::Patient{"Müller", "Jörg", "4711"}));

    QFile::remove(target.filePath("06122026_081000.gdt"));
    QFile::remove(target.filePath("06122026_081000_2.gdt"));
    EXPECT_EQ(look().kind, Kind::Taken);
}

TEST(PickupTextTest, EachStateSaysWhatItNeeds)
{
    const pickup::Texts texts{"%1 [%2|%3|%4]", "W %1",        "WM %1 %2", "T %1 %2",
                              "O %1 %2",       "OM %1 %2 %3", "U %1",     "UM %1 %2"};
    pickup::Request request;
    request.path = "/srv/gdt/06122026_081530.gdt";
    request.patient = {"Meier", "Anna", "4711"};
    request.minutes = 3;
    request.takenAt = kStart;
    const QString named = "06122026_081530.gdt [Meier|Anna|4711]";
    const std::tuple<Kind, qsizetype, QString> cases[] = {
        {Kind::None, 0, ""},
        {Kind::Waiting, 1, "W " + named},
        {Kind::Waiting, 2, "WM " + named + " 2"},
        {Kind::Taken, 1, "T " + named + " 08:15:30"},
        {Kind::Overdue, 1, "O " + named + " 3"},
        {Kind::Overdue, 4, "OM " + named + " 3 4"},
        {Kind::Unseen, 1, "U " + named},
        {Kind::Unseen, 2, "UM " + named + " 2"},
    };
    const auto regional = dates::RegionalFormats(QLocale(QLocale::German, QLocale::Germany));
    for (const auto& [kind, count, expected] : cases)
        EXPECT_EQ(pickup::describe({kind, count, request}, texts, regional), expected);
    request.patient = {};
    EXPECT_EQ(pickup::describe({Kind::Waiting, 1, request}, texts, regional), "W 06122026_081530.gdt");
}

} // namespace
