#pragma once

#include <QLockFile>
#include <QString>

#include <memory>

namespace platform {

// One running Lumvik per program folder and user. The lock file carries the owner's process id,
// so a lock left behind by a crashed instance is recognised as stale and taken over.
class SingleInstance
{
public:
    explicit SingleInstance(const QString& programFolder);
    // True when this process now holds the lock; false when another instance runs.
    bool acquire();

private:
    std::unique_ptr<QLockFile> m_lock;
};

} // namespace platform
