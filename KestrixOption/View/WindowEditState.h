#pragma once

#include <QObject>

#include <cstdint>
#include <vector>

// What the main window has not yet written and what it is busy with, in one place.
//
// Edits: the current profile's working copy has edits not yet written ("needs saving", the
// described flag isNeedSave, which the function dialogs set too), and any profile may hold edits
// in the library (a write that failed, the mouse's own switch, a changed macro). Apply writes the
// first, OK all of them; changed() tells the window to offer them.
//
// Activity: at most one transfer runs (the whole read, a write, an import, an export) and modal
// dialogs may stack on each other; the window takes no click, switch or close while any runs.
class WindowEditState : public QObject {
    Q_OBJECT
public:
    enum class Activity : uint8_t { Idle, Reading, Writing, Importing, Exporting, Dialog };

    // The innermost activity running.
    Activity activity() const { return running_.empty() ? Activity::Idle : running_.back(); }
    bool idle() const { return running_.empty(); }
    // How many run, one inside another.
    int depth() const { return int(running_.size()); }
    void begin(Activity activity) { running_.push_back(activity); }
    // Ends the innermost one; nothing when idle.
    void end() {
        if (!running_.empty())
            running_.pop_back();
    }
    // A transfer that writes the mouse (a write or an import) runs.
    bool writing() const;

    // The current profile's working copy has edits not yet written.
    bool needsSaving() const;
    // Those, or edits of any profile kept in the library.
    bool anyUnwritten() const;
    // The working copy was edited, or (false) its edits were written or dropped.
    void setNeedsSaving(bool edited);
    // The working copy's edits are what the library keeps for the current profile (after a
    // write, a profile switch, an import).
    void followLibrary();

Q_SIGNALS:
    void changed();

private:
    std::vector<Activity> running_;
};
