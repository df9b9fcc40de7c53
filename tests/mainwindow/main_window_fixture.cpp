#include "main_window_fixture.h"

#include "global/mod_global.h"
#include "language/change_language.h"
#include "language/qt_texts.h"

#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QTest>
#include <QTimer>

void MainWindowTest::TearDown()
{
    window.reset();
    language::useQtTexts({}); // no test leaves Qt's texts in another language
}

QByteArray MainWindowTest::settingsWith(bool txtImport, bool modality) const
{
    return "Path=" + target.path().toUtf8() + "/\r\nTxtImport=" + (txtImport ? "1" : "0") +
           "\r\nModality=" + (modality ? "1" : "0") + "\r\n";
}

void MainWindowTest::start(const QByteArray& settingsLines)
{
    folder.write("Settings.ini", "[Lumvik]\r\n" + settingsLines);
    QFile::copy(LUMVIK_BINARY_DIR "/bin/Language.mdb", folder.filePath("Language.mdb"));
    window = std::make_unique<frmMain>();
    window->Form_Load();
}

void MainWindowTest::press(const char* button) const
{
    QTest::mouseClick(control<QPushButton>(button), Qt::LeftButton);
}

bool MainWindowTest::importTimerActive() const
{
    return window->findChild<QTimer*>("tmrTxtTimer")->isActive();
}

QStringList MainWindowTest::requestFiles() const
{
    return QDir(target.path()).entryList({"*.gdt"}, QDir::Files);
}

void MainWindowTest::fillFields()
{
    field("txtID")->setText("4711");
    field("txtName")->setText("Anna");
    field("txtSurname")->setText("Meier");
    field("txtBirthday")->setText("12.03.1980");
    control<QComboBox>("cboGender")->setEditText("F");
    field("txtDate")->setText("06.12.2026");
    field("txtTime")->setText("09:30");
    field("txtSchedPhysician")->setText("Dr. Berg");
    field("txtModality")->setText("US");
}

QByteArray MainWindowTest::requestBytes() const
{
    const QStringList files = requestFiles();
    EXPECT_EQ(files.size(), 1);
    QFile file(target.filePath(files.value(0)));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QStringList MainWindowTest::fieldTexts() const
{
    QStringList texts;
    for (const char* name : {"txtID", "txtName", "txtSurname", "txtBirthday"})
        texts << field(name)->text();
    texts << control<QComboBox>("cboGender")->currentText();
    for (const char* name : {"txtDate", "txtTime", "txtSchedPhysician", "txtModality"})
        texts << field(name)->text();
    return texts;
}
