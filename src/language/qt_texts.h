#pragma once

#include <QString>

namespace language {

// Makes the toolkit's own texts (standard buttons such as Yes and No, the file dialogs) follow the
// window language: loads qtbase_<language>.qm for the locale whose language is called languageName
// (its own name, "Deutsch", or its English name, "German"), from the "translations" folder
// beside the program, else from the system's copy, and drops the one loaded before. A name no locale
// has, English, or a missing file leave the toolkit's built-in English texts.
void useQtTexts(const QString& languageName);

} // namespace language
