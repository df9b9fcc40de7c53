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
    chkModality = widgets::placeControl<QCheckBox>(fraOptionen, "chkModality", QStringLiteral("Modalität hinzufügen"),
                                                   {2760, 1680, 3015, 375});
    txtPath = widgets::placeControl<QLineEdit>(fraOptionen, "txtPath", {1200, 240, 6375, 375});
    cboLanguage = widgets::placeControl<QComboBox>(fraOptionen, "cboLanguage", {1080, 2400, 1575, 360});
    cboLanguage->setEditable(true);
    // Typed text is a language name of its own: no completion to a list entry, no new entries.
    cboLanguage->setCompleter(nullptr);
    cboLanguage->setInsertPolicy(QComboBox::NoInsert);
    cboLanguage->setEditText(QStringLiteral("cboLanguage"));
    chkImport = widgets::placeControl<QCheckBox>(fraOptionen, "chkImport", QStringLiteral("Textdatei importieren"),
                                                 {120, 1680, 2535, 375});
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
    txtPickupMinutes = widgets::placeControl<QSpinBox>(fraOptionen, "txtPickupMinutes", {5400, 2400, 855, 360});
    txtPickupMinutes->setRange(0, settings::kMaxPickupMinutes);
    txtPickupMinutes->setSpecialValueText(QStringLiteral("aus")); // 0 turns the watch off
    lblPickupMinutes = placeLabel(fraOptionen, "lblPickupMinutes", QStringLiteral("Abholfrist (Minuten):"),
                                  txtPickupMinutes, {2880, 2400, 2415, 255});
    cmdCancel = placeButton(this, "cmdCancel", QStringLiteral("Abbrechen"), {7320, 3360, 1215, 495});
    cmdSave = placeButton(this, "cmdSave", QStringLiteral("Speichern"), {6000, 3360, 1215, 495});
}

void frmSettings::arrangeTabOrder()
{
    // The frame and the labels take no focus; disabled controls are passed over.
    const QList<QWidget*> order{cmdSave,   cmdCancel,   cmdOrvanePath, txtOrvanePath, chkRunOrvane,    cmdPath,
                                chkImport, cboLanguage, txtPath,       chkModality,   txtPickupMinutes};
    for (qsizetype i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
    cmdSave->setFocus();
}
