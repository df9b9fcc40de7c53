#include "main_window_fixture.h"

#include "global/mod_global.h"
#include "mainwindow/pickup_status_line.h"
#include "platform/clock.h"
#include "settingswindow/frm_settings.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QApplication>
#include <QFileDialog>
#include <QGroupBox>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QStatusBar>
#include <QTest>
#include <QTimer>
#include <QWindow>

#include <functional>
#include <tuple>

namespace {

// Without the menu bar and the status line below it.
int clientHeightTwips(const frmMain& window)
{
    const int clientPixels = window.height() - window.menuBar()->sizeHint().height() - window.statusBar()->height();
    return clientPixels * 1440 / window.logicalDpiY();
}

TEST_F(MainWindowTest, ImportOffGivesTheShortWindowWithoutImportBox)
{
    start(settingsWith(false));
    EXPECT_EQ(window->windowTitle(), "Lumvik Version 1.0.4");
    EXPECT_NEAR(clientHeightTwips(*window), 4890 - 780, 15);
    EXPECT_FALSE(control<QPlainTextEdit>("txtContent")->isVisibleTo(window.get()));
    EXPECT_FALSE(importTimerActive());
    EXPECT_TRUE(messages.shown().isEmpty()) << qPrintable(messages.texts().join('\n'));
}

TEST_F(MainWindowTest, ImportOnGivesTheTallWindowWithArmedImport)
{
    start(settingsWith(true));
    EXPECT_NEAR(clientHeightTwips(*window), 10500 - 780, 15);
    EXPECT_TRUE(control<QPlainTextEdit>("txtContent")->isVisibleTo(window.get()));
    EXPECT_TRUE(importTimerActive());
    EXPECT_EQ(window->findChild<QTimer*>("tmrTxtTimer")->interval(), 5000);
    const QRect box = control<QPlainTextEdit>("txtContent")->geometry();
    EXPECT_GT(box.top(), control<QPushButton>("cmdCreate")->geometry().bottom()) << "import box below the buttons";
}

TEST_F(MainWindowTest, ExampleLabelsShowTheStartDateAndTime)
{
    platform::ScopedFixedClock clock(QDateTime(QDate(2026, 12, 6), QTime(7, 45, 9)));
    start(settingsWith(false));
    EXPECT_EQ(control<QLabel>("lblExample")->text(), "(06.12.2026)");
    EXPECT_EQ(control<QLabel>("lblExample2")->text(), "(07:45:09)");
}

TEST_F(MainWindowTest, GenderListOffersOMFAndStartsEmptyAcceptingTypedText)
{
    start(settingsWith(false));
    auto* gender = control<QComboBox>("cboGender");
    ASSERT_EQ(gender->count(), 3);
    EXPECT_EQ(gender->itemText(0), "O");
    EXPECT_EQ(gender->itemText(1), "M");
    EXPECT_EQ(gender->itemText(2), "F");
    EXPECT_EQ(gender->currentText(), "");
    EXPECT_TRUE(gender->isEditable());
}

TEST_F(MainWindowTest, ModalityFieldFollowsTheSettingOnlyAtStartUp)
{
    start(settingsWith(false, true));
    EXPECT_TRUE(field("txtModality")->isVisibleTo(window.get()));
    EXPECT_TRUE(control<QLabel>("lblModality")->isVisibleTo(window.get()));
    fillFields();
    modGlobal::Config.Modality = false; // switched off in the settings window during the run
    press("cmdCreate");
    EXPECT_FALSE(requestBytes().contains("6335")) << "the filled field is not written";
    EXPECT_TRUE(field("txtModality")->isVisibleTo(window.get()));
    window.reset();

    start(settingsWith(false, false));
    EXPECT_FALSE(field("txtModality")->isVisibleTo(window.get()));
    EXPECT_FALSE(control<QLabel>("lblModality")->isVisibleTo(window.get()));
    modGlobal::Config.Modality = true;
    press("cmdClear");
    EXPECT_FALSE(field("txtModality")->isVisibleTo(window.get()));
}

TEST_F(MainWindowTest, LeftoverImportFilesAreRemovedAndOtherFilesStay)
{
    folder.write("Temp/notes.TXT", "old");
    folder.write("Temp/061220260745.txt", "old");
    folder.write("Temp/keep.dat", "keep");
    start(settingsWith(true));
    EXPECT_EQ(QDir(folder.filePath("Temp")).entryList(QDir::Files), QStringList{"keep.dat"});
}

TEST_F(MainWindowTest, LeftoverThatCannotBeDeletedStopsTheCleanUpAndIsReported)
{
    for (const char* name : {"Temp/a.txt", "Temp/b.TXT", "Temp/c.txt"})
        folder.write(name, "old");
    QFile::setPermissions(folder.filePath("Temp/b.TXT"), QFile::ReadOwner);
    start(settingsWith(false));
    EXPECT_EQ(messages.texts(),
              QStringList{" # 75 - Path/File access error: " + QDir::toNativeSeparators(folder.filePath("Temp/b.TXT")) +
                          " (read-only file) - frmMain_Load"});
    EXPECT_EQ(QDir(folder.filePath("Temp")).entryList(QDir::Files), (QStringList{"b.TXT", "c.txt"}));
}

TEST_F(MainWindowTest, LanguageOfTheSettingsIsApplied)
{
    start(settingsWith(false) + "Language=English\r\n");
    EXPECT_EQ(control<QPushButton>("cmdCreate")->text(), "Create GDT");
    window.reset();
    start(settingsWith(false) + "Language=Deutsch\r\n");
    EXPECT_EQ(control<QPushButton>("cmdCreate")->text(), "Erstelle GDT");
    EXPECT_EQ(control<QGroupBox>("fraData")->title(), "GDT-Daten");
}

TEST_F(MainWindowTest, QtsOwnButtonsAndDialogsFollowTheWindowLanguage)
{
    const auto yesNo = [] {
        QMessageBox box;
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        return box.button(QMessageBox::Yes)->text() + '/' + box.button(QMessageBox::No)->text();
    };
    // Qt's texts lie in translations/ beside the program, as in the installed program folder.
    ASSERT_TRUE(QDir().mkpath(folder.filePath("translations")));
    ASSERT_TRUE(
        QFile::copy(LUMVIK_BINARY_DIR "/bin/translations/qtbase_de.qm", folder.filePath("translations/qtbase_de.qm")));
    const std::tuple<QByteArray, QString, QString> cases[] = {{"Deutsch", "&Ja/&Nein", "Öffnen"},
                                                              {"Klingonisch", "&Yes/&No", "Open"},
                                                              {"German", "&Ja/&Nein", "Öffnen"},
                                                              {"English", "&Yes/&No", "Open"}};
    for (const auto& [language, buttons, fileChooser] : cases) {
        window.reset();
        start(settingsWith(false) + "Language=" + language + "\r\n");
        EXPECT_EQ(yesNo(), buttons) << language.constData();
        EXPECT_EQ(QFileDialog::tr("Open"), fileChooser) << language.constData();
    }
}

// Temp serves the import alone: one that is in the way or a link is reported, nothing behind it
// is touched, the import stays off, and the rest of the start-up runs, so requests are written.
TEST_F(MainWindowTest, TempThatCannotBeUsedKeepsTheImportOffAndRequestsGoOut)
{
    QTemporaryDir elsewhere;
    QFile(elsewhere.filePath("victim.TXT")).open(QIODevice::WriteOnly);
    const QString temp = folder.filePath("Temp");
    const std::pair<std::function<void()>, QString> rows[] = {
        {[&] { folder.write("Temp", "a file where the folder belongs"); }, "not a folder"},
#ifndef Q_OS_WIN
        // Under Wine, a Windows program can make no link, and Wine follows Unix links.
        {[&] { QFile::link(elsewhere.path(), temp); }, "a symbolic link, not a folder"},
#endif
    };
    for (const auto& [make, reason] : rows) {
        SCOPED_TRACE(reason.toStdString());
        testsupport::ScriptedMessages rowMessages;
        QFile::remove(temp);
        make();
        start(settingsWith(true));
        EXPECT_EQ(rowMessages.texts(), QStringList{" # 75 - Path/File access error: " + QDir::toNativeSeparators(temp) +
                                                   " (" + reason + ") - frmMain_Load"});
        EXPECT_NEAR(clientHeightTwips(*window), 10500 - 780, 15);
        EXPECT_EQ(control<QComboBox>("cboGender")->count(), 3);
        EXPECT_FALSE(importTimerActive());
        fillFields();
        press("cmdCreate");
        EXPECT_EQ(requestFiles().size(), 1);
        QFile::remove(target.filePath(requestFiles().value(0)));
        EXPECT_EQ(QDir(elsewhere.path()).entryList(QDir::Files), QStringList{"victim.TXT"});
        window.reset();
    }
}

TEST_F(MainWindowTest, SettingsLoadedUpToABadSwitchStillTakeRequests)
{
    start(settingsWith(false) + "RunOrvane=maybe\r\n");
    EXPECT_TRUE(messages.texts().value(0).endsWith(" - LoadConfig")) << qPrintable(messages.texts().join('\n'));
    fillFields();
    press("cmdCreate");
    EXPECT_EQ(requestFiles().size(), 1);
}

TEST_F(MainWindowTest, SettingsFileThatIsNoIniTextIsReportedOnceAndTakesNoRequests)
{
    // UTF-16 saved without its byte-order mark.
    folder.write("Settings.ini", QByteArray("[\0L\0u\0m\0v\0i\0k\0]\0\r\0\n\0", 20));
    window = std::make_unique<frmMain>();
    window->Form_Load();
    ASSERT_EQ(messages.shown().size(), 1) << qPrintable(messages.texts().join('\n'));
    EXPECT_TRUE(messages.texts()[0].contains("Settings.ini cannot be read as INI text: it holds NUL bytes"))
        << qPrintable(messages.texts()[0]);
    EXPECT_TRUE(messages.texts()[0].endsWith(" - LoadConfig"));
    EXPECT_EQ(control<QPushButton>("cmdCreate")->text(), "Erstelle GDT") << "the built-in texts";

    const QStringList inStartFolder = QDir::current().entryList({"*.gdt"});
    fillFields();
    press("cmdCreate");
    ASSERT_EQ(messages.shown().size(), 2);
    EXPECT_TRUE(messages.texts()[1].contains("The settings could not be loaded at start-up"));
    EXPECT_TRUE(messages.texts()[1].endsWith("the request was not written - cmdCreate_Click"));
    EXPECT_EQ(QDir::current().entryList({"*.gdt"}), inStartFolder);
}

// Run on the test screen here, and by CTest on a 1366x768 screen at 150 % and 200 %.
TEST_F(MainWindowTest, BothWindowsFitTheWorkAreaAndOnlyTheImportBoxAndStatusLineGiveWay)
{
    start(settingsWith(true));
    const QRect workArea = window->screen()->availableGeometry();
    const int frame = window->windowHandle()->frameMargins().top() + window->windowHandle()->frameMargins().bottom();
    EXPECT_LE(window->height() + frame, workArea.height());
    EXPECT_LE(window->frameGeometry().width(), workArea.width());
    EXPECT_GE(window->geometry().top(), workArea.top());
    const auto* box = control<QPlainTextEdit>("txtContent");
    EXPECT_GE(box->height(), 2 * box->fontMetrics().lineSpacing());
    ASSERT_EQ(window->logicalDpiY(), 96);
    const int designedBox = 345;
    const bool designedWindowFits = window->height() + frame + (designedBox - box->height()) <= workArea.height();
    EXPECT_EQ(box->height() == designedBox, designedWindowFits);
    // The status line gives up its second line only for a box already down to two lines.
    const auto* line = control<PickupStatusLine>("stbPickup");
    const int twoLines = 2 * box->fontMetrics().lineSpacing() + 2 * box->frameWidth();
    const int designedLine = PickupStatusLine::kHeightTwips / 15;
    EXPECT_TRUE(line->height() == designedLine ||
                (box->height() == twoLines && line->height() == designedLine - line->fontMetrics().lineSpacing()))
        << line->height();
    // The fields and buttons keep their designed places and the box stays below them.
    EXPECT_EQ(control<QWidget>("cmdCreate")->geometry(), QRect(456, 232, 113, 41));
    EXPECT_EQ(box->geometry().top(), 288);
    EXPECT_GT(window->height() - window->menuBar()->sizeHint().height(), box->geometry().bottom());
    frmSettings settingsWindow;
    EXPECT_LE(settingsWindow.height(), workArea.height());
    EXPECT_LE(settingsWindow.width(), workArea.width());
}

TEST_F(MainWindowTest, ControlsStandWhereDesignedInTheDesignedFont)
{
    start(settingsWith(true));
    // The designed places in pixels at 96 dpi, where 15 twips make a pixel.
    ASSERT_EQ(window->logicalDpiX(), 96);
    const std::pair<const char*, QRect> places[] = {{"fraData", {8, 16, 561, 209}},
                                                    {"txtID", {96, 16, 145, 25}},
                                                    {"LblID", {8, 24, 81, 17}},
                                                    {"cboGender", {96, 144, 145, 24}},
                                                    {"txtSchedPhysician", {416, 136, 121, 25}},
                                                    {"lblSchedPhysician", {272, 144, 129, 25}},
                                                    {"cmdClear", {8, 232, 113, 41}},
                                                    {"cmdCreate", {456, 232, 113, 41}},
                                                    {"txtContent", {16, 288, 545, 345}}};
    for (const auto& [name, pixels] : places)
        EXPECT_EQ(control<QWidget>(name)->geometry(), pixels) << name;
    EXPECT_EQ(window->centralWidget()->width(), 574);
    const QFont font = field("txtID")->font();
    EXPECT_EQ(font.family(), "Arial");
    EXPECT_DOUBLE_EQ(font.pointSizeF(), 9.75);
    EXPECT_TRUE(control<QPushButton>("cmdCreate")->font().bold());
    EXPECT_TRUE(control<QLabel>("lblExample")->font().italic());
}

TEST_F(MainWindowTest, EveryTextBoxOfBothWindowsTakesTextBeyond32767Characters)
{
    start(settingsWith(false));
    frmSettings settingsWindow;
    const QString text(40000, 'x');
    const std::pair<QWidget*, qsizetype> windows[] = {{window.get(), 9}, {&settingsWindow, 4}};
    for (const auto& [each, boxes] : windows) {
        const QList<QLineEdit*> lineEdits = each->findChildren<QLineEdit*>();
        EXPECT_EQ(lineEdits.size(), boxes) << qPrintable(each->objectName());
        for (QLineEdit* lineEdit : lineEdits) {
            lineEdit->setText(text);
            EXPECT_EQ(lineEdit->text().size(), text.size())
                << qPrintable(lineEdit->objectName() + u'@' + lineEdit->parentWidget()->objectName());
        }
    }
}

TEST_F(MainWindowTest, EveryLabelIsTheBuddyOfItsField)
{
    start(settingsWith(false));
    const std::pair<const char*, const char*> pairs[] = {{"LblID", "txtID"},
                                                         {"lblName", "txtName"},
                                                         {"lblSurname", "txtSurname"},
                                                         {"lblBirthday", "txtBirthday"},
                                                         {"lblGender", "cboGender"},
                                                         {"lblModality", "txtModality"},
                                                         {"lblDate", "txtDate"},
                                                         {"lblTime", "txtTime"},
                                                         {"lblSchedPhysician", "txtSchedPhysician"}};
    for (const auto& [label, buddy] : pairs)
        EXPECT_EQ(control<QLabel>(label)->buddy(), control<QWidget>(buddy)) << label;
}

// What a screen reader calls a control by. Qt names a combo box on Linux by the label that labels
// it (its buddy), its own name being its value; elsewhere by its name.
QString announcedName(QWidget* widget)
{
    QAccessibleInterface* control = QAccessible::queryAccessibleInterface(widget);
#ifndef Q_OS_WIN
    if (qobject_cast<QComboBox*>(widget)) {
        // The buddy comes first; the title of the frame around the box follows.
        const auto labels = control->relations(QAccessible::Label);
        return labels.isEmpty() ? QString() : labels.first().first->text(QAccessible::Name);
    }
#endif
    return control->text(QAccessible::Name);
}

// A combo box's list as a screen reader sees it: the items, and the actions on the box.
QStringList listSeen(QComboBox* box)
{
    QAccessibleInterface* control = QAccessible::queryAccessibleInterface(box);
    QStringList seen;
    if (control->childCount() < 1 || !control->child(0) || !control->actionInterface())
        return seen;
    QAccessibleInterface* list = control->child(0);
    for (int i = 0; i < list->childCount(); ++i)
        seen << list->child(i)->text(QAccessible::Name);
    const QStringList actions = control->actionInterface()->actionNames();
    seen << QString::number(actions.contains(QAccessibleActionInterface::showMenuAction()));
    return seen;
}

TEST_F(MainWindowTest, EveryControlOfBothWindowsHasANameInTheWindowLanguage)
{
    const auto nameOf = announcedName;
    const std::tuple<QByteArray, QString, QString, QString, QString> cases[] = {
        {"English", "Import text", "Gender:", "Choose the target path", "Language:"},
        {"Deutsch", "Importtext", "Geschlecht:", QString::fromUtf8("Zielpfad wählen"), "Sprache:"}};
    for (const auto& [language, importBox, gender, targetChooser, languageBox] : cases) {
        window.reset();
        start(settingsWith(true, true) + "Language=" + language + "\r\n");
        frmSettings settingsWindow;
        for (QWidget* each : {static_cast<QWidget*>(window.get()), static_cast<QWidget*>(&settingsWindow)}) {
            for (QWidget* control : each->findChildren<QWidget*>()) {
                // A drop-down list lives in a popup window of its own.
                if (!(control->focusPolicy() & Qt::TabFocus) || control->window() != each)
                    continue;
                EXPECT_FALSE(nameOf(control).isEmpty())
                    << language.constData() << ": " << control->metaObject()->className() << ' '
                    << qPrintable(control->objectName() + u'@' + control->parentWidget()->objectName());
            }
        }
        auto* genderBox = control<QComboBox>("cboGender");
        genderBox->setCurrentIndex(1);
        EXPECT_EQ(nameOf(control("txtContent")), importBox) << language.constData();
        EXPECT_EQ(nameOf(genderBox), gender) << "not its value";
        EXPECT_EQ(nameOf(genderBox->lineEdit()), gender);
        EXPECT_EQ(listSeen(genderBox), (QStringList{"O", "M", "F", "1"})) << "items and the action that opens them";
        auto* languageCombo = settingsWindow.findChild<QComboBox*>("cboLanguage");
        EXPECT_EQ(nameOf(languageCombo), languageBox) << "not its value";
        EXPECT_EQ(nameOf(languageCombo->lineEdit()), languageBox);
        EXPECT_EQ(QAccessible::queryAccessibleInterface(languageCombo)->text(QAccessible::Value), language);
        EXPECT_EQ(listSeen(languageCombo), (QStringList{"Deutsch", "English", "1"}));
        auto* pathChooser = settingsWindow.findChild<QPushButton*>("cmdPath");
        EXPECT_EQ(nameOf(pathChooser), targetChooser);
        EXPECT_NE(nameOf(settingsWindow.findChild<QPushButton*>("cmdOrvanePath")), targetChooser);
        EXPECT_EQ(pathChooser->text(), "...") << "the screen shows what it did";
    }
}

TEST_F(MainWindowTest, TabKeyFollowsTheDesignedOrder)
{
    start(settingsWith(true, true));
    window->show();
    QApplication::setActiveWindow(window.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    const char* order[] = {"txtID",   "txtName", "txtSurname",        "txtBirthday", "cboGender", "txtModality",
                           "txtDate", "txtTime", "txtSchedPhysician", "cmdCreate",   "cmdClear",  "txtContent"};
    field("txtID")->setFocus();
    for (std::size_t i = 1; i < std::size(order); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QWidget* focused = QApplication::focusWidget();
        // The combo box's own line edit takes the focus for it.
        if (focused && qobject_cast<QComboBox*>(focused->parentWidget()))
            focused = focused->parentWidget();
        EXPECT_EQ(focused, control<QWidget>(order[i])) << order[i - 1] << " -> " << order[i];
    }
    // Tab leaves the import box too, instead of typing a tab that the import would trip over.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), field("txtID"));
    EXPECT_EQ(control<QPlainTextEdit>("txtContent")->toPlainText(), "");
}

} // namespace
