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

ScopedProgramFolder::ScopedProgramFolder(const QString& folder) : m_previous(overriddenFolder())
{
    overriddenFolder() = folder;
}

ScopedProgramFolder::~ScopedProgramFolder()
{
    overriddenFolder() = m_previous;
}

} // namespace platform
