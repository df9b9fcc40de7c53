#include "platform/clock.h"

namespace platform {
namespace {
QDateTime& fixedTime()
{
    static QDateTime fixed;
    return fixed;
}
} // namespace

QDateTime now()
{
    return fixedTime().isValid() ? fixedTime() : QDateTime::currentDateTime();
}

ScopedFixedClock::ScopedFixedClock(const QDateTime& fixed) : ScopedOverride(fixedTime(), fixed) {}

} // namespace platform
