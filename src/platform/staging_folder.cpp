#include "platform/staging_folder.h"

#include "runtime_errors/runtime_error.h"

namespace platform {

StagingFolder StagingFolder::open(const QString& path)
{
    if (auto existing = openExisting(path))
        return std::move(*existing);
    createFolder(path);
    if (auto created = openExisting(path))
        return std::move(*created);
    throw errors::pathFileAccessError(path, QStringLiteral("the folder vanished as it was created"));
}

QString StagingFolder::filePath(const QString& name) const
{
    return m_path + QLatin1Char('/') + name;
}

} // namespace platform
