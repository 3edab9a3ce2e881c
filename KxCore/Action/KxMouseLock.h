#pragma once

#include <QString>

#include <functional>

// One program at a time at the mouse. The mouse answers a read to whoever asked last, so two
// programs reading at once take each other's answers: the window's transfers and kxctl take an
// exclusive lock on "Mouse.lock" in the data folder for as long as they talk to the mouse, and
// another waits its turn. The lock goes with its descriptor, however the process ends.
class KxMouseLock {
public:
    KxMouseLock() = default;
    ~KxMouseLock();
    KxMouseLock(const KxMouseLock&) = delete;
    KxMouseLock& operator=(const KxMouseLock&) = delete;

    // The lock file in the data folder (sysPath); empty before the data folder is known.
    static QString path();
    // Takes the lock, waiting while another holds it (beforeWaiting, when given, is called once
    // before the wait). False with the reason when the lock file cannot be opened or locked.
    bool acquire(const QString& path, const std::function<void()>& beforeWaiting, QString* why);
    void release();
    bool held() const { return fd_ >= 0; }

private:
    int fd_ = -1;
};
