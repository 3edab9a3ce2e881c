#pragma once

#include <QObject>
#include <QSocketNotifier>

#include <initializer_list>
#include <memory>

// Delivers SIGINT/SIGTERM-style signals on the event loop through a signalfd. The signals are
// blocked for the whole process, so construct it before any other thread starts.
class UnixSignalWatcher : public QObject {
    Q_OBJECT
public:
    explicit UnixSignalWatcher(std::initializer_list<int> signals, QObject* parent = nullptr);
    ~UnixSignalWatcher() override;

    bool isValid() const { return fd_ >= 0; }

Q_SIGNALS:
    void received(int signalNumber);

private:
    int fd_ = -1;
    std::unique_ptr<QSocketNotifier> notifier_;
};
