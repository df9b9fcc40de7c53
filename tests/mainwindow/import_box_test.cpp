#include "main_window_fixture.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFocusEvent>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QTextCursor>

namespace {

const QString kPasted = "Appointment: Roth, Ida (F) #F-1 05/17/1990 09:00";

class ImportBoxTest : public MainWindowTest
{
protected:
    QPlainTextEdit* box() const { return control<QPlainTextEdit>("txtContent"); }

    // The first press reads the pasted text into the fields and writes nothing, leaving the text
    // for the user to check; the second writes that patient and re-arms the import.
    void expectCreateReadsThePastedPatientFirst()
    {
        window->cmdCreate_Click();
        EXPECT_TRUE(requestFiles().isEmpty());
        EXPECT_TRUE(messages.shown().isEmpty()) << qPrintable(messages.texts().join('\n'));
        EXPECT_EQ(fieldTexts().mid(0, 5), (QStringList{"F-1", "Ida", "Roth", "17.05.1990", "F"}));
        EXPECT_EQ(box()->toPlainText(), kPasted);
        EXPECT_FALSE(importTimerActive());
        EXPECT_EQ(QDir(folder.filePath("Temp")).entryList(QDir::Files), QStringList());

        window->cmdCreate_Click();
        EXPECT_TRUE(requestBytes().contains("0123000F-1\r\n"));
        EXPECT_EQ(box()->toPlainText(), "");
        EXPECT_TRUE(importTimerActive());
    }
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
