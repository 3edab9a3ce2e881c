#include "UnixSignalWatcher.h"

#include <csignal>

#include <sys/signalfd.h>
#include <unistd.h>

UnixSignalWatcher::UnixSignalWatcher(std::initializer_list<int> signals, QObject* parent)
    : QObject(parent) {
    sigset_t mask;
    sigemptyset(&mask);
    for (int signal : signals)
        sigaddset(&mask, signal);
    if (sigprocmask(SIG_BLOCK, &mask, nullptr) != 0)
        return;
    fd_ = signalfd(-1, &mask, SFD_CLOEXEC | SFD_NONBLOCK);
    if (fd_ < 0)
        return;
    notifier_ = std::make_unique<QSocketNotifier>(fd_, QSocketNotifier::Read);
    connect(notifier_.get(), &QSocketNotifier::activated, this, [this] {
        signalfd_siginfo info;
        while (read(fd_, &info, sizeof info) == ssize_t(sizeof info))
            Q_EMIT received(int(info.ssi_signo));
    });
}

UnixSignalWatcher::~UnixSignalWatcher() {
    notifier_.reset();
    if (fd_ >= 0)
        close(fd_);
}
