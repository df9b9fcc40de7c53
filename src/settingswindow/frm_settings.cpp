#include "settingswindow/frm_settings.h"

#include "errors/error_handler.h"
#include "global/mod_global.h"
#include "language/change_language.h"
#include "platform/dialogs.h"
#include "platform/file_writes.h"
#include "platform/message_boxes.h"
#include "settings/settings_file.h"
#include "widgets/accessible_names.h"
#include "widgets/controls.h"
#include "widgets/return_key.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>

#include <variant>

using modGlobal::Config;

namespace settings {

// Asks the user for a file-system folder through the platform's folder chooser, owned by the
// active window, with title shown above the folder tree, opened at startFolder. Returns the folder
// in native separators without a trailing separator, except at a root ("/", "C:\"); an empty text
// when the user cancels or the choice has no file-system path. No error trap: failures reach the
// caller's.
QString BrowseForFolder(const QString& title, const QString& startFolder)
{
    return platform::dialogs().chooseFolder(title, startFolder).value_or(QString());
}

} // namespace settings

namespace {

// A question without an icon, answered Yes or No.
bool userAnswersYes(const QString& text, platform::MessageAnswer defaultAnswer)
{
    platform::MessageRequest question;
    question.text = text;
    question.icon = platform::MessageIcon::None;
    question.buttons = platform::MessageButtons::YesNo;
    question.defaultAnswer = defaultAnswer;
    return platform::showMessage(question) == platform::MessageAnswer::Yes;
}

bool userContinuesWithoutOrvane()
{
    return userAnswersYes(language::msg2ToShow(), platform::MessageAnswer::Yes);
}

// A folder that is not there yet may be a drive or share that is not connected now: the user
// decides. Yes saves it as it is; No, the default, since every request would fail, leaves the
// window open to mend it.
bool userSavesMissingTargetFolder()
{
    return userAnswersYes(language::msg3ToShow(), platform::MessageAnswer::No);
}

} // namespace

std::optional<QString> frmSettings::FileOpenDialog::showOpen() const
{
    return platform::dialogs().chooseFileToOpen(filters);
}

frmSettings::frmSettings(QWidget* owner)
    : QDialog(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                         Qt::WindowCloseButtonHint)
{
    createControls();
    widgets::liftTextLengthLimits(*this);
    widgets::pressFocusedButtonOnReturn(*this);
    widgets::nameComboBoxesAfterTheirLabels(*this);
    arrangeTabOrder();
    connectReactions();
    frmSettings_Load();
}

void frmSettings::connectReactions()
{
    // A change made by this window's code reacts like a user's: text boxes on every text change,
    // check boxes only when their state really changes.
    connect(cmdPath, &QPushButton::clicked, this, &frmSettings::cmdPath_Click);
    connect(cmdOrvanePath, &QPushButton::clicked, this, &frmSettings::cmdOrvanePath_Click);
    connect(chkRunOrvane, &QCheckBox::toggled, this, &frmSettings::chkRunOrvane_Click);
    connect(txtPath, &QLineEdit::textChanged, this, &frmSettings::txtPath_Change);
    connect(txtOrvanePath, &QLineEdit::textChanged, this, &frmSettings::txtOrvanePath_Change);
    // Only typing counts here: a choice from the list (click, arrow keys, wheel) sets the text as
    // well, but must not change Language before the save. Text set by code goes through
    // setLanguageText.
    connect(cboLanguage->lineEdit(), &QLineEdit::textEdited, this, &frmSettings::cboLanguage_Change);
    for (const ShownSetting& shown : m_shownSettings) {
        if (auto* box = qobject_cast<QCheckBox*>(shown.control))
            connect(box, &QCheckBox::toggled, this, [this, shown] { takeSetting(shown); });
        else
            connect(static_cast<QSpinBox*>(shown.control), &QSpinBox::valueChanged, this,
                    [this, shown] { takeSetting(shown); });
    }
    connect(cmdSave, &QPushButton::clicked, this, &frmSettings::cmdSave_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);
}

void frmSettings::keyPressEvent(QKeyEvent* event)
{
    // Esc is bound to no button; only the close box and the system's close keys close unasked.
    if (event->key() == Qt::Key_Escape) {
        event->ignore();
        return;
    }
    QDialog::keyPressEvent(event);
}

void frmSettings::frmSettings_Load()
{
    errors::trap(QStringLiteral("frmSettings_Load"), [this] {
        modGlobal::ChangeLanguage(QStringLiteral("Settings"), *this);
        widgets::nameComboBoxesAfterTheirLabels(*this);
        txtPath->setText(Config.Path);
        // When on, the check box's reaction fills the path row; when off, the row stays empty and
        // OrvanePath keeps its value.
        chkRunOrvane->setChecked(Config.RunOrvane);
        enableOrvanePathRow(Config.RunOrvane);
        cboLanguage->addItems({QStringLiteral("Deutsch"), QStringLiteral("English")});
        cboLanguage->setCurrentIndex(cboLanguage->findText(Config.Language));
        setLanguageText(Config.Language);
        for (const ShownSetting& shown : m_shownSettings)
            showSetting(shown);
    });
}

