#pragma once

#include <QObject>
#include <QString>

namespace language {

// Message texts, set by ChangeLanguage("Main", ...): the confirmation after a request file was
// written, and the settings window's question about a missing viewer program.
extern QString Msg_1;
extern QString Msg_2;

// Applies the texts of settings::Config.Language from Language.mdb beside the program to the
// controls of window, found by objectName. formKey "Main" (main window, also loads Msg_1/Msg_2)
// or "Settings" (settings window); other keys change nothing. Failures are reported through
// errors::Error_Handler under "ChangeLanguage" and leave every text as it was.
void ChangeLanguage(const QString& formKey, QObject& window);

} // namespace language
