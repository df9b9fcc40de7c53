#include "settings/browse_for_folder.h"

#include "platform/dialogs.h"

namespace settings {

QString BrowseForFolder(const QString& title)
{
    return platform::dialogs().chooseFolder(title).value_or(QString());
}

} // namespace settings
