#include "language/form_texts.h"

namespace language {

const QList<ControlText>& mainWindowTexts()
{
    static const QList<ControlText> texts = {
        {QStringLiteral("mnuFile"), QStringLiteral("mnuFile"), QStringLiteral("Datei")},
        {QStringLiteral("mnuClose"), QStringLiteral("mnuClose"), QStringLiteral("Schließen")},
        {QStringLiteral("mnuView"), QStringLiteral("mnuView"), QStringLiteral("Ansicht")},
        {QStringLiteral("mnuSettings"), QStringLiteral("mnuSettings"), QStringLiteral("Einstellungen")},
        {QStringLiteral("fraData"), QStringLiteral("fraData"), QStringLiteral("GDT-Daten")},
        {QStringLiteral("lblID"), QStringLiteral("LblID"), QStringLiteral("Patienten ID:")},
        {QStringLiteral("lblName"), QStringLiteral("lblName"), QStringLiteral("Vorname:")},
        {QStringLiteral("lblSurname"), QStringLiteral("lblSurname"), QStringLiteral("Nachname:")},
        {QStringLiteral("lblBirthday"), QStringLiteral("lblBirthday"), QStringLiteral("Geburtstag:")},
        {QStringLiteral("lblGender"), QStringLiteral("lblGender"), QStringLiteral("Geschlecht:")},
        {QStringLiteral("lblDate"), QStringLiteral("lblDate"), QStringLiteral("Untersuchungsdatum:")},
        {QStringLiteral("lblTime"), QStringLiteral("lblTime"), QStringLiteral("Untersuchungszeit:")},
        {QStringLiteral("lblSchedPhysician"), QStringLiteral("lblSchedPhysician"),
         QStringLiteral("überweisender Arzt:")},
        {QStringLiteral("cmdClear"), QStringLiteral("cmdClear"), QStringLiteral("Felder löschen")},
        {QStringLiteral("cmdCreateGDT"), QStringLiteral("cmdCreate"), QStringLiteral("Erstelle GDT")},
        {QStringLiteral("lblModality"), QStringLiteral("lblModality"), QStringLiteral("Modalität:")},
    };
    return texts;
}

const QList<ControlText>& settingsWindowTexts()
{
    static const QList<ControlText> texts = {
        {QStringLiteral("fraOption"), QStringLiteral("fraOptionen"), QStringLiteral("Optionen")},
        {QStringLiteral("lblPath"), QStringLiteral("lblPath"), QStringLiteral("Zielpfad:")},
        {QStringLiteral("chkRunOrvane"), QStringLiteral("chkRunOrvane"),
         QStringLiteral("Orvane nach dem GDT erstellen starten")},
        {QStringLiteral("lblOrvanePath"), QStringLiteral("lblOrvanePath"), QStringLiteral("Orvane.exe-Pfad:")},
        {QStringLiteral("mnuSettings"), QStringLiteral("frmSettings"), QStringLiteral("Einstellungen")},
        {QStringLiteral("lblLanguage"), QStringLiteral("lblLanguage"), QStringLiteral("Sprache:")},
        {QStringLiteral("chkImport"), QStringLiteral("chkImport"), QStringLiteral("Textdatei importieren")},
        {QStringLiteral("cmdSave"), QStringLiteral("cmdSave"), QStringLiteral("Speichern")},
        {QStringLiteral("cmdCancel"), QStringLiteral("cmdCancel"), QStringLiteral("Abbrechen")},
        {QStringLiteral("chkModality"), QStringLiteral("chkModality"), QStringLiteral("Modalität hinzufügen")},
    };
    return texts;
}

} // namespace language
