#pragma once

#include "Linux/UniqueFd.h"

#include <QObject>
#include <QSocketNotifier>

#include <initializer_list>
#include <memory>
#include <vector>

// Delivers signals such as SIGINT and SIGTERM on the event loop of the thread that made the
// watcher. The handler only writes the signal number into a pipe (async-signal-safe), whichever
// thread the kernel picks; all work happens when the event loop reads it. One watcher per
// process; destroying it restores the signals' default actions.
class UnixSignalWatcher : public QObject {
    Q_OBJECT
public:
    explicit UnixSignalWatcher(std::initializer_list<int> signals, QObject* parent = nullptr);
    ~UnixSignalWatcher() override;

    // False when the pipe or a handler could not be set up (errno-style reason in error()).
    bool isValid() const { return error_ == 0; }
    int error() const { return error_; }

Q_SIGNALS:
    void received(int signalNumber);

private:
    UniqueFd readFd_;
    int error_ = 0;
    std::vector<int> signals_;
    std::unique_ptr<QSocketNotifier> notifier_;
};
