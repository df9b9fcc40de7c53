#include "platform/process_launch.h"

#include <QProcess>

// X11 and Wayland give the starting program no say over the new window's state: it opens as its
// window manager places it.

namespace platform {

QString launchDetached(const QString& program)
{
    QProcess process;
    process.setProgram(program);
    process.setStandardInputFile(QProcess::nullDevice());
    return process.startDetached() ? QString() : process.errorString();
}

} // namespace platform
