#pragma once

#include "Notifications/Notification.h"

#include <functional>
#include <mutex>

// One registered observer. Retiring it guarantees that it is not called once retire() has
// returned: a call in progress on another thread is waited for, and a notification already on
// its way (a snapshot taken by a post, a signal queued for the observer's thread) finds it
// retired. An observer may retire itself or others from within a call (the lock is recursive);
// the function object lives as long as the slot, so it is never destroyed while it runs.
class ObserverSlot {
public:
    using Observer = std::function<void(const Notification&)>;

    explicit ObserverSlot(Observer observer) : observer_(std::move(observer)) {}

    void call(const Notification& notification) {
        std::lock_guard lock(mutex_);
        if (active_)
            observer_(notification);
    }
    void retire() {
        std::lock_guard lock(mutex_);
        active_ = false;
    }

private:
    std::recursive_mutex mutex_;
    bool active_ = true;
    Observer observer_;
};
