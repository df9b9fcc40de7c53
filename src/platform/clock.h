#pragma once

#include "platform/scoped_override.h"

#include <QDateTime>

namespace platform {

// Local wall-clock time; file names and log lines use it.
QDateTime now();

// Freezes the clock for a test.
class ScopedFixedClock : public ScopedOverride<QDateTime>
{
public:
    explicit ScopedFixedClock(const QDateTime& fixed);
};

} // namespace platform
