#pragma once

#include <QString>

// One writer at a time. The configuration window owns the bus name com.vlak.KxOption while it
// runs and keeps the mouse's records and the macro library in memory, so kxctl writes nothing
// then (or, asked to wait, waits for the name to go). kxctl processes take an exclusive lock on
// "kxctl.lock" in the data folder for as long as they use the mouse or the files, so that two of
// them never interleave their requests: the mouse answers a read to whoever asked last.
namespace KxCtl {

class WriterLock {
public:
    WriterLock() = default;
    ~WriterLock();
    WriterLock(const WriterLock&) = delete;
    WriterLock& operator=(const WriterLock&) = delete;

    // Takes the lock, waiting for another kxctl holding it (said once on standard error).
    // False with the reason when the lock file cannot be opened.
    bool acquire(const QString& path, QString* why);
    void release();

private:
    int fd_ = -1;
};

// Whether the window runs: its bus name has an owner. False without a session bus (a window
// then runs unseen, as it does for the daemon).
bool windowRuns();
// Waits until the window's bus name has no owner, on the event loop (no polling).
void waitForWindowToClose();

} // namespace KxCtl
