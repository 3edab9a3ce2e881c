#include "DesktopSession.h"

#include "EventLoopWait.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>
#include <QThread>
#include <QtGui/qguiapplication_platform.h>

#include <xcb/xcb.h>
#include <xcb/xtest.h>

namespace DesktopSession {
namespace {

std::unique_ptr<QProcess> xServer;
std::unique_ptr<QProcess> weston;
std::unique_ptr<QTemporaryDir> westonDir;
QString display;
QString wayland;
constexpr QSize kOutput{1280, 800};

xcb_connection_t* connection() {
    auto* x11 = qApp->nativeInterface<QNativeInterface::QX11Application>();
    return x11 ? x11->connection() : nullptr;
}

} // namespace

QString startX(QString* why) {
    xServer = std::make_unique<QProcess>();
    xServer->setProcessChannelMode(QProcess::SeparateChannels);
    // -displayfd 1: the server picks a free display and writes its number when it is ready.
    xServer->start(QStringLiteral("Xvfb"),
                   {QStringLiteral("-displayfd"), QStringLiteral("1"), QStringLiteral("-screen"),
                    QStringLiteral("0"),
                    QStringLiteral("%1x%2x24").arg(kOutput.width() + 64).arg(kOutput.height() + 64),
                    QStringLiteral("-nolisten"), QStringLiteral("tcp"), QStringLiteral("-br")});
    if (!xServer->waitForStarted(5000)) {
        *why = QStringLiteral("Xvfb cannot be started (package xvfb)");
        return {};
    }
    QByteArray number;
    while (!number.contains('\n') && xServer->waitForReadyRead(10000))
        number += xServer->readAllStandardOutput();
    if (!number.contains('\n')) {
        *why = QStringLiteral("Xvfb did not start: ") +
               QString::fromLocal8Bit(xServer->readAllStandardError());
        return {};
    }
    display = QStringLiteral(":") + QString::fromLatin1(number.trimmed());
    return display;
}

QString xDisplay() {
    return display;
}

bool startWeston(QRgb backgroundColour, QString* why) {
    westonDir = std::make_unique<QTemporaryDir>();
    QFile config(westonDir->filePath(QStringLiteral("weston.ini")));
    if (!config.open(QIODevice::WriteOnly)) {
        *why = QStringLiteral("no folder for weston's configuration");
        return false;
    }
    // A plain background and no panel, so that the windows are found on the screen; no
    // animations, so that what is drawn is where it ends.
    config.write(QStringLiteral("[core]\nidle-time=0\nrequire-input=false\n"
                                "[shell]\nbackground-color=0x%1\npanel-position=none\n"
                                "locking=false\nanimation=none\nclose-animation=none\n"
                                "startup-animation=none\nfocus-animation=none\n"
                                "[input-method]\npath=/bin/true\n")
                     .arg(backgroundColour | 0xff000000u, 8, 16, QLatin1Char('0'))
                     .toLatin1());
    config.close();
    wayland = QStringLiteral("kx-weston-%1").arg(QCoreApplication::applicationPid());
    weston = std::make_unique<QProcess>();
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("DISPLAY"), display);
    environment.remove(QStringLiteral("WAYLAND_DISPLAY"));
    weston->setProcessEnvironment(environment);
    weston->setStandardOutputFile(westonDir->filePath(QStringLiteral("weston.log")));
    weston->setStandardErrorFile(westonDir->filePath(QStringLiteral("weston.log")));
    weston->start(
        QStringLiteral("weston"),
        {QStringLiteral("--backend=x11-backend.so"), QStringLiteral("--use-pixman"),
         QStringLiteral("--socket=") + wayland, QStringLiteral("--width=%1").arg(kOutput.width()),
         QStringLiteral("--height=%1").arg(kOutput.height()),
         QStringLiteral("--config=") + config.fileName(), QStringLiteral("--idle-time=0")});
    if (!weston->waitForStarted(5000)) {
        *why = QStringLiteral("weston cannot be started (package weston)");
        return false;
    }
    // Ready once its socket is there and its background is drawn.
    const QString socket = qEnvironmentVariable("XDG_RUNTIME_DIR") + QLatin1Char('/') + wayland;
    const bool ready = KxTest::waitFor(
        [&] {
            if (weston->state() != QProcess::Running || !QFile::exists(socket))
                return false;
            const QImage screen = grabScreen();
            return screen.pixel(kOutput.width() / 2, kOutput.height() / 2) ==
                   (backgroundColour | 0xff000000u);
        },
        20000);
    if (!ready) {
        QFile log(westonDir->filePath(QStringLiteral("weston.log")));
        log.open(QIODevice::ReadOnly);
        *why = QStringLiteral("weston did not come up:\n") + QString::fromLocal8Bit(log.readAll());
        return false;
    }
    return true;
}

