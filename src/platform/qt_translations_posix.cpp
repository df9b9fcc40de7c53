#include "platform/qt_translations.h"

#include "platform/program_folder.h"

#include <QLibraryInfo>

namespace platform {

QStringList qtTranslationFolders()
{
    // Then the system's copy, which a distribution ships with its Qt.
    return {programFolder() + QStringLiteral("/translations"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)};
}

} // namespace platform
