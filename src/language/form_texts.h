#pragma once

#include <QList>
#include <QString>

namespace language {

// One row of a window's key table: the key in tblComponents, the objectName of the
// control that shows the text, and the text the window is designed with (the German text).
struct ControlText
{
    QString key;
    QString control;
    QString designedText;
};

// Form key "Main", in the order the texts are applied. Three keys differ from their control's name
// ("lblID" -> LblID, "cmdCreateGDT" -> cmdCreate); "mnuSettings" also titles the settings window.
const QList<ControlText>& mainWindowTexts();

// Form key "Settings", in the order the texts are applied; "mnuSettings" sets the title of the window
// itself, whose objectName is "frmSettings", and "fraOption" sets fraOptionen.
const QList<ControlText>& settingsWindowTexts();

// The two message keys and their defaults when the database has no row for them (English,
// whatever the language).
inline const QString kMsg1Key = QStringLiteral("Msg_1");
inline const QString kMsg2Key = QStringLiteral("Msg_2");
inline const QString kMsg1Default = QStringLiteral("GDT-file has been created.");
inline const QString kMsg2Default =
    QStringLiteral("The path for Orvane.exe is not correct.\r\nDo you want to continue without Orvane?");

} // namespace language
