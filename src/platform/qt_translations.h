#pragma once

#include <QStringList>

namespace platform {

// The folders where the toolkit's own translations (qtbase_<language>.qm: standard buttons, file
// dialogs) are looked for, in order. The "translations" folder beside the program comes first, so
// that an installed program folder carries its own.
QStringList qtTranslationFolders();

} // namespace platform
