#include "fake_windows.h"

#include <QVariant>

namespace testsupport {
namespace {

QObject* addControl(QObject& parent, const char* name, const char* property, const QString& text)
{
    auto* control = new QObject(&parent);
    control->setObjectName(QString::fromLatin1(name));
    control->setProperty(property, text);
    return control;
}

} // namespace

std::unique_ptr<QObject> makeMainWindow()
{
    auto window = std::make_unique<QObject>();
    window->setObjectName(QStringLiteral("frmMain"));
    window->setProperty("windowTitle", QStringLiteral("Lumvik Version 1.0.4"));
    QObject* file = addControl(*window, "mnuFile", "title", QStringLiteral("Datei"));
    addControl(*file, "mnuClose", "text", QStringLiteral("Schließen"));
    QObject* view = addControl(*window, "mnuView", "title", QStringLiteral("Ansicht"));
    addControl(*view, "mnuSettings", "text", QStringLiteral("Einstellungen"));
    QObject* frame = addControl(*window, "fraData", "title", QStringLiteral("GDT-Daten"));
    addControl(*frame, "LblID", "text", QStringLiteral("Patienten ID:"));
    addControl(*frame, "lblName", "text", QStringLiteral("Vorname:"));
    addControl(*frame, "lblSurname", "text", QStringLiteral("Nachname:"));
    addControl(*frame, "lblBirthday", "text", QStringLiteral("Geburtstag:"));
    addControl(*frame, "lblGender", "text", QStringLiteral("Geschlecht:"));
    addControl(*frame, "lblDate", "text", QStringLiteral("Untersuchungsdatum:"));
    addControl(*frame, "lblTime", "text", QStringLiteral("Untersuchungszeit:"));
    addControl(*frame, "lblSchedPhysician", "text", QStringLiteral("überweisender Arzt:"));
    addControl(*frame, "lblModality", "text", QStringLiteral("Modalität:"));
    addControl(*window, "cmdClear", "text", QStringLiteral("Felder löschen"));
    addControl(*window, "cmdCreate", "text", QStringLiteral("Erstelle GDT"));
    // A control the language never changes.
    addControl(*frame, "lblDateExample", "text", QStringLiteral("TT.MM.JJJJ"));
    return window;
}

std::unique_ptr<QObject> makeSettingsWindow()
{
    auto window = std::make_unique<QObject>();
    window->setObjectName(QStringLiteral("frmSettings"));
    window->setProperty("windowTitle", QStringLiteral("Einstellungen"));
    QObject* frame = addControl(*window, "fraOptionen", "title", QStringLiteral("Optionen"));
    addControl(*frame, "lblPath", "text", QStringLiteral("Zielpfad:"));
    addControl(*frame, "chkRunOrvane", "text", QStringLiteral("Orvane nach dem GDT erstellen starten"));
    addControl(*frame, "lblOrvanePath", "text", QStringLiteral("Orvane.exe-Pfad:"));
    addControl(*frame, "lblLanguage", "text", QStringLiteral("Sprache:"));
    addControl(*frame, "chkImport", "text", QStringLiteral("Textdatei importieren"));
    addControl(*frame, "chkModality", "text", QStringLiteral("Modalität hinzufügen"));
    addControl(*window, "cmdSave", "text", QStringLiteral("Speichern"));
    addControl(*window, "cmdCancel", "text", QStringLiteral("Abbrechen"));
    return window;
}

QString textOf(const QObject& window, const QString& control)
{
    const QObject* object = window.objectName() == control ? &window : window.findChild<QObject*>(control);
    if (!object)
        return QStringLiteral("<no control %1>").arg(control);
    for (const char* property : {"text", "title", "windowTitle"}) {
        const QVariant value = object->property(property);
        if (value.isValid())
            return value.toString();
    }
    return QStringLiteral("<no text>");
}

} // namespace testsupport