void frmSettings::cmdPath_Click()
{
    errors::trap(QStringLiteral("cmdPath_Click"), [this] {
        // Opened at the folder in force, so that a change starts from where the requests go now.
        const QString chosen =
            settings::BrowseForFolder(QStringLiteral("Bitte wählen Sie einen Ordner..."), Config.Path);
        if (!chosen.isEmpty())
            Config.Path = chosen;
        // Request file names are appended to the folder directly.
        Config.Path = platform::folderWithFinalSeparator(Config.Path);
        txtPath->setText(Config.Path);
    });
}

void frmSettings::cmdOrvanePath_Click()
{
    errors::trap(QStringLiteral("cmdOrvanePath_Click"), [this] {
        // The viewer is no Windows program here and has no ".exe" ending: "all files" lets it be chosen.
        cdFile.filters = {QStringLiteral("Ausführbare Dateien (.exe) (*.exe)"), QStringLiteral("Alle Dateien (*)")};
        // A cancel keeps the path the user had.
        if (const auto file = cdFile.showOpen())
            txtOrvanePath->setText(*file);
    });
}

void frmSettings::chkRunOrvane_Click()
{
    errors::trap(QStringLiteral("chkRunOrvane_Click"), [this] {
        Config.RunOrvane = chkRunOrvane->isChecked();
        enableOrvanePathRow(Config.RunOrvane);
        // Clearing forgets the path through the box's reaction; checking again shows it empty.
        txtOrvanePath->setText(Config.RunOrvane ? Config.OrvanePath : QString());
    });
}

void frmSettings::txtPath_Change()
{
    // Taken as typed: the final separator is added only by the folder chooser.
    errors::trap(QStringLiteral("txtPath_Change"), [this] { Config.Path = txtPath->text(); });
}

void frmSettings::txtOrvanePath_Change()
{
    errors::trap(QStringLiteral("txtOrvanePath_Change"), [this] { Config.OrvanePath = txtOrvanePath->text(); });
}

void frmSettings::cboLanguage_Change()
{
    errors::trap(QStringLiteral("cboLanguage_Change"), [this] { Config.Language = cboLanguage->currentText(); });
}

void frmSettings::showSetting(const ShownSetting& shown)
{
    if (auto* box = qobject_cast<QCheckBox*>(shown.control))
        box->setChecked(Config.*std::get<settings::SwitchMember>(shown.setting->member));
    else
        static_cast<QSpinBox*>(shown.control)
            ->setValue(Config.*std::get<settings::MinutesMember>(shown.setting->member));
}

void frmSettings::takeSetting(const ShownSetting& shown)
{
    const auto take = [&] {
        if (auto* box = qobject_cast<QCheckBox*>(shown.control))
            Config.*std::get<settings::SwitchMember>(shown.setting->member) = box->isChecked();
        else
            Config.*std::get<settings::MinutesMember>(shown.setting->member) =
                static_cast<QSpinBox*>(shown.control)->value();
    };
    if (const char* trapName = shown.setting->control->trapName)
        errors::trap(QLatin1String(trapName), take);
    else
        take();
}

void frmSettings::cmdSave_Click()
{
    errors::trap(QStringLiteral("cmdSave_Click"), [this] {
        // Blanks around a folder are typing slips, and a request would go to a folder that does
        // not exist. The box shows what is saved.
        Config.Path = Config.Path.trimmed();
        txtPath->setText(Config.Path);
        // An empty path is the start folder, which exists.
        if (!Config.Path.isEmpty() && !QFileInfo(Config.Path).isDir() && !userSavesMissingTargetFolder())
            return;
        // An empty path or a folder is no program.
        if (Config.RunOrvane && !QFileInfo(Config.OrvanePath).isFile() && userContinuesWithoutOrvane()) {
            chkRunOrvane->setChecked(false);
            enableOrvanePathRow(false);
            Config.RunOrvane = false;
        }
        // The box's text counts whether it was typed or chosen from the list.
        Config.Language = cboLanguage->currentText();
        // Each setting control's state counts as shown.
        for (const ShownSetting& shown : m_shownSettings)
            takeSetting(shown);
        // A failed save is reported by SaveConfig; the window stays open, so that the user can
        // mend the cause and save again, or cancel.
        if (modGlobal::SaveConfig())
            accept();
    });
}

void frmSettings::reject()
{
    // Closing without saving takes back every edit, so a cancelled target folder is never used.
    Config = m_configAtOpen;
    QDialog::reject();
}

void frmSettings::enableOrvanePathRow(bool enabled)
{
    txtOrvanePath->setEnabled(enabled);
    cmdOrvanePath->setEnabled(enabled);
}

void frmSettings::setLanguageText(const QString& text)
{
    cboLanguage->setEditText(text);
    cboLanguage_Change();
}

void frmSettings::showModal(QWidget* owner)
{
    auto* window = new frmSettings(owner);
    // exec() deletes the window when it returns, and copes with the owner deleting it first.
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->exec();
}
