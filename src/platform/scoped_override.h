#pragma once

#include <utility>

namespace platform {

// Sets a process-wide value (the answerer of a seam, a fixed clock) for the lifetime of the guard
// and then puts back the value it replaced, so that guards nest.
template <typename T> class ScopedOverride
{
public:
    ScopedOverride(T& slot, T value) : m_slot(slot), m_previous(std::exchange(slot, std::move(value))) {}
    ~ScopedOverride() { m_slot = std::move(m_previous); }
    ScopedOverride(const ScopedOverride&) = delete;
    ScopedOverride& operator=(const ScopedOverride&) = delete;

private:
    T& m_slot;
    T m_previous;
};

} // namespace platform
