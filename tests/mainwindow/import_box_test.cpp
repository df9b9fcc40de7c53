#include "main_window_fixture.h"

#include "platform/clock.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QFocusEvent>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QTest>
#include <QTextCursor>
#include <QTimer>

#include <optional>

namespace {

const QString kPasted = "Appointment: Roth, Ida (F) #F-1 05/17/1990 09:00";

class ImportBoxTest : public MainWindowTest
{
protected:
    QPlainTextEdit* box() const { return control<QPlainTextEdit>("txtContent"); }

    // Presses cmdCreate at the given milliseconds after the start of the test's clock.
    void pressAt(qint64 milliseconds)
    {
        fixedClock.reset();
        fixedClock.emplace(kStart.addMSecs(milliseconds));
        press("cmdCreate");
    }

    // The first press reads the pasted text into the fields and writes nothing, leaving the text
    // for the user to check; the second, once the user had time to look, writes that patient and
    // re-arms the import.
    void expectCreateReadsThePastedPatientFirst()
    {
        pressAt(0);
        EXPECT_TRUE(requestFiles().isEmpty());
        EXPECT_TRUE(messages.shown().isEmpty()) << qPrintable(messages.texts().join('\n'));
        EXPECT_EQ(fieldTexts().mid(0, 5), (QStringList{"F-1", "Ida", "Roth", "17.05.1990", "F"}));
        EXPECT_EQ(box()->toPlainText(), kPasted);
        EXPECT_FALSE(importTimerActive());
        EXPECT_EQ(QDir(folder.filePath("Temp")).entryList(QDir::Files), QStringList());

        pressAt(5000);
        EXPECT_TRUE(requestBytes().contains("0123000F-1\r\n"));
        EXPECT_EQ(box()->toPlainText(), "");
        EXPECT_TRUE(importTimerActive());
    }

