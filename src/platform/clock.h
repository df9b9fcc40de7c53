#pragma once

#include <QDateTime>

namespace platform {

// Local wall-clock time; file names and log lines use it.
QDateTime now();

// Freezes the clock for a test.
class ScopedFixedClock
{
public:
    explicit ScopedFixedClock(const QDateTime& fixed);
    ~ScopedFixedClock();
    ScopedFixedClock(const ScopedFixedClock&) = delete;
    ScopedFixedClock& operator=(const ScopedFixedClock&) = delete;

private:
    QDateTime m_previous;
};

} // namespace platform
