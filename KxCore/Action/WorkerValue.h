#pragma once

#include <mutex>
#include <utility>

// A value a request sets on the device queue's worker and its outcome takes on the poster's
// thread: a lock of its own, which the thread sanitizer sees (Qt's queue that carries the
// outcome across is invisible to it).
template <typename T>
class WorkerValue {
public:
    void set(T value) {
        std::lock_guard lock(mutex_);
        value_ = std::move(value);
    }
    T get() const {
        std::lock_guard lock(mutex_);
        return value_;
    }

private:
    mutable std::mutex mutex_;
    T value_{};
};
