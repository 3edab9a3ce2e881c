#pragma once

#include "KxAction.h"
#include "KxGlobals.h"
#include "MacroInfo.h"

// The core's process-wide state as a program has it when it starts: no working copy and no
// transfer in hand, no macro library, no profile library taken, nothing known of what the mouse
// holds. A test that made any of it starts and ends with this.
inline void freshStart() {
    selProfile = {};
    currSetProfile = {};
    currSetProfileID = 0;
    macroListArrs.clear();
    sysProCon = nullptr;
    KxAction::forgetKnownRecords();
}
