#include "main_window_fixture.h"

#include "global/mod_global.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QThread>
#include <QTimer>

namespace {

const QStringList kFilled = {"4711", "Anna", "Meier", "12.03.1980", "F", "06.12.2026", "09:30", "Dr. Berg", "US"};
const QStringList kEmptied = {"", "", "", "", "", "", "", "", "US"};

TEST_F(MainWindowTest, CreateWithImportOffWritesConfirmsAndKeepsTheFields)
{
    start(settingsWith(false) + "Language=English\r\n");
    fillFields();
    press("cmdCreate");
    EXPECT_TRUE(requestBytes().startsWith("01380006302\r\n014810000170\r\n"));
    ASSERT_EQ(messages.shown().size(), 1);
    const auto& box = messages.shown().first();
    EXPECT_EQ(box.text, "GDT-file has been created.");
    EXPECT_EQ(box.caption, "Lumvik");
    EXPECT_EQ(box.icon, platform::MessageIcon::Information);
    EXPECT_EQ(box.buttons, platform::MessageButtons::Ok);
    EXPECT_EQ(fieldTexts(), kFilled);
    EXPECT_FALSE(importTimerActive());
}

TEST_F(MainWindowTest, CreateWithImportOnEmptiesFieldsAndBoxKeepsModalityReArmsAndFocusesTheBox)
{
    start(settingsWith(true, true));
    control<QPlainTextEdit>("txtContent")->setPlainText("Appointment: Roth, Ida (F) #F-1 05/17/1990 09:00");
    window->tmrTxtTimer_Timer(); // imported and held
    fillFields();
    control("cmdCreate")->setFocus();
    press("cmdCreate");
    EXPECT_TRUE(requestBytes().contains("0116335US\r\n"));
    EXPECT_EQ(fieldTexts(), kEmptied);
    EXPECT_EQ(control<QPlainTextEdit>("txtContent")->toPlainText(), "");
    EXPECT_TRUE(importTimerActive());
    EXPECT_EQ(window->focusWidget(), control("txtContent")) << "where the next patient is pasted";
}

TEST_F(MainWindowTest, ViewerThatCannotBeStartedIsReportedAndTheRequestCountsAsDone)
{
    start(settingsWith(true, true) + "RunOrvane=1\r\nOrvanePath=" + target.path().toUtf8() + "/no such viewer\r\n");
    fillFields();
    window->findChild<QTimer*>("tmrTxtTimer")->stop();
    QStringList fieldsAtEachBox;
    messages.onShow = [&](const auto&) { fieldsAtEachBox << fieldTexts().join('|'); };
    press("cmdCreate");
    EXPECT_EQ(requestFiles().size(), 1);
    ASSERT_EQ(messages.shown().size(), 2);
    EXPECT_EQ(messages.shown()[0].icon, platform::MessageIcon::Information);
    // The path as the settings hold it, "/" and all, on Windows too.
    EXPECT_EQ(messages.texts()[1], " # 53 - File not found: " + target.path() + "/no such viewer - cmdCreate_Click");
    EXPECT_EQ(fieldsAtEachBox, QStringList(2, kFilled.join('|'))) << "both boxes come before the re-arm";
    EXPECT_EQ(fieldTexts(), kEmptied);
    EXPECT_TRUE(importTimerActive());
    press("cmdCreate");
    EXPECT_EQ(requestFiles().size(), 1) << "the next press writes the patient no second time";
    EXPECT_EQ(messages.texts().last(), " # 5 - Invalid procedure call or argument: The request names no patient: "
                                       "patient ID, surname, first name and date of birth are all empty; the request "
                                       "was not written - cmdCreate_Click");
}

TEST_F(MainWindowTest, ViewerStartsAfterTheConfirmationAndBeforeTheReArm)
{
    // A viewer that leaves "<its path>.started" when it runs.
#ifdef Q_OS_WIN
    const QString viewer = target.filePath("viewer.exe");
    ASSERT_TRUE(QFile::copy(LUMVIK_STARTED_PROGRAM, viewer));
#else
    const QString viewer = target.filePath("viewer");
    QFile script(viewer);
    ASSERT_TRUE(script.open(QIODevice::WriteOnly));
    script.write("#!/bin/sh\ntouch \"$0.started\"\n");
    script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    script.close();
#endif
    const QString started = viewer + ".started";
    start(settingsWith(true) + "RunOrvane=1\r\nOrvanePath=" + QDir::toNativeSeparators(viewer).toUtf8() + "\r\n");
    fillFields();
    // The viewer runs on its own, so each step gives it time to show that it has started.
    const auto viewerStarted = [&](int milliseconds) {
        QDeadlineTimer deadline(milliseconds);
        while (!QFile::exists(started) && !deadline.hasExpired())
            QThread::msleep(10);
        return QFile::exists(started);
    };
    QStringList steps;
    messages.onShow = [&](const auto&) { steps << (viewerStarted(300) ? "viewer, box" : "box"); };
    QObject::connect(field("txtID"), &QLineEdit::textChanged, window.get(),
                     [&] { steps << (viewerStarted(10000) ? "viewer, re-arm" : "re-arm"); });
    press("cmdCreate");
    EXPECT_EQ(steps, (QStringList{"box", "viewer, re-arm"}));
    EXPECT_EQ(messages.shown().size(), 1);
    EXPECT_TRUE(importTimerActive());
}

TEST_F(MainWindowTest, FailingTargetFolderMeansNoConfirmationNoViewerAndFieldsKept)
{
    start(settingsWith(true) + "RunOrvane=1\r\nOrvanePath=/bin/true\r\n");
    fillFields();
    window->findChild<QTimer*>("tmrTxtTimer")->stop();
    // The message shows the folder as stored, with no separator added to it.
    for (const QString& stored : {target.path() + "/vanished/", target.path() + "/vanished", QString("C:\\GDT\\")}) {
        modGlobal::Config.Path = stored;
        press("cmdCreate");
        EXPECT_EQ(messages.texts().last(),
                  " # 76 - Path not found: " + QDir::toNativeSeparators(stored) + " - cmdCreate_Click");
    }
    ASSERT_EQ(messages.shown().size(), 3);
    EXPECT_EQ(fieldTexts(), kFilled);
    EXPECT_FALSE(importTimerActive());
    EXPECT_TRUE(requestFiles().isEmpty());
}

TEST_F(MainWindowTest, OverlongFieldRefusesTheRequestAndKeepsEveryField)
{
    start(settingsWith(false));
    fillFields();
    field("txtSurname")->setText(QString(40000, 'x')); // beyond the 32,767 Qt cuts line edits at
    press("cmdCreate");
    ASSERT_EQ(messages.shown().size(), 1);
    EXPECT_TRUE(messages.texts().first().contains("surname")) << qPrintable(messages.texts().first());
    EXPECT_TRUE(messages.texts().first().endsWith(" - cmdCreate_Click"));
    EXPECT_TRUE(requestFiles().isEmpty());
    EXPECT_EQ(field("txtSurname")->text().size(), 40000);
}

TEST_F(MainWindowTest, ClearEmptiesTheFieldsButNotModalityNorTheExamples)
{
    start(settingsWith(false, true));
    const QString example = control<QLabel>("lblExample")->text();
    fillFields();
    control<QComboBox>("cboGender")->setCurrentIndex(1);
    control<QPlainTextEdit>("txtContent")->setPlainText("kept while import is off");
    press("cmdClear");
    EXPECT_EQ(fieldTexts(), kEmptied);
    auto* gender = control<QComboBox>("cboGender");
    EXPECT_EQ(gender->count(), 3) << "the list entries stay";
    EXPECT_EQ(gender->currentIndex(), -1);
    EXPECT_EQ(control<QLabel>("lblExample")->text(), example);
    EXPECT_EQ(control<QPlainTextEdit>("txtContent")->toPlainText(), "kept while import is off");
    EXPECT_FALSE(importTimerActive());
}

TEST_F(MainWindowTest, ClearWithImportOnEmptiesTheBoxAndReArms)
{
    start(settingsWith(true));
    control<QPlainTextEdit>("txtContent")->setPlainText("held import");
    window->findChild<QTimer*>("tmrTxtTimer")->stop();
    press("cmdClear");
    EXPECT_EQ(control<QPlainTextEdit>("txtContent")->toPlainText(), "");
    EXPECT_TRUE(importTimerActive());
}

TEST_F(MainWindowTest, ReturnAndEnterPressTheFocusedButtonAsSpaceDoes)
{
    start(settingsWith(false, true));
    for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Enter}) {
        fillFields();
        QTest::keyClick(control<QPushButton>("cmdCreate"), key);
        QTest::keyClick(control<QPushButton>("cmdClear"), key);
        EXPECT_EQ(fieldTexts(), kEmptied);
    }
    EXPECT_EQ(requestFiles().size(), 2);
    EXPECT_EQ(messages.texts(), QStringList(2, "GDT-file has been created."));
}

TEST_F(MainWindowTest, CloseMenuClosesTheWindowWithoutAQuestion)
{
    start(settingsWith(false));
    window->show();
    window->mnuClose_Click();
    EXPECT_FALSE(window->isVisible());
    EXPECT_TRUE(messages.shown().isEmpty());
}

TEST_F(MainWindowTest, ClosingTheMainWindowClosesEveryWindow)
{
    start(settingsWith(false));
    window->show();
    QWidget other;
    other.show();
    window->close();
    EXPECT_FALSE(window->isVisible());
    EXPECT_FALSE(other.isVisible());
}

} // namespace
