// The settings window as a form: its load, its controls, its keyboard and how it is shown.

#include "settings_window_fixture.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QSpinBox>
#include <QTimer>

using modGlobal::Config;

namespace {

struct LoadCase
{
    const char* name;
    modGlobal::ConfigRecord record;
};

void PrintTo(const LoadCase& row, std::ostream* out)
{
    *out << row.name;
}

class LoadTest : public SettingsWindowTest, public ::testing::WithParamInterface<LoadCase>
{
};

TEST_P(LoadTest, ShowsConfigAndChangesNothingInIt)
{
    const modGlobal::ConfigRecord& before = GetParam().record;
    Config = before;
    if (before.Language != QStringLiteral("Deutsch") && before.Language != QStringLiteral("English"))
        allowedWarning = QStringLiteral(" - ChangeLanguage"); // Language.mdb has no column for it
    open();
    EXPECT_EQ(Config.Path, before.Path);
    EXPECT_EQ(Config.OrvanePath, before.OrvanePath);
    EXPECT_EQ(Config.RunOrvane, before.RunOrvane);
    EXPECT_EQ(Config.TxtImport, before.TxtImport);
    EXPECT_EQ(Config.Language, before.Language);
    EXPECT_EQ(Config.Modality, before.Modality);
    EXPECT_EQ(Config.PickupMinutes, before.PickupMinutes);

    EXPECT_EQ(find<QLineEdit>("txtPath")->text(), before.Path);
    EXPECT_EQ(find<QCheckBox>("chkRunOrvane")->isChecked(), before.RunOrvane);
    EXPECT_EQ(find<QCheckBox>("chkImport")->isChecked(), before.TxtImport);
    EXPECT_EQ(find<QComboBox>("cboLanguage")->currentText(), before.Language);
    EXPECT_EQ(find<QCheckBox>("chkModality")->isChecked(), before.Modality);
    EXPECT_EQ(find<QSpinBox>("txtPickupMinutes")->value(), before.PickupMinutes);
}

INSTANTIATE_TEST_SUITE_P(Records, LoadTest,
                         ::testing::Values(LoadCase{"AllOn",
                                                    {QStringLiteral("/data/"), QStringLiteral("/opt/o"), true, true,
                                                     QStringLiteral("Deutsch"), true, 17}},
                                           LoadCase{"AllOffUnlistedLanguage",
                                                    {QStringLiteral("/data"), QStringLiteral("/opt/o"), false, false,
                                                     QStringLiteral("Klingonisch"), false, 0}}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(SettingsWindowTest, LoadAppliesTheTextsOfTheCurrentLanguage)
{
    open();
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Settings"));
    EXPECT_EQ(find<QGroupBox>("fraOptionen")->title(), QStringLiteral("Options"));
    EXPECT_EQ(find<QLabel>("lblPath")->text(), QStringLiteral("Target path:"));
    EXPECT_EQ(find<QCheckBox>("chkModality")->text(), QStringLiteral("Add modality"));
    EXPECT_EQ(find<QLabel>("lblPickupMinutes")->text(), QStringLiteral("Pickup time (minutes):"));
    EXPECT_EQ(find<QSpinBox>("txtPickupMinutes")->specialValueText(), QStringLiteral("off")) << "shown for 0";
    EXPECT_EQ(find<QPushButton>("cmdSave")->text(), QStringLiteral("Save"));
    EXPECT_EQ(find<QPushButton>("cmdPath")->text(), QStringLiteral("...")) << "controls without a key keep their text";
}

TEST_F(SettingsWindowTest, LabelsNameTheirFields)
{
    open();
    EXPECT_EQ(find<QLabel>("lblPath")->buddy(), find<QLineEdit>("txtPath"));
    EXPECT_EQ(find<QLabel>("lblOrvanePath")->buddy(), find<QLineEdit>("txtOrvanePath"));
    EXPECT_EQ(find<QLabel>("lblLanguage")->buddy(), find<QComboBox>("cboLanguage"));
    EXPECT_EQ(find<QLabel>("lblPickupMinutes")->buddy(), find<QSpinBox>("txtPickupMinutes"));
}

TEST_F(SettingsWindowTest, TabGoesFromSaveThroughEveryEnabledControl)
{
    Config.RunOrvane = true;
    open();
    const QStringList expected{"cmdSave",      "cmdCancel",   "cmdOrvanePath",   "txtOrvanePath",
                               "chkRunOrvane", "cmdPath",     "chkImport",       "cboLanguage",
                               "txtPath",      "chkModality", "txtPickupMinutes"};
    QStringList order;
    QWidget* widget = window->focusWidget();
    for (int step = 0; step < expected.size(); ++step, widget = widget->nextInFocusChain()) {
        while (!widget->isEnabled() || !(widget->focusPolicy() & Qt::TabFocus) || widget->objectName().isEmpty())
            widget = widget->nextInFocusChain();
        order.append(widget->objectName());
    }
    EXPECT_EQ(order, expected);
}

TEST_F(SettingsWindowTest, PlacesControlsInTwipsAtTheScreenDpi)
{
    open();
    // 15 twips per pixel at 96 dpi; frame children count from the frame's corner.
    const auto pixels = [&](int twips) { return qRound(twips * window->logicalDpiX() / 1440.0); };
    EXPECT_EQ(window->size(), QSize(pixels(8805), pixels(3990)));
    EXPECT_EQ(find<QPushButton>("cmdSave")->geometry(), QRect(pixels(6000), pixels(3360), pixels(1215), pixels(495)));
    EXPECT_EQ(find<QLineEdit>("txtOrvanePath")->geometry(),
              QRect(pixels(1920), pixels(1080), pixels(5775), pixels(375)));
    EXPECT_EQ(find<QLineEdit>("txtOrvanePath")->parentWidget()->objectName(), QStringLiteral("fraOptionen"));
    EXPECT_DOUBLE_EQ(find<QCheckBox>("chkImport")->font().pointSizeF(), 9.75);
    EXPECT_FALSE(window->windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint));
}

TEST_F(SettingsWindowTest, EnterAndEscapeLeaveTheWindowOpen)
{
    open();
    QTest::keyClick(find<QLineEdit>("txtPath"), Qt::Key_Return);
    QTest::keyClick(window.get(), Qt::Key_Escape);
    EXPECT_TRUE(window->isVisible());
    EXPECT_FALSE(iniValue(QStringLiteral("Path")).has_value());
}

TEST_F(SettingsWindowTest, ReturnAndEnterPressTheFocusedButton)
{
    dialogs.answerFolder(QDir::toNativeSeparators(folder.path()));
    open();
    QTest::keyClick(find<QPushButton>("cmdPath"), Qt::Key_Enter);
    EXPECT_EQ(Config.Path, QDir::toNativeSeparators(folder.path()) + QDir::separator());
    QTest::keyClick(find<QPushButton>("cmdSave"), Qt::Key_Return);
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(iniValue(QStringLiteral("Path")), QDir::toNativeSeparators(folder.path()) + QDir::separator());

    open();
    QTest::keyClick(find<QLineEdit>("txtPath"), Qt::Key_Backspace);
    QTest::keyClick(find<QPushButton>("cmdCancel"), Qt::Key_Return);
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(Config.Path, QDir::toNativeSeparators(folder.path()) + QDir::separator());
}

TEST_F(SettingsWindowTest, MenuCommandBuildsAModalWindowAnewForEachOpening)
{
    QWidget owner;
    QStringList pathsShown;
    QList<QPointer<QWidget>> opened;
    const auto cancelWhenShown = [&] {
        QTimer::singleShot(0, [&] {
            QWidget* modal = QApplication::activeModalWidget();
            ASSERT_NE(modal, nullptr);
            EXPECT_EQ(modal->parentWidget(), &owner);
            opened.append(modal);
            pathsShown.append(modal->findChild<QLineEdit*>(QStringLiteral("txtPath"))->text());
            modal->findChild<QPushButton*>(QStringLiteral("cmdCancel"))->click();
        });
    };
    for (const QString& path : {QStringLiteral("/first/"), QStringLiteral("/second/")}) {
        Config.Path = path;
        cancelWhenShown();
        frmSettings::showModal(&owner);
    }
    EXPECT_EQ(pathsShown, (QStringList{QStringLiteral("/first/"), QStringLiteral("/second/")}));
    ASSERT_EQ(opened.size(), 2);
    EXPECT_TRUE(opened[0].isNull() && opened[1].isNull());
}

} // namespace
