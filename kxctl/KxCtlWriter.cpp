#include "KxCtlWriter.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusServiceWatcher>
#include <QEventLoop>

#include <cstdio>

namespace KxCtl {

namespace {
const QString kWindowBusName = QStringLiteral("com.vlak.KxOption");
} // namespace

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
    std::fprintf(stderr, "kxctl: %s\n",
                 qPrintable(QCoreApplication::translate(
                     "KxCtl", "waiting for the configuration window to close...")));
    loop.exec();
}

} // namespace KxCtl
