#pragma once

#include <QString>

// One writer at a time. The configuration window owns the bus name com.vlak.KxOption while it
// runs and keeps the mouse's records and the macro library in memory, so kxctl writes nothing
// then (or, asked to wait, waits for the name to go). Beyond that, kxctl holds the mouse's lock
// (KxMouseLock.h) for as long as it uses the mouse or the files, as the window's transfers do,
// so that no two programs interleave their requests.
namespace KxCtl {

// Whether the window runs: its bus name has an owner. False without a session bus (a window
// then runs unseen, as it does for the daemon).
bool windowRuns();
// Waits until the window's bus name has no owner, on the event loop (no polling).
void waitForWindowToClose();

} // namespace KxCtl
