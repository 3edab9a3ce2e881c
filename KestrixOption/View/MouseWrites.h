#pragma once

#include "KxDeviceQueue.h"

#include <QPointer>
#include <QString>

#include <functional>

struct _Kx_PROFILE;

// The window's own short writes to the mouse (live registers, the settings block, the active
// profile), queued to the process's one queue (KxDeviceQueue.h) so that the window's thread
// never waits out the mouse's pauses. A write that does not reach the mouse while the mouse is
// still plugged in is told to the user; an unplug restarts the window instead.
namespace MouseWrites {

// what: the write's name in the message ("The mouse did not take the <what>."); key: a write of
// the same key still waiting is replaced by this one. settled, when given, hears the outcome on
// the window's thread, also when the poster is gone by then.
void post(const QString& what, const QString& key, std::function<bool()> body,
          std::function<void(KxDeviceQueue::Outcome)> settled = {});

// The stored settings block (stages, rate, lights) of the given profile.
// The mouse holds one block for every profile, and the library claims it once posted. A block
// write that does not reach the mouse, with no later one waiting, puts the block the mouse was
// last known to hold back into every profile and the files, on the window's thread. The edits
// (selProfile) go back too, unless stillEditing answers true: a view that is still open keeps
// its controls and takes its block as not yet written.
void postSettings(const _Kx_PROFILE& profile, std::function<bool()> stillEditing = {});
// The stored lights of the given profile (with the stage, in the same byte); as postSettings.
void postLights(const _Kx_PROFILE& profile, std::function<bool()> stillEditing = {});
// The stillEditing of a view: while it is shown, it keeps its controls and sets its `unwritten`
// flag, so that its OK writes the block again (and its Cancel puts the stored one back).
template <class View>
std::function<bool()> whileShown(View* view, bool View::*unwritten) {
    return [view = QPointer<View>(view), unwritten] {
        if (!view || !view->isVisible())
            return false;
        view.data()->*unwritten = true;
        return true;
    };
}
// The profile the mouse runs (0..4), switched from `running`. When the last switch in flight
// has settled and one of them was not taken, notTaken hears the profile the mouse was last
// known to run, on the window's thread.
void postActiveProfile(int profile, int running, std::function<void(int running)> notTaken);
// The mouse switched to a profile (0..4) by its own button.
void mouseMovedProfile(int profile);
// The mouse moved to a stage (0..3) or a polling rate (0..2) by its own buttons: the block a
// failed block write puts back holds it.
void mouseMovedStage(int stage);
void mouseMovedRate(int rate);

// Tells the user, kRemovalAnnouncedMs later, that the mouse did not take a write, unless the
// mouse is gone by then; never waits.
constexpr int kRemovalAnnouncedMs = 300;
void tellNotTaken(const QString& what);

} // namespace MouseWrites
