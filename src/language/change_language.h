#pragma once

#include "global/mod_global.h"
#include "language/language_rows.h"

#include <QObject>
#include <QString>

// The language procedures of the process-wide module, which fill Msg_1 to Msg_3 of
// global/mod_global.h.
namespace modGlobal {

// Applies the texts of Config.Language from Language.mdb beside the program to the controls of
// window, found by objectName. formKey "Main" (main window, also loads Msg_1 to Msg_3) or
// "Settings" (settings window); other keys change nothing. Failures are reported through
// errors::Error_Handler under "ChangeLanguage" and leave every text as it was.
void ChangeLanguage(const QString& formKey, QObject& window);

// The value of the first row whose key equals componentName exactly; defaultText when no row
// has that key. A NULL value is reported through errors::Error_Handler under "Language"
// (94, "Invalid use of Null") and gives an empty text; a zero-length text is returned as such.
QString Language(const language::LanguageRows& rows, const QString& componentName, const QString& defaultText);

} // namespace modGlobal

namespace language {

// What the windows show for Msg_1 to Msg_3: the loaded text, or the same English text as for a
// missing row while the text is empty (ChangeLanguage("Main") failed or has not run).
QString msg1ToShow();
QString msg2ToShow();
QString msg3ToShow();

// ChangeLanguage after the rows were fetched: works through the key table of formKey (compared
// exactly, letter case included) and sets each control's text to Language(rows, key, its
// current text). A control is the object named in the table inside window's object tree, or
// window itself when window carries that name; its text is the property the table names
// ("accessibleName" for a control without a label), else its "text" property, else "title"
// (group boxes, menus), else "windowTitle" (the settings window). A control that is missing
// is left out, but its key is still looked up, so a NULL row is reported all the same. For
// "Main" it then sets Msg_1 to Msg_3.
void applyLanguage(const QString& formKey, QObject& window, const LanguageRows& rows);

// Programfolder/Language.mdb.
QString languageDatabasePath();

} // namespace language
