// KxOption: the Kestrix mouse's configuration window. One copy per user; it reads the mouse's
// five profiles, lets the user assign the five buttons and writes them back to the mouse.
#include "AppDelegate.h"
#include "HvAction.h"
#include "HvLogger.h"
#include "KxAction.h"
#include "KxGlobals.h"
#include "KxLanguage.h"
#include "KxPictures.h"
#include "KxWidgetGlobals.h"
#include "MainView.h"
#include "SingleInstance.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QFileInfo>
#include <QIcon>
#include <QPixmap>
#include <QTimer>

#include <cstdio>
#include <cstdlib>
#include <string_view>

namespace {

// --help and --version answer at once. Returns the exit status, or -1 to go on.
int answerCommandLine(int argc, char* argv[]) {
    for (int i = 1; i < argc; ++i) {
        const std::string_view option = argv[i];
        if (option == "--help" || option == "-h") {
            std::printf("Usage: KxOption [--help | --version]\n"
                        "The Kestrix mouse's configuration window: the mouse's five profiles and "
                        "what its\nfive buttons do. A second start raises the running "
                        "window.\n");
            return 0;
        }
        if (option == "--version") {
            std::printf("KxOption %s\n", KX_VERSION);
            return 0;
        }
    }
    return -1;
}

// Said once the window shows: what does not work on this machine, and why.
void tellWhatIsMissing(bool noBus) {
    QStringList lines;
    if (noBus)
        lines << QCoreApplication::translate(
            "KxOption", "There is no session bus: the on-screen display cannot be "
                        "switched, and the window cannot follow the mouse's own buttons "
                        "or be started again after an unplug.");
    const QFileInfo data(sysPath);
    if (!data.isDir() || !data.isWritable())
        lines << QCoreApplication::translate(
                     "KxOption", "The folder %1 cannot be written: changes to profiles and macros "
                                 "are not kept.")
                     .arg(sysPath);
    if (!lines.isEmpty())
        HvAction::showInfoMessage(lines.join(QStringLiteral("\n\n")));
}

// The background program shows the mouse's own buttons and brings the window back after an
// unplug: the session bus starts it, once, when it is not running (its activation file names
// its user unit where systemd runs the session). Nothing waits for the answer.
void startDaemon(QObject* context) {
    QDBusConnection bus = QDBusConnection::sessionBus();
    QDBusMessage start = QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.DBus"), QStringLiteral("/org/freedesktop/DBus"),
        QStringLiteral("org.freedesktop.DBus"), QStringLiteral("StartServiceByName"));
    start << QStringLiteral("com.vlak.KestrixDeamon") << 0u;
    auto* watcher = new QDBusPendingCallWatcher(bus.asyncCall(start), context);
    QObject::connect(
        watcher, &QDBusPendingCallWatcher::finished, context, [](QDBusPendingCallWatcher* call) {
            call->deleteLater();
            if (!call->isError())
                return;
            // Not installed (a build tree): nothing to start it from.
            const QString text =
                QCoreApplication::translate("KxOption", "The background program could not "
                                                        "be started: %1")
                    .arg(call->error().message());
            if (call->error().type() == QDBusError::ServiceUnknown)
                HV_DEBUG(text);
            else
                HV_WARNING(text);
        });
}

} // namespace

int main(int argc, char* argv[]) {
    if (const int status = answerCommandLine(argc, argv); status >= 0)
        return status;
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("KxOption"));
    QApplication::setApplicationVersion(QStringLiteral(KX_VERSION));
    QApplication::setDesktopFileName(QStringLiteral("com.vlak.KxOption"));
    KxLanguage::install();
    // Decoded as the artwork is: a QIcon of a file name would ask every image format plugin
    // whether it reads the file, loading them all before the first frame.
    QApplication::setWindowIcon(
        QIcon(QPixmap::fromImage(KxPictures::load(QStringLiteral("com.vlak.KxOption.png"), 1))));
    if (const QStringList extra = QApplication::arguments().mid(1); !extra.isEmpty()) {
        std::fprintf(stderr, "KxOption: unknown option %s (see --help)\n",
                     qPrintable(extra.first()));
        return 2;
    }

    SingleInstance instance;
    const SingleInstance::Claim claim = instance.claim();
    if (claim == SingleInstance::Claim::OtherRuns) {
        std::fprintf(stderr, "KxOption: already running; its window was raised\n");
        return 0;
    }

    if (claim == SingleInstance::Claim::Owner)
        startDaemon(&instance);

    KxWidgets::install();
    AppDelegate delegate;
    QObject::connect(&instance, &SingleInstance::activated, &delegate, &AppDelegate::raiseWindow);
    delegate.applicationDidFinishLaunching();
    if (!delegate.relaunch() && delegate.window()->isVisible())
        QTimer::singleShot(0,
                           [claim] { tellWhatIsMissing(claim == SingleInstance::Claim::NoBus); });
    const int status = app.exec();

    // A transfer still running uses the program's state: wait for it and run its outcome, or
    // leave without tearing that state down.
    const int code = delegate.relaunch() ? AppDelegate::kRelaunchExitCode : status;
    if (!KxAction::finishTransfersAtExit(10000))
        std::_Exit(code);
    return code;
}
