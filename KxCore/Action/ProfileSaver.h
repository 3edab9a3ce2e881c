#pragma once

#include "ProfieController.h"

#include <QPointer>

#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

class QObject;

// Saves a profile library on a thread of its own. A save syncs each profile file and the folders
// around them, tens of milliseconds on a busy disk, which the window's thread must not wait out.
//
// The set is taken when the save is asked for, so later edits do not leak into it. A save asked
// for while the last one still waits its turn takes that one's place: the newer set holds all
// the older one held. A set is never written over a newer one
// (ProfieController::writeSaveSet), also when a save on another thread went first.
class ProfileSaver {
public:
    // The process's saver. Never destroyed: a save may still run while the statics go, and the
    // program waits for it (waitUntilIdle) before it ends.
    static ProfileSaver& shared();

    ProfileSaver();
    ~ProfileSaver();
    ProfileSaver(const ProfileSaver&) = delete;
    ProfileSaver& operator=(const ProfileSaver&) = delete;

    // Takes the library's set now and saves it on the saver's thread. done hears whether that
    // set, or a newer one, is on disk, on the application's thread where the receiver lives,
    // unless the receiver is gone by then. The library must outlive the save.
    void save(ProfieController& library, QObject* receiver = nullptr,
              std::function<void(bool saved)> done = {});
    // Waits until no save is waiting or running; false when one still is after timeoutMs.
    bool waitUntilIdle(int timeoutMs);

private:
    struct Listener {
        QPointer<QObject> receiver;
        std::function<void(bool)> done;
    };
    struct Job {
        ProfieController* library = nullptr;
        ProfieController::SaveSet set;
        std::vector<Listener> listeners;
    };
    void run();

    std::mutex mutex_;
    std::condition_variable wake_;
    std::condition_variable idle_;
    std::deque<Job> jobs_;
    bool running_ = false;
    bool stopping_ = false;
    std::thread worker_;
};
