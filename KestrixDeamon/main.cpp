// KestrixDeamon: the per-user background program. It waits for the mouse, shows what its own
// buttons change on the on-screen display, tells the configuration window, and starts the
// applications bound to buttons.
#include "DealwithMessage.h"
#include "Desktop/FrontApplicationSource.h"
#include "HvDaemon/HvUSBListen.h"
#include "HvLogger.h"
#include "KestrixDriverLoader.h"
#include "KxLanguage.h"
#include "KxProtocol.h"

#include <QAccessible>
#include <QApplication>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QLoggingCategory>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string_view>

namespace {
constexpr const char* kBusName = "com.vlak.KestrixDeamon";

// --help and --version answer at once; anything else is refused (Qt's own options, such as
// -platform, are taken by the application object before). Returns the exit status, or -1 to go
// on.
int answerCommandLine(int argc, char* argv[]) {
    for (int i = 1; i < argc; ++i) {
        const std::string_view option = argv[i];
        if (option == "--help" || option == "-h") {
            std::printf("Usage: KestrixDeamon [--help | --version]\n"
                        "The Kestrix mouse's background program: shows what the mouse's own "
                        "buttons change,\ntells the configuration window, and starts the "
                        "applications bound to buttons.\nIt is started at login; SIGHUP "
                        "reloads the profiles, SIGTERM ends it.\n");
            return 0;
        }
        if (option == "--version") {
            std::printf("KestrixDeamon %s\n", KX_VERSION);
            return 0;
        }
    }
    return -1;
}

// Without a display the daemon still serves the window and launches applications; only the
// on-screen display has nowhere to appear. A display that is named but cannot be opened (a dead
// X server) must not abort the program, which its unit would restart in a loop: the display's
// platform is tried first, the offscreen one after it. A Wayland session is served natively
// (its changes go to the desktop's notifications), not through its X server, where the display
// would be a window the compositor places and focuses as it likes.
// True when it chose.
bool chooseWindowSystem() {
    if (!qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        return false;
    const bool x11 = !qEnvironmentVariableIsEmpty("DISPLAY");
    const bool wayland = !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
    if (!x11 && !wayland) {
        std::fprintf(stderr, "KestrixDeamon: no display; the on-screen display stays hidden\n");
        qputenv("QT_QPA_PLATFORM", "offscreen");
        return true;
    }
    qputenv("QT_QPA_PLATFORM",
            wayland ? (x11 ? "wayland;xcb;offscreen" : "wayland;offscreen") : "xcb;offscreen");
    // The one line reportUnopenedDisplay prints says what failed; Qt's own lines about the
    // connection are not needed.
    QLoggingCategory::setFilterRules(QStringLiteral("qt.qpa.*=false"));
    return true;
}

// After the application object exists: says when the display could not be opened, and takes the
// platform choice back out of the environment, so that the programs the daemon starts choose
// their own.
void reportUnopenedDisplay(bool chosenHere) {
    if (!chosenHere)
        return;
    QLoggingCategory::setFilterRules(QString());
    const bool triedDisplay = qgetenv("QT_QPA_PLATFORM") != "offscreen";
    qunsetenv("QT_QPA_PLATFORM");
    if (!triedDisplay || QGuiApplication::platformName() != QLatin1String("offscreen"))
        return;
    const QByteArray display = qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")
                                   ? qgetenv("DISPLAY")
                                   : qgetenv("WAYLAND_DISPLAY");
    std::fprintf(stderr,
                 "KestrixDeamon: the display %s cannot be opened; the on-screen display stays "
                 "hidden\n",
                 display.constData());
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
    if (const int status = answerCommandLine(argc, argv); status >= 0)
        return status;
    const bool platformChosenHere = chooseWindowSystem();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("KestrixDeamon"));
    KxLanguage::install();
    reportUnopenedDisplay(platformChosenHere);
    if (const QStringList extra = QApplication::arguments().mid(1); !extra.isEmpty()) {
        std::fprintf(stderr, "KestrixDeamon: %s\n",
                     qPrintable(QCoreApplication::translate("KestrixDeamon",
                                                            "unknown option %1 (see --help)")
                                    .arg(extra.first())));
        return 2;
    }
    // The display's window closes after every show; that must not end the program.
    QApplication::setQuitOnLastWindowClosed(false);

    if (!claimBusName()) {
        std::fprintf(stderr, "KestrixDeamon: %s\n",
                     qPrintable(QCoreApplication::translate(
                                    "KestrixDeamon", "already running for this user (%1 is taken)")
                                    .arg(QLatin1String(kBusName))));
        return 0;
    }

    // The bridge to assistive technology starts when first asked for and connects a moment
    // later; asked now, it is there before the first display, which a screen reader then hears.
    QAccessible::isActive();

    // The report hook: one instance per HID node of the mouse, before the listener looks.
    KestrixDriverLoader driver;
    if (const int error = driver.start(); error != 0)
        std::fprintf(stderr, "KestrixDeamon: the mouse's input reports are not available (%s)\n",
                     std::strerror(error));

    HvUSBListen* listen = HvUSBListen::shareUsbListen();
    auto handler = std::make_shared<DealwithMessage>();
    handler->startApplicationRules(FrontApplicationSource::forSession());
    listen->setSelDealMessage(handler);
    listen->setDriverIdentify(QStringLiteral("com_vlak_driver_KestrixDriver"));
    listen->setProductID(KxProtocol::kProductId);
    listen->setVendorID(KxProtocol::kVendorId);
    listen->setPrintName(QStringLiteral("Kestrix"));
    listen->setIsPrintMsg(true);
    listen->startListen();

    HV_DEBUG(QStringLiteral("结束"));
    return 0;
}
