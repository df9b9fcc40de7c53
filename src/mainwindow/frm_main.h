#pragma once

#include "fields/request_fields.h"
#include "import/import_timer.h"
#include "runtime_errors/runtime_error.h"

#include <QDateTime>
#include <QMainWindow>

#include <optional>

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTimer;
class ImportTextBox;
class PickupStatusLine;
namespace pickup {
class Monitor;
}

// The main window: entry fields for one patient and one examination, the create and clear
// commands, the import box with its polling timer, the menus, and the status line that follows
// each request until the device takes it.
class frmMain : public QMainWindow, private import::ImportWindow
{
    Q_OBJECT

public:
    explicit frmMain(QWidget* parent = nullptr);

    // Start-up after the single-instance check: caption, Temp folder, settings, language, size,
    // example labels, gender list, modality field, leftover import files, and the one look for
    // requests older than PickupMinutes in the target folder. A Temp folder that cannot be used is
    // reported and keeps the import timer off; the rest goes on. Any other failure is reported
    // under "frmMain_Load" and leaves the window in the state reached.
    void Form_Load();

    // A viewer that cannot be started is reported, and the written request still counts as done.
    void cmdCreate_Click();
    void cmdClear_Click();
    void mnuClose_Click();
    void mnuSettings_Click();
    void tmrTxtTimer_Timer();
    // Runs before the window closes, for any reason: closes every window, without a question.
    void Form_QueryUnload();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    QString importText() const override;
    void setImportTimerEnabled(bool enabled) override;
    void setImportedFields(const fields::RequestFields& record) override;

    void buildMenus();
    void buildDataFrame(QWidget* central);
    void buildCommands(QWidget* central);
    void buildStatusLine();
    void setFocusOrder();
    void addRequestField(const fields::RequestField& field);
    QWidget* requestFieldControl(const fields::RequestField& field) const;
    QString requestFieldText(const fields::RequestField& field) const;
    // Empties the fields rank puts in order, in that order (fields::requestFieldsBy).
    void clearRequestFields(int fields::RequestField::*rank);
    // Resizes the window; on a screen too small for it, the import box gives way.
    void setOuterHeight(int twips);
    int outerHeight(int twips) const; // in pixels, for a designed outer height in twips
    int fitImportBoxToScreen(int height);
    bool readWaitingImportText();

    // Why the settings are not loaded: a Settings.ini LoadConfig could not read at all, or a
    // start-up that never ran. Requests would go to the start folder with empty settings, so none
    // is written while it is set.
    std::optional<errors::RuntimeError> m_settingsNotLoaded =
        errors::invalidProcedureCall(QStringLiteral("the start-up has not run"));

    QGroupBox* fraData = nullptr;
    // The request fields' controls, txtID to txtSchedPhysician, are built from fields::requestFields()
    // and found by their names; these have more to do than hold a text.
    QComboBox* cboGender = nullptr;
    QLabel* lblModality = nullptr;
    QLineEdit* txtModality = nullptr;
    QLabel* lblExample = nullptr;
    QLabel* lblExample2 = nullptr;
    QPushButton* cmdClear = nullptr;
    QPushButton* cmdCreate = nullptr;
    ImportTextBox* txtContent = nullptr;
    QTimer* tmrTxtTimer = nullptr;
    PickupStatusLine* stbPickup = nullptr;
    pickup::Monitor* m_pickup = nullptr;
    QString m_textReadByImport; // the import box's text as the last tick read it
    // When a press of cmdCreate last read the import box instead of writing: the second click of
    // a double-click must not write what the user has not yet seen in the fields.
    QDateTime m_importReadByCreate;
};
