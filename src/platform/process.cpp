#include "platform/process.h"

#include "errors/runtime_error.h"
#include "platform/process_launch.h"

#include <QDir>
#include <QFileInfo>

namespace platform {

void startProgramDetached(const QString& path)
{
    if (path.isEmpty())
        throw errors::invalidProcedureCall(QStringLiteral("no program to start"));
    // An absolute path keeps the system from looking the name up in PATH.
    const QFileInfo program(QDir::fromNativeSeparators(path));
    if (!program.isFile())
        throw errors::fileNotFound(path);
    const QString failure = launchDetached(program.absoluteFilePath());
    if (!failure.isEmpty())
        throw errors::permissionDenied(path, QStringLiteral("cannot start it: ") + failure);
}

} // namespace platform
