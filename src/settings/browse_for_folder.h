#pragma once

#include <QString>

namespace settings {

// Asks the user for a file-system folder through the platform's folder chooser, owned by the
// active window, with title shown above the folder tree, opened at startFolder. Returns the folder in native separators
// without a trailing separator, except at a root ("/", "C:\"); an empty text when the user
// cancels or the choice has no file-system path. No error trap: failures reach the caller's.
QString BrowseForFolder(const QString& title, const QString& startFolder);

} // namespace settings
