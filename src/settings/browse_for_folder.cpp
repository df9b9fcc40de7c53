#include "settings/browse_for_folder.h"

#include "platform/dialogs.h"

namespace settings {

QString BrowseForFolder(const QString& title, const QString& startFolder)
{
    return platform::dialogs().chooseFolder(title, startFolder).value_or(QString());
}

} // namespace settings
