#pragma once

#include "global/mod_global.h"
#include "language/change_language.h"

namespace testsupport {

// The process-wide settings record and message texts, empty and off while the guard lives, as
// they are before start-up; whatever a test left in them is gone when it ends.
class FreshGlobals
{
public:
    FreshGlobals() { reset(); }
    ~FreshGlobals() { reset(); }
    FreshGlobals(const FreshGlobals&) = delete;
    FreshGlobals& operator=(const FreshGlobals&) = delete;

private:
    static void reset()
    {
        modGlobal::Config = {};
        modGlobal::Msg_1.clear();
        modGlobal::Msg_2.clear();
        modGlobal::Msg_3.clear();
    }
};

} // namespace testsupport
