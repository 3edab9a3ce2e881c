// KestrixDeamon: the per-user background program. It waits for the mouse, shows what its own
// buttons change on the on-screen display, tells the configuration window, and starts the
// applications bound to buttons.
#include "DealwithMessage.h"
#include "HvDaemon/HvUSBListen.h"
#include "HvLogger.h"
#include "KestrixDriverLoader.h"

#include <QApplication>
#include <QDBusConnection>
#include <QDBusConnectionInterface>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>

namespace {
constexpr const char* kBusName = "com.vlak.KestrixDeamon";

// Without a display the daemon still serves the window and launches applications; only the
// on-screen display has nowhere to appear.
void chooseWindowSystem() {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") &&
        qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")) {
        std::fprintf(stderr, "KestrixDeamon: no display; the on-screen display stays hidden\n");
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
}

// One copy per user: a second one would show everything twice and start applications twice.
bool claimBusName() {
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected())
        return true; // messages are off; the bus connection says so once
    const QDBusReply<QDBusConnectionInterface::RegisterServiceReply> reply =
        bus.interface()->registerService(QLatin1String(kBusName),
                                         QDBusConnectionInterface::DontQueueService,
                                         QDBusConnectionInterface::DontAllowReplacement);
    return reply.isValid() && reply.value() == QDBusConnectionInterface::ServiceRegistered;
}
} // namespace

int main(int argc, char* argv[]) {
    chooseWindowSystem();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("KestrixDeamon"));
    // The display's window closes after every show; that must not end the program.
    QApplication::setQuitOnLastWindowClosed(false);

    if (!claimBusName()) {
        std::fprintf(stderr, "KestrixDeamon: already running for this user (%s is taken)\n",
                     kBusName);
        return 0;
    }

    // The report hook: one instance per HID node of the mouse, before the listener looks.
    KestrixDriverLoader driver;
    if (const int error = driver.start(); error != 0)
        std::fprintf(stderr, "KestrixDeamon: the mouse's input reports are not available (%s)\n",
                     std::strerror(error));

    HvUSBListen* listen = HvUSBListen::shareUsbListen();
    listen->setSelDealMessage(std::make_shared<DealwithMessage>());
    listen->setDriverIdentify(QStringLiteral("com_vlak_driver_KestrixDriver"));
    listen->setProductID(0x1106);
    listen->setVendorID(0x04F2);
    listen->setPrintName(QStringLiteral("Kestrix"));
    listen->setIsPrintMsg(true);
    listen->startListen();

    HV_DEBUG(QStringLiteral("结束"));
    return 0;
}
