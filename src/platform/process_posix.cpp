#include "platform/process_launch.h"

#include <QProcess>

// X11 and Wayland give the starting program no say over the new window's state: it opens as its
// window manager places it. Any executable file is a program here; there is no opening by type.

namespace platform {

QString launchDetached(const QString& file, const QString& workingFolder, const QString&)
{
    QProcess process;
    process.setProgram(file);
    process.setWorkingDirectory(workingFolder);
    process.setStandardInputFile(QProcess::nullDevice());
    return process.startDetached() ? QString() : process.errorString();
}

} // namespace platform
