#include "KxCtlWriter.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusServiceWatcher>
#include <QEventLoop>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace KxCtl {

namespace {
const QString kWindowBusName = QStringLiteral("com.vlak.KxOption");
} // namespace

WriterLock::~WriterLock() {
    release();
}

bool WriterLock::acquire(const QString& path, QString* why) {
    release();
    fd_ = ::open(path.toLocal8Bit().constData(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
    if (fd_ < 0) {
        *why = QStringLiteral("%1 cannot be opened: %2")
                   .arg(path, QString::fromLocal8Bit(std::strerror(errno)));
        return false;
    }
    if (::flock(fd_, LOCK_EX | LOCK_NB) == 0)
        return true;
    std::fprintf(stderr, "kxctl: waiting for another kxctl to finish...\n");
    while (::flock(fd_, LOCK_EX) != 0) {
        if (errno == EINTR)
            continue;
        *why = QStringLiteral("%1 cannot be locked: %2")
                   .arg(path, QString::fromLocal8Bit(std::strerror(errno)));
        release();
        return false;
    }
    return true;
}

void WriterLock::release() {
    if (fd_ >= 0) {
        ::close(fd_); // the lock goes with the descriptor
        fd_ = -1;
    }
}

bool windowRuns() {
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected())
        return false;
    const QDBusReply<bool> registered = bus.interface()->isServiceRegistered(kWindowBusName);
    return registered.isValid() && registered.value();
}

void waitForWindowToClose() {
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected())
        return;
    QDBusServiceWatcher watcher(kWindowBusName, bus, QDBusServiceWatcher::WatchForUnregistration);
    QEventLoop loop;
    QObject::connect(&watcher, &QDBusServiceWatcher::serviceUnregistered, &loop, &QEventLoop::quit);
    // Asked after the watch is set, so that a window closing in between is not missed.
    if (!windowRuns())
        return;
    std::fprintf(stderr, "kxctl: waiting for the configuration window to close...\n");
    loop.exec();
}

} // namespace KxCtl
