#include "platform/process.h"

#include "errors/runtime_error.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>

namespace platform {

void startProgramDetached(const QString& path)
{
    if (path.isEmpty())
        throw errors::invalidProcedureCall(QStringLiteral("no program to start"));
    // An absolute path keeps QProcess from looking the name up in PATH.
    const QFileInfo program(QDir::fromNativeSeparators(path));
    const QString absolute = program.absoluteFilePath();
    if (!program.isFile())
        throw errors::fileNotFound(path);
    QProcess process;
    process.setProgram(absolute);
    process.setStandardInputFile(QProcess::nullDevice());
    if (!process.startDetached())
        throw errors::permissionDenied(path, QStringLiteral("cannot start it: ") + process.errorString());
}

} // namespace platform
