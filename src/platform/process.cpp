#include "platform/process.h"

#include "errors/runtime_error.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>

namespace platform {

void startProgramDetached(const QString& path)
{
    using errors::RuntimeError;
    if (path.isEmpty())
        throw RuntimeError(errors::kInvalidProcedureCall,
                           QStringLiteral("Invalid procedure call or argument: no program to start"));
    // An absolute path keeps QProcess from looking the name up in PATH.
    const QFileInfo program(QDir::fromNativeSeparators(path));
    const QString absolute = program.absoluteFilePath();
    if (!program.isFile())
        throw RuntimeError(errors::kFileNotFound, QStringLiteral("File not found: %1").arg(path));
    QProcess process;
    process.setProgram(absolute);
    process.setStandardInputFile(QProcess::nullDevice());
    if (!process.startDetached())
        throw RuntimeError(errors::kPermissionDenied,
                           QStringLiteral("Cannot start %1 (%2)").arg(path, process.errorString()));
}

} // namespace platform
