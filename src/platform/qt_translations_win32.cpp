#include "platform/qt_translations.h"

#include "platform/program_folder.h"

namespace platform {

// Windows has no system copy of Qt's texts: the program folder carries them.
QStringList qtTranslationFolders()
{
    return {programFolder() + QStringLiteral("/translations")};
}

} // namespace platform
