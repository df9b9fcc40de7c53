// The controls of the settings window with their design texts, places and keyboard order.

#include "settingswindow/frm_settings.h"

#include "settings/settings_file.h"
#include "widgets/controls.h"
#include "widgets/frame_look.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>

#include <algorithm>
#include <utility>
#include <variant>

namespace {

// A control's place in twips (1/1440 inch): left, top, width, height relative to its parent.
using Twips = QRect;

QLabel* placeLabel(QWidget* parent, const char* name, const QString& text, QWidget* buddy, const Twips& twips)
{
    auto* label = widgets::placeControl<QLabel>(parent, name, text, twips);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    // Screen readers announce the field by this label.
    label->setBuddy(buddy);
    return label;
}

// Neither button answers Enter: a dialog makes push buttons default buttons unless told not to.
QPushButton* placeButton(QWidget* parent, const char* name, const QString& text, const Twips& twips)
{
    auto* button = widgets::placeControl<QPushButton>(parent, name, text, twips);
    button->setAutoDefault(false);
    return button;
}

} // namespace

void frmSettings::createControls()
{
    setObjectName(QStringLiteral("frmSettings"));
    setWindowTitle(QStringLiteral("Einstellungen"));
    QFont arial(QStringLiteral("Arial"));
    arial.setPointSizeF(9.75);
    setFont(arial);
    setFixedSize(widgets::twipsRect(0, 0, 8805, 3990, this).size());

    // In the order of creation, which is also the stacking order.
    fraOptionen = widgets::placeControl<QGroupBox>(this, "fraOptionen", {120, 120, 8415, 3015});
    widgets::applyDesignedFrameLook(*fraOptionen);
    fraOptionen->setTitle(QStringLiteral("Optionen"));
    txtPath = widgets::placeControl<QLineEdit>(fraOptionen, "txtPath", {1200, 240, 6375, 375});
    cboLanguage = widgets::placeControl<QComboBox>(fraOptionen, "cboLanguage", {1080, 2400, 1575, 360});
    cboLanguage->setEditable(true);
    // Typed text is a language name of its own: no completion to a list entry, no new entries.
    cboLanguage->setCompleter(nullptr);
    cboLanguage->setInsertPolicy(QComboBox::NoInsert);
    cboLanguage->setEditText(QStringLiteral("cboLanguage"));
    cmdPath = placeButton(fraOptionen, "cmdPath", QStringLiteral("..."), {7800, 240, 375, 375});
    // Both choosers show "..."; their names tell them apart. The language texts replace them.
    cmdPath->setAccessibleName(QStringLiteral("Zielpfad wählen"));
    chkRunOrvane = widgets::placeControl<QCheckBox>(
        fraOptionen, "chkRunOrvane", QStringLiteral("Orvane nach dem GDT erstellen starten"), {120, 720, 4215, 375});
    txtOrvanePath = widgets::placeControl<QLineEdit>(fraOptionen, "txtOrvanePath", {1920, 1080, 5775, 375});
    cmdOrvanePath = placeButton(fraOptionen, "cmdOrvanePath", QStringLiteral("..."), {7800, 1080, 375, 375});
    cmdOrvanePath->setAccessibleName(QStringLiteral("Orvane.exe wählen"));
    lblLanguage =
        placeLabel(fraOptionen, "lblLanguage", QStringLiteral("Sprache:"), cboLanguage, {120, 2400, 975, 255});
    lblPath = placeLabel(fraOptionen, "lblPath", QStringLiteral("Zielpfad:"), txtPath, {120, 360, 1215, 255});
    lblOrvanePath = placeLabel(fraOptionen, "lblOrvanePath", QStringLiteral("Orvane.exe-Pfad:"), txtOrvanePath,
                               {120, 1200, 1575, 255});
    createSettingControls();
    cmdCancel = placeButton(this, "cmdCancel", QStringLiteral("Abbrechen"), {7320, 3360, 1215, 495});
    cmdSave = placeButton(this, "cmdSave", QStringLiteral("Speichern"), {6000, 3360, 1215, 495});
}

void frmSettings::createSettingControls()
{
    for (const settings::SettingKey& setting : settings::settingKeys()) {
        if (!setting.control)
            continue;
        const settings::SettingControl& shown = *setting.control;
        QWidget* control = nullptr;
        if (std::holds_alternative<settings::SwitchMember>(setting.member)) {
            control = widgets::placeControl<QCheckBox>(fraOptionen, shown.name, shown.text, shown.place);
        } else {
            auto* box = widgets::placeControl<QSpinBox>(fraOptionen, shown.name, shown.place);
            box->setRange(0, settings::kMaxPickupMinutes);
            box->setSpecialValueText(shown.text); // 0 turns the setting off
            control = box;
        }
        if (shown.label)
            placeLabel(fraOptionen, shown.label->name, shown.label->text, control, shown.label->place);
        m_shownSettings.append({&setting, control});
    }
}

void frmSettings::arrangeTabOrder()
{
    // By tab index, the setting controls' from their table. The frame and the labels take no
    // focus; disabled controls are passed over.
    QList<std::pair<int, QWidget*>> order{{0, cmdSave},      {1, cmdCancel}, {3, cmdOrvanePath}, {4, txtOrvanePath},
                                          {5, chkRunOrvane}, {6, cmdPath},   {11, cboLanguage},  {12, txtPath}};
    for (const ShownSetting& shown : m_shownSettings)
        order.append({shown.setting->control->tabIndex, shown.control});
    std::sort(order.begin(), order.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    for (qsizetype i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order[i - 1].second, order[i].second);
    cmdSave->setFocus();
}