    const QDateTime kStart = QDateTime(QDate(2026, 12, 8), QTime(9, 0));
    std::optional<platform::ScopedFixedClock> fixedClock;
};

TEST_F(ImportBoxTest, CreateReadsTextWaitingForTheNextTick)
{
    start(settingsWith(true));
    box()->setPlainText(kPasted);
    expectCreateReadsThePastedPatientFirst();
}

TEST_F(ImportBoxTest, CreateReadsTextPutInWhileAnEarlierImportIsHeld)
{
    start(settingsWith(true));
    box()->setPlainText("Header\nEva Berg,\nSex F 01/02/1970 #B-2");
    window->tmrTxtTimer_Timer();
    ASSERT_EQ(field("txtID")->text(), "B-2");
    box()->setPlainText(kPasted);
    expectCreateReadsThePastedPatientFirst();
}

// The second click of a double-click on Create, coming right after the first one read the pasted
// text, is ignored: the user has not seen the fields yet. A clock set back ignores nothing.
TEST_F(ImportBoxTest, PressWithinASecondOfAReadIsIgnored)
{
    const std::pair<qint64, bool> presses[] = {{1, false}, {999, false}, {1000, true}, {-1, true}};
    for (const auto& [after, writes] : presses) {
        window.reset();
        start(settingsWith(true));
        box()->setPlainText(kPasted);
        pressAt(0);
        ASSERT_EQ(field("txtID")->text(), "F-1");
        const qsizetype boxesBefore = messages.shown().size();
        pressAt(after);
        EXPECT_EQ(requestFiles().size(), writes ? 1 : 0) << after;
        EXPECT_EQ(messages.shown().size() - boxesBefore, writes ? 1 : 0) << after;
        for (const QString& file : requestFiles())
            QFile::remove(target.filePath(file));
    }
}

// A text that fails over an imported patient leaves nothing of that patient to write: the fields
// the import fills are emptied, and only what the user types afterwards goes out.
TEST_F(ImportBoxTest, FailedImportLeavesNoEarlierPatientReadyToGo)
{
    start(settingsWith(true));
    box()->setPlainText("Header\nEva Berg,\nSex F 01/02/1970 #B-2");
    window->tmrTxtTimer_Timer();
    ASSERT_EQ(field("txtID")->text(), "B-2");
    field("txtTime")->setText("09:30");
    box()->setPlainText("Appointment: Roth, Ida (F) #F-1 05/17/1990");
    press("cmdCreate");
    ASSERT_EQ(messages.texts().size(), 1);
    EXPECT_TRUE(messages.texts().first().endsWith(" - ImportData_3"));
    EXPECT_EQ(fieldTexts(), (QStringList{"", "", "", "", "", "", "09:30", "", ""}));

    press("cmdCreate");
    EXPECT_TRUE(requestFiles().isEmpty());
    ASSERT_EQ(messages.texts().size(), 2);
    EXPECT_TRUE(messages.texts().last().contains("The request names no patient"));

    field("txtID")->setText("F-1");
    press("cmdCreate");
    EXPECT_TRUE(requestBytes().contains("0123000F-1\r\n"));
}

// Typing is never cut by a tick that reads a half-typed line: every change starts the interval
// anew (shortened here to one second, the keys coming faster than that). A change while an import
// is held does not arm it.
TEST_F(ImportBoxTest, TypedTextIsReadOnlyOnceItStandsStill)
{
    start(settingsWith(true));
    auto* timer = window->findChild<QTimer*>("tmrTxtTimer");
    timer->start(1000);
    for (const QChar key : kPasted) {
        QTest::keyClicks(box(), QString(key));
        QTest::qWait(40);
    }
    EXPECT_TRUE(messages.shown().isEmpty()) << qPrintable(messages.texts().join('\n'));
    EXPECT_EQ(field("txtID")->text(), "");
    EXPECT_TRUE(importTimerActive());
    QTRY_COMPARE_WITH_TIMEOUT(field("txtID")->text(), QString("F-1"), 5000);

    ASSERT_FALSE(importTimerActive());
    QTest::keyClicks(box(), "x");
    EXPECT_FALSE(importTimerActive());
}

TEST_F(ImportBoxTest, NonBreakingSpacesAreReadAsSpaces)
{
    start(settingsWith(true));
    box()->setPlainText(QString(kPasted).replace(' ', QChar(0x00A0)));
    window->tmrTxtTimer_Timer();
    EXPECT_EQ(fieldTexts().mid(0, 5), (QStringList{"F-1", "Ida", "Roth", "17.05.1990", "F"}));
}

// A megabyte paste stays quick only in a font that skips shaping; the box takes it on before the
// first text comes in, by either way in.
TEST_F(ImportBoxTest, TextComesInUnshaped)
{
    for (const bool byFocus : {true, false}) {
        start(settingsWith(true));
        if (byFocus) {
            QFocusEvent focusIn(QEvent::FocusIn, Qt::TabFocusReason);
            QApplication::sendEvent(box(), &focusIn);
        } else {
            QApplication::clipboard()->setText(kPasted);
            box()->paste();
            EXPECT_EQ(box()->toPlainText(), kPasted);
        }
        const QFont font = box()->document()->defaultFont();
        EXPECT_TRUE(font.styleStrategy() & QFont::PreferNoShaping) << byFocus;
        EXPECT_FALSE(font.kerning()) << byFocus;
        EXPECT_EQ(font.family(), "Arial") << byFocus;
        window.reset();
    }
}

TEST_F(ImportBoxTest, PasteReplacesTheSelectionWithPlainTextInOneUndoStep)
{
    start(settingsWith(true));
    box()->setPlainText("a-c");
    QTextCursor selection = box()->textCursor();
    selection.setPosition(1);
    selection.setPosition(2, QTextCursor::KeepAnchor);
    box()->setTextCursor(selection);
    auto* pasted = new QMimeData;
    pasted->setHtml("<b>X</b>");
    pasted->setText("X\r\nY");
    QApplication::clipboard()->setMimeData(pasted);
    box()->paste();
    EXPECT_EQ(box()->toPlainText(), "aX\nYc");
    box()->undo();
    EXPECT_EQ(box()->toPlainText(), "a-c");
}

} // namespace
