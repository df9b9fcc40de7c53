#pragma once

#include <QList>
#include <QString>

namespace language {

// One row of a window's key table: the key in tblComponents, the objectName of the control that
// shows the text, and the property it goes into (by default the control's visible text; a control
// without a label of its own has an "accessibleName" for screen readers). The designed (German)
// texts stand in the windows themselves.
struct ControlText
{
    QString key;
    QString control;
    const char* property = nullptr;
};

// Form key "Main", in the order the texts are applied, the request fields' labels as
// fields::requestFields() declares them. Two keys differ from their control's name ("lblID" -> LblID,
// "cmdCreateGDT" -> cmdCreate); "mnuSettings" also titles the settings window. The status line's
// texts ("Pickup...") are properties of the status line stbPickup.
const QList<ControlText>& mainWindowTexts();

// Form key "Settings", in the order the texts are applied, the controls of settings::settingKeys()
// last; "mnuSettings" sets the title of the window itself, whose objectName is "frmSettings", and
// "fraOption" sets fraOptionen.
const QList<ControlText>& settingsWindowTexts();

} // namespace language
