#pragma once

#include "global/mod_global.h"

#include <QDialog>
#include <QList>
#include <QStringList>

#include <optional>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace settings {
struct SettingKey;
}

// The settings window. Every edit goes into modGlobal::Config at once; "Speichern" writes the
// whole record to Settings.ini and closes (a failed save is reported and keeps it open);
// "Abbrechen" and the close box close without writing and put Config back to what it held when
// the window opened. Each control carries its name as objectName. The window loads (texts of the
// current language, controls filled from Config) when it is built, so it is meant to be built
// anew for each opening.
class frmSettings : public QDialog
{
    Q_OBJECT

public:
    explicit frmSettings(QWidget* owner = nullptr);

    // The settings command of the main window: builds a new settings window owned by owner, shows
    // it modally and returns once it has been closed and discarded.
    static void showModal(QWidget* owner);

    void reject() override; // "Abbrechen", the close box and the system's close keys

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    // The file-open dialog as this window uses it: set the filters, then showOpen() through the
    // dialog seam gives the chosen file's full path, or nullopt when the user cancels.
    struct FileOpenDialog
    {
        QStringList filters;
        std::optional<QString> showOpen() const;
    };

    void createControls();  // frm_settings_layout.cpp
    void arrangeTabOrder(); // frm_settings_layout.cpp
    void connectReactions();

    void frmSettings_Load();
    void cmdPath_Click();
    void cmdOrvanePath_Click();
    void chkRunOrvane_Click();
    void txtPath_Change();
    void txtOrvanePath_Change();
    void cboLanguage_Change();
    void cmdSave_Click();

    // A setting the settings-key table gives a control of its own, and that control.
    struct ShownSetting
    {
        const settings::SettingKey* setting;
        QWidget* control;
    };
    void createSettingControls(); // frm_settings_layout.cpp
    void showSetting(const ShownSetting& shown);
    void takeSetting(const ShownSetting& shown);

    void enableOrvanePathRow(bool enabled);
    void setLanguageText(const QString& text);

    QGroupBox* fraOptionen = nullptr;
    QLineEdit* txtPath = nullptr;
    QComboBox* cboLanguage = nullptr;
    QPushButton* cmdPath = nullptr;
    QCheckBox* chkRunOrvane = nullptr;
    QLineEdit* txtOrvanePath = nullptr;
    QPushButton* cmdOrvanePath = nullptr;
    QLabel* lblLanguage = nullptr;
    QLabel* lblPath = nullptr;
    QLabel* lblOrvanePath = nullptr;
    QPushButton* cmdCancel = nullptr;
    QPushButton* cmdSave = nullptr;
    QList<ShownSetting> m_shownSettings; // in the order of the table
    FileOpenDialog cdFile;

    const modGlobal::ConfigRecord m_configAtOpen = modGlobal::Config;
};
