#include "dates/regional.h"
#include "gdt/request_file.h"
#include "import/import_folder.h"
#include "import/import_timer.h"
#include "import/recording_import_window.h"
#include "platform/clock.h"
#include "platform/codepage.h"
#include "runtime_errors/runtime_error.h"
#include "support/qstring_printer.h"
#include "support/scripted_presenters.h"
#include "support/temp_program_folder.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <functional>

#include <gtest/gtest.h>

namespace {

constexpr QFileDevice::Permissions kOwnerReadWrite = QFileDevice::ReadOwner | QFileDevice::WriteOwner;
// Windows keeps who may read a file in access lists, which Qt's permission bits do not show.
#ifdef Q_OS_WIN
constexpr bool kFileModes = false;
#else
constexpr bool kFileModes = true;
#endif
constexpr QFileDevice::Permissions kGroupOrOther = QFileDevice::ReadGroup | QFileDevice::WriteGroup |
                                                   QFileDevice::ExeGroup | QFileDevice::ReadOther |
                                                   QFileDevice::WriteOther | QFileDevice::ExeOther;
const QString kStagedName = QStringLiteral("061220260745_%1.txt").arg(platform::StagingFolder::userTag());
const QByteArray kAppointment = "Appointment: Surname, Given (F) #4711 12/24/1960 10:30\r\n";

class ImportTimerTest : public ::testing::Test
{
protected:
    testsupport::TempProgramFolder program;
    testsupport::ScriptedMessages messages;
    platform::ScopedFixedClock clock{QDateTime(QDate(2026, 12, 6), QTime(7, 45))};
    testsupport::RecordingImportWindow window;

    QStringList tempFiles() const
    {
        return QDir(program.filePath(QStringLiteral("Temp"))).entryList(QDir::Files | QDir::Hidden, QDir::Name);
    }

    void leave(const QString& name, const QByteArray& bytes) const
    {
        program.write(QStringLiteral("Temp/") + name, bytes);
    }