void stopWeston() {
    if (!weston)
        return;
    weston->terminate();
    weston->waitForFinished(5000);
    weston.reset();
}

QString waylandDisplay() {
    return wayland;
}

QSize outputSize() {
    return kOutput;
}

QProcessEnvironment waylandEnvironment() {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("WAYLAND_DISPLAY"), wayland);
    environment.remove(QStringLiteral("DISPLAY"));
    environment.remove(QStringLiteral("QT_QPA_PLATFORM"));
    environment.insert(QStringLiteral("XDG_SESSION_TYPE"), QStringLiteral("wayland"));
    return environment;
}

QImage grabScreen() {
    QScreen* screen = QGuiApplication::primaryScreen();
    return screen->grabWindow(0).toImage().convertToFormat(QImage::Format_RGB32);
}

QRect boundsOtherThan(const QImage& screen, QRgb colour) {
    // Rows and columns count when they hold a window's worth of such pixels: the pointer that
    // weston draws is not a window.
    constexpr int kMinRun = 100;
    const QRgb wanted = colour | 0xff000000u;
    std::vector<int> rows(screen.height()), columns(screen.width());
    for (int y = 0; y < screen.height(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(screen.constScanLine(y));
        for (int x = 0; x < screen.width(); ++x) {
            if ((row[x] | 0xff000000u) == wanted)
                continue;
            ++rows[y];
            ++columns[x];
        }
    }
    auto span = [](const std::vector<int>& counts) {
        int first = -1, last = -1;
        for (int i = 0; i < int(counts.size()); ++i)
            if (counts[i] >= kMinRun) {
                first = first < 0 ? i : first;
                last = i;
            }
        return std::pair{first, last};
    };
    const auto [top, bottom] = span(rows);
    const auto [left, right] = span(columns);
    return top < 0 || left < 0 ? QRect() : QRect(QPoint(left, top), QPoint(right, bottom));
}

bool drag(QPoint from, QPoint to, const std::function<bool()>& pressed) {
    xcb_connection_t* c = connection();
    if (!c)
        return false;
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
    auto motion = [&](QPoint at) {
        xcb_test_fake_input(c, XCB_MOTION_NOTIFY, 0, XCB_CURRENT_TIME, root, int16_t(at.x()),
                            int16_t(at.y()), 0);
        xcb_flush(c);
        KxTest::spin(30);
    };
    // A pixel aside first: a pointer already at `from` would make no motion for the client.
    motion(from + QPoint(1, 1));
    motion(from);
    xcb_test_fake_input(c, XCB_BUTTON_PRESS, 1, XCB_CURRENT_TIME, XCB_NONE, 0, 0, 0);
    xcb_flush(c);
    KxTest::spin(100);
    if (pressed && !pressed()) {
        xcb_test_fake_input(c, XCB_BUTTON_RELEASE, 1, XCB_CURRENT_TIME, XCB_NONE, 0, 0, 0);
        xcb_flush(c);
        return false;
    }
    constexpr int kSteps = 10;
    for (int step = 1; step <= kSteps; ++step)
        motion(from + (to - from) * step / kSteps);
    xcb_test_fake_input(c, XCB_BUTTON_RELEASE, 1, XCB_CURRENT_TIME, XCB_NONE, 0, 0, 0);
    xcb_flush(c);
    KxTest::spin(100);
    return true;
}

bool click(QPoint at) {
    return drag(at, at);
}

} // namespace DesktopSession
