#include "Process/UnixSignalWatcher.h"

#include <atomic>
#include <cerrno>
#include <csignal>

#include <fcntl.h>
#include <unistd.h>

namespace {
std::atomic<int> gWriteFd{-1};

extern "C" void writeSignalNumber(int signalNumber) {
    const int savedErrno = errno;
    const int fd = gWriteFd.load(std::memory_order_relaxed);
    if (fd >= 0) {
        const unsigned char byte = static_cast<unsigned char>(signalNumber);
        [[maybe_unused]] const ssize_t written = write(fd, &byte, 1);
    }
    errno = savedErrno;
}
} // namespace

UnixSignalWatcher::UnixSignalWatcher(std::initializer_list<int> signals, QObject* parent)
    : QObject(parent) {
    int fds[2];
    if (gWriteFd.load() >= 0) {
        error_ = EBUSY;
        return;
    }
    if (pipe2(fds, O_CLOEXEC | O_NONBLOCK) != 0) {
        error_ = errno;
        return;
    }
    readFd_.reset(fds[0]);
    gWriteFd.store(fds[1]); // a plain int: the signal handler may only load it
    notifier_ = std::make_unique<QSocketNotifier>(readFd_.get(), QSocketNotifier::Read);
    connect(notifier_.get(), &QSocketNotifier::activated, this, [this] {
        unsigned char byte = 0;
        while (read(readFd_.get(), &byte, 1) == 1)
            Q_EMIT received(byte);
    });

    struct sigaction action = {};
    action.sa_handler = writeSignalNumber;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int signalNumber : signals) {
        if (sigaction(signalNumber, &action, nullptr) != 0) {
            error_ = errno;
            continue;
        }
        signals_.push_back(signalNumber);
    }
}

UnixSignalWatcher::~UnixSignalWatcher() {
    for (const int signalNumber : signals_)
        std::signal(signalNumber, SIG_DFL);
    notifier_.reset();
    if (readFd_.isValid())
        close(gWriteFd.exchange(-1));
}