    // The expected outcome of a failed tick: one box, timer off, the imported fields emptied, no import
    // file left.
    void expectFailure(const QString& box) const
    {
        EXPECT_EQ(messages.texts(), QStringList{box});
        EXPECT_FALSE(window.timerEnabled);
        EXPECT_TRUE(window.fieldsEmptied());
        for (const QString& name : tempFiles())
            EXPECT_FALSE(import::isImportFileName(name)) << qPrintable(name);
    }
};

TEST_F(ImportTimerTest, EmptyBoxReArmsTheTimerAndStagesNothing)
{
    import::tmrTxtTimer_Timer(window);
    EXPECT_TRUE(window.timerEnabled);
    EXPECT_TRUE(window.fields.isEmpty());
    EXPECT_FALSE(QFileInfo::exists(program.filePath(QStringLiteral("Temp"))));
    EXPECT_TRUE(messages.shown().isEmpty());
}

TEST_F(ImportTimerTest, ImportSetsTheSixFieldsInOrderAndHoldsTheTimerOff)
{
    const QList<std::pair<QString, QString>> expected = {{"txtID", "4711"},        {"txtName", "Jürgen"},
                                                         {"txtSurname", "Müller"}, {"txtBirthday", "24.12.1960"},
                                                         {"cboGender", "M"},       {"txtDate", "06.12.2026"}};
    for (const char* text : {"Header\nJürgen Müller,\nSex M 12/24/1960 #4711",
                             "Quickview\nPatient: Müller, Jürgen (M) #4711 12/24/1960 10:30",
                             "Appointment: Müller, Jürgen (M) #4711 12/24/1960 10:30\n"}) {
        SCOPED_TRACE(text);
        window = {};
        window.text = QString::fromUtf8(text);
        import::tmrTxtTimer_Timer(window);
        EXPECT_EQ(window.fields, expected);
        EXPECT_FALSE(window.timerEnabled);
        EXPECT_EQ(tempFiles(), QStringList());
    }
    EXPECT_TRUE(messages.shown().isEmpty());
    if (kFileModes) {
        EXPECT_FALSE(QFile::permissions(program.filePath(QStringLiteral("Temp"))) & kGroupOrOther);
    }
}

TEST_F(ImportTimerTest, FailuresAreReportedUnderTheFailingProceduresName)
{
    const struct
    {
        const char* text;
        const char* box;
    } rows[] = {
        {"Header\nGiven Surname,",
         " # 62 - The text has only 2 of the 3 lines the three-line layout needs - ImportData_1"},
        {"quickview\nPatient: Surname, Given (F) #4711 12/24/1960 10:30",
         " # 62 - The text has only 2 of the 3 lines the three-line layout needs - ImportData_1"},
        {"Quickview", " # 62 - The text has only 1 of the 2 lines the Quickview layout needs - ImportData_2"},
        {"Appointment: Surname, Given (F) #4711 12/24/1960", " # 5 - Invalid procedure call or argument: The data line "
                                                             "has no space after the date of birth - ImportData_3"},
        {"\n \t\n\n", " # 62 - The text is empty - CreateTextfile"},
        {"Appointment: Roth, Ida (F) #1 05/17/1990 09:00\nAppointment: Berg, Max (M) #2 01/02/1970 10:00",
         " # 5 - Invalid procedure call or argument: The text holds more than one patient (#1, #2); paste one patient "
         "at a time - CreateTextfile"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.text);
        testsupport::ScriptedMessages rowMessages;
        window = {};
        window.text = QString::fromUtf8(row.text);
        import::tmrTxtTimer_Timer(window);
        EXPECT_EQ(rowMessages.texts(), QStringList{QString::fromUtf8(row.box)});
        EXPECT_EQ(window.fields.size(), 6);
        EXPECT_TRUE(window.fieldsEmptied());
        EXPECT_FALSE(window.timerEnabled);
        EXPECT_EQ(tempFiles(), QStringList());
    }
}

TEST_F(ImportTimerTest, EachReaderReadsTheFileItIsGivenAndFailsUnderItsOwnName)
{
    const QByteArray threeLine = "Header\r\nGiven Surname,\r\nSex F 12/24/1960 #4711\r\n";
    const QString path = program.filePath(QStringLiteral("Temp/a.txt"));
    leave(QStringLiteral("a.txt"), threeLine);
    leave(QStringLiteral("b.txt"), "another import file\r\n");
    import::ImportData_1(window, path);
    EXPECT_EQ(window.fields.size(), 6);
    EXPECT_EQ(tempFiles(), QStringList{"b.txt"});
    EXPECT_TRUE(messages.shown().isEmpty());

    window = {};
    leave(QStringLiteral("a.txt"), threeLine);
    import::ImportData_2(window, path);
    EXPECT_EQ(messages.texts(), QStringList{" # 5 - Invalid procedure call or argument: The data line has no space "
                                            "after the first name - ImportData_2"});
    EXPECT_TRUE(window.fieldsEmptied());
    EXPECT_EQ(tempFiles(), QStringList());
}

TEST_F(ImportTimerTest, FailureDeletesEveryImportFileAndKeepsOtherFiles)
{
    for (const char* name : {"x.TxT", "notestxt", "keep.dat"})
        leave(QString::fromUtf8(name), "left over\r\n");
    window.text = QStringLiteral("Header\nGiven Surname,");
    import::tmrTxtTimer_Timer(window);
    expectFailure(
        QStringLiteral(" # 62 - The text has only 2 of the 3 lines the three-line layout needs - ImportData_1"));
    EXPECT_EQ(tempFiles(), QStringList{"keep.dat"});
    ASSERT_EQ(program.logLines().size(), 1);
    EXPECT_TRUE(program.logLines().first().endsWith(messages.texts().first()));
}

// A leftover may hold another patient: whether it can be deleted or not, the text in the box is
// what fills the fields, and the leftover stays until start-up or a failure removes it.
TEST_F(ImportTimerTest, TheStagedTextIsImportedNeverAnOlderFile)
{
    for (const bool readOnly : {false, true}) {
        SCOPED_TRACE(readOnly);
        window = {};
        leave(QStringLiteral("0000.txt"), kAppointment);
        if (readOnly)
            QFile::setPermissions(program.filePath(QStringLiteral("Temp/0000.txt")), QFileDevice::ReadOwner);
        window.text = QStringLiteral("Header\r\nOther Person,\nSex M 01/02/1970 #42");
        import::tmrTxtTimer_Timer(window);
        ASSERT_EQ(window.fields.size(), 6);
        EXPECT_EQ(window.current("txtID"), QStringLiteral("42"));
        EXPECT_EQ(window.current("txtSurname"), QStringLiteral("Person"));
        EXPECT_EQ(tempFiles(), QStringList{"0000.txt"});
        EXPECT_TRUE(messages.shown().isEmpty());
    }
}

TEST_F(ImportTimerTest, StagingReplacesTheUsersSameMinuteFileAndIsForTheUserAlone)
{
    leave(kStagedName, "an earlier staging in the same minute");
    const QString staged = program.filePath(QStringLiteral("Temp/") + kStagedName);
    QFile::setPermissions(staged, kOwnerReadWrite | kGroupOrOther);
    platform::StagingFolder folder = import::openImportFolder();
    EXPECT_EQ(import::stageImportText(folder, QString::fromUtf8("Header\r\nИван Person,\nSex M 01/02/1970 \r#42")),
              staged);
    EXPECT_EQ(program.read(QStringLiteral("Temp/") + kStagedName),
              "\xEF\xBB\xBFHeader\r\n\xD0\x98\xD0\xB2\xD0\xB0\xD0\xBD Person,\r\nSex M 01/02/1970 \r#42\r\n");
    if (kFileModes) {
        EXPECT_EQ(QFile::permissions(staged) & (kOwnerReadWrite | QFileDevice::ExeOwner | kGroupOrOther),
                  kOwnerReadWrite);
    }
}

// Whatever the system's code page, the staged text keeps every character of the box, and a pasted
// name meets the request's checks as a typed one: joined, mapped to code page 437 or refused by
// name, never sent as "?".
TEST_F(ImportTimerTest, PastedNamesKeepEveryCharacterAndMeetTheRequestAsTypedOnes)
{
    const platform::ScopedLatin1SystemCodePage latin1;
    const std::pair<const char*, const char*> rows[] = {
        {"Петров", "Петров"},
        {"Mu\xCC\x88ller", "Müller"}, // u and a combining diaeresis
        {"Čapek", "Čapek"},
        {"Zoë😀", "Zoë😀"},
    };
    const auto request = [](const fields::RequestFields& fields) {
        try {
            return QString::fromLatin1(gdt::buildRequestRecord(fields, false, dates::RegionalFormats::current()));
        } catch (const errors::RuntimeError& error) {
            return error.description();
        }
    };
    for (const auto& [pasted, typed] : rows) {
        SCOPED_TRACE(pasted);
        window = {};
        window.text = QStringLiteral("Appointment: %1, Ivan (M) #4712 12/24/1960 10:30").arg(QString::fromUtf8(pasted));
        import::tmrTxtTimer_Timer(window);
        EXPECT_EQ(window.current("txtSurname"), QString::fromUtf8(pasted));
        fields::RequestFields fields{window.current("txtID"),
                                     window.current("txtSurname"),
                                     window.current("txtName"),
                                     window.current("txtBirthday"),
                                     window.current("cboGender"),
                                     window.current("txtDate"),
                                     {},
                                     {},
                                     {}};
        const QString fromPaste = request(fields);
        fields.surname = QString::fromUtf8(typed);
        EXPECT_EQ(fromPaste, request(fields));
        EXPECT_FALSE(fromPaste.contains('?')) << qPrintable(fromPaste);
    }
    EXPECT_TRUE(messages.shown().isEmpty()) << qPrintable(messages.texts().join('\n'));
}

TEST_F(ImportTimerTest, ReadOnlyFileIsReportedAndTheCleanUpGoesOn)
{
    leave(QStringLiteral("0000.txt"), kAppointment);
    leave(QStringLiteral("0001.txt"), kAppointment);
    const QString readOnly = program.filePath(QStringLiteral("Temp/0000.txt"));
    QFile::setPermissions(readOnly, QFileDevice::ReadOwner);
    window.text = QStringLiteral("Header\nGiven Surname,");
    import::tmrTxtTimer_Timer(window);

    EXPECT_EQ(messages.texts(),
              (QStringList{QStringLiteral(" # 75 - Path/File access error: %1 (read-only file) - ImportData_1")
                               .arg(QDir::toNativeSeparators(readOnly)),
                           " # 62 - The text has only 2 of the 3 lines the three-line layout needs - ImportData_1"}));
    EXPECT_TRUE(window.fieldsEmptied());
    EXPECT_EQ(tempFiles(), QStringList{"0000.txt"});
    EXPECT_FALSE(window.timerEnabled);
}

TEST_F(ImportTimerTest, RefusedFieldIsReportedAndEveryFieldEmptied)
{
    window.refusedField = "cboGender";
    window.text = QStringLiteral("Header\nGiven Surname,\nSex F 12/24/1960 #4711");
    import::tmrTxtTimer_Timer(window);
    expectFailure(QStringLiteral(" # 5 - Invalid procedure call or argument - ImportData_1"));
    EXPECT_EQ(window.fields.size(), 4 + 6);
}

// Nothing is staged, read or deleted through a Temp that is not a real folder, and nothing is
// deleted where a link points.
TEST_F(ImportTimerTest, TempThatIsNoRealFolderIsReportedAndNothingBehindItIsTouched)
{
    QTemporaryDir elsewhere;
    const QString victim = elsewhere.filePath(QStringLiteral("victim.TXT"));
    QFile(victim).open(QIODevice::WriteOnly);
    const QString temp = program.filePath(QStringLiteral("Temp"));
    const struct
    {
        const char* what;
        std::function<void()> make;
        const char* reason;
    } rows[] = {
        {"a file", [&] { program.write(QStringLiteral("Temp"), "a file where the folder belongs"); }, "not a folder"},
#ifndef Q_OS_WIN
        // Under Wine, a Windows program can make no link, and Wine follows Unix links.
        {"a link to a folder", [&] { QFile::link(elsewhere.path(), temp); }, "a symbolic link, not a folder"},
        {"a dangling link", [&] { QFile::link(elsewhere.filePath("gone"), temp); }, "a symbolic link, not a folder"},
#endif
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.what);
        testsupport::ScriptedMessages rowMessages;
        QFile::remove(temp);
        row.make();
        window = {};
        window.text = QStringLiteral("Header\nGiven Surname,\nSex F 12/24/1960 #4711");
        import::tmrTxtTimer_Timer(window);
        EXPECT_EQ(rowMessages.texts(),
                  QStringList{QStringLiteral(" # 75 - Path/File access error: %1 (%2) - CreateTextfile")
                                  .arg(QDir::toNativeSeparators(temp), QString::fromUtf8(row.reason))});
        EXPECT_TRUE(window.fieldsEmptied());
        EXPECT_EQ(QDir(elsewhere.path()).entryList(QDir::Files), QStringList{"victim.TXT"});
    }
}

} // namespace
