#include "platform/process.h"

#include "errors/runtime_error.h"
#include "platform/process_launch.h"

#include <QDir>
#include <QFileInfo>

namespace platform {

void startProgramDetached(const QString& path)
{
    using errors::RuntimeError;
    if (path.isEmpty())
        throw RuntimeError(errors::kInvalidProcedureCall,
                           QStringLiteral("Invalid procedure call or argument: no program to start"));
    // An absolute path keeps the system from looking the name up in PATH.
    const QFileInfo program(QDir::fromNativeSeparators(path));
    if (!program.isFile())
        throw RuntimeError(errors::kFileNotFound, QStringLiteral("File not found: %1").arg(path));
    const QString failure = launchDetached(program.absoluteFilePath());
    if (!failure.isEmpty())
        throw RuntimeError(errors::kPermissionDenied, QStringLiteral("Cannot start %1 (%2)").arg(path, failure));
}

} // namespace platform
