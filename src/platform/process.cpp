#include "platform/process.h"

#include "runtime_errors/runtime_error.h"

#include <QDir>
#include <QFileInfo>

namespace platform {

void startProgramDetached(const QString& path)
{
    if (path.isEmpty())
        throw errors::invalidProcedureCall(QStringLiteral("no program to start"));
    // The user looks for the path as typed in the settings, so the errors show it so.
    const errors::ShownPath shown = errors::ShownPath::asTyped(path);
    // An absolute path keeps the system from looking the name up in PATH.
    const QFileInfo program(QDir::fromNativeSeparators(path));
    if (!program.isFile())
        throw errors::fileNotFound(shown);
    const QString failure = launchDetached(program.absoluteFilePath(), program.absolutePath(), path);
    if (!failure.isEmpty())
        throw errors::permissionDenied(shown, QStringLiteral("cannot start it: ") + failure);
}

} // namespace platform
