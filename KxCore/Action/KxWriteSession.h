#pragma once

#include "KxSetupMouse.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <memory>

class ProfieController;
class QObject;

// One write to the mouse, the same for every program and every command that writes: the window's
// Apply, OK, Reset and set-up import, and each kxctl write. In order:
//   1. prepare, on the thread that owns the library: the macros the target brings are kept in
//      the macro library, the buttons being written become their slots' edits;
//   2. transfer, in a turn at the mouse: the edits are journalled on disk (nothing is sent when
//      they cannot be), the records, the settings block and the active profile are written, and
//      everything sent is read back;
//   3. finish, on the library's thread again: what the mouse took becomes the library's (a block
//      it took only in part as it holds it), the desktop's speeds are set, the profiles are
//      saved, the daemon is told, and the outcome says per profile and button what was and was
//      not written.
// The window runs it on the process's device queue (post), kxctl on its own thread (run).
class KxWriteSession {
public:
    enum class Save {
        Wait,       // saved on the calling thread before the outcome (kxctl, the window's OK)
        Background, // saved on the saver's thread; the outcome follows the save
        // Nothing saved, nobody told: the daemon's switch of the active profile, which the
        // library does not keep. Saving there would put back files another program saved
        // since the daemon last read them.
        None,
    };
    struct Outcome {
        KxSetup::WriteResult result;
        // Nothing was sent: the macro library or the journal could not be written (why says
        // which, as a sentence).
        bool refused = false;
        QString why;
        bool saved = false;
        // What did not reach the mouse, or may not have, and a save or desktop that failed, one
        // sentence each; empty when everything was written and saved.
        QStringList problems;
        // Buttons that did not reach the mouse (or may not have) stay journalled as their slots'
        // edits: the window offers them at its next start.
        bool buttonsKept = false;
        // The desktop took the speeds asked of it (false also when none were asked).
        bool desktopApplied = false;
        bool complete() const { return !refused && problems.isEmpty(); }
    };
    using Done = std::function<void(const Outcome&)>;

    // current: what the mouse holds as far as the writer knows it; parts of the target equal to
    // it are not written. Empty parts are written as the target has them.
    KxWriteSession(ProfieController& library, KxSetup::Target target, KxSetup::MouseState current);
    ~KxWriteSession();
    KxWriteSession(const KxWriteSession&) = delete;
    KxWriteSession& operator=(const KxWriteSession&) = delete;

    const KxSetup::Target& target() const { return target_; }
    const KxSetup::MouseState& current() const { return current_; }
    // What writing the target would change, with the target's macros in the library.
    QList<KxSetup::Change> plan() const { return KxSetup::plan(target_, current_); }

    // Step 1; false (the outcome refused, nothing changed) when the macro library could not be
    // saved.
    bool prepare();
    // Step 2, on any one thread at a time, like every transfer.
    void transfer();
    // Step 3. done hears the outcome, at once with Save::Wait, once the save ended otherwise (on
    // the receiver's thread, unless the receiver is gone by then).
    void finish(Save save, QObject* receiver, Done done);

    // The three steps on the calling thread, for a program without an event loop to wait on.
    Outcome run();
    // Prepares, then transfers behind the window's loading view on the device queue and
    // finishes on the receiver's thread with the queue's completion. False, with done not
    // called, when prepare refused (outcome() says why).
    static bool post(const std::shared_ptr<KxWriteSession>& session, Save save, QObject* receiver,
                     Done done);
    const Outcome& outcome() const { return outcome_; }

private:
    void tellDaemon() const;

    ProfieController& library_;
    KxSetup::Target target_;
    KxSetup::MouseState current_;
    std::unique_ptr<KxSetup::NewMacros> macros_;
    std::vector<std::function<bool()>> journalJobs_;
    bool journalled_ = false;
    Outcome outcome_;
};
