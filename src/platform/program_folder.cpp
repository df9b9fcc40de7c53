#include "platform/program_folder.h"

#include <QCoreApplication>

namespace platform {
namespace {
QString& overriddenFolder()
{
    static QString folder;
    return folder;
}
} // namespace

QString programFolder()
{
    if (!overriddenFolder().isEmpty())
        return overriddenFolder();
    return QCoreApplication::applicationDirPath();
}

ScopedProgramFolder::ScopedProgramFolder(const QString& folder) : ScopedOverride(overriddenFolder(), folder) {}

} // namespace platform
