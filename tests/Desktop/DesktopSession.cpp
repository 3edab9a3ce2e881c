#include "DesktopSession.h"

#include "EventLoopWait.h"
#include "Programs.h"

#include <QCoreApplication>
#include <QFile>
#include <QGuiApplication>
#include <QPixmap>
#include <QProcess>
#include <QScreen>
#include <QTemporaryDir>
#include <QtGui/qguiapplication_platform.h>

#include <xcb/xcb.h>
#include <xcb/xtest.h>

namespace DesktopSession {
namespace {

std::unique_ptr<QProcess> xServer;
std::unique_ptr<Program> weston;
std::unique_ptr<QTemporaryDir> westonDir;
QString display;
QString wayland;
constexpr QSize kOutput{1280, 800};

} // namespace

QString startX(QString* why) {
    xServer = std::make_unique<QProcess>();
    // -displayfd 1: the server picks a free display and writes its number when it is ready.
    xServer->start(QStringLiteral("Xvfb"),
                   QStringLiteral("-displayfd 1 -screen 0 %1x%2x24 -nolisten tcp -br")
                       .arg(kOutput.width() + 64)
                       .arg(kOutput.height() + 64)
                       .split(' '));
    if (!xServer->waitForStarted(5000)) {
        *why = QStringLiteral("Xvfb cannot be started (package xvfb)");
        return {};
    }
    QByteArray number;
    while (!number.contains('\n') && xServer->waitForReadyRead(10000))
        number += xServer->readAllStandardOutput();
    if (!number.contains('\n')) {
        *why = "Xvfb did not start: " + QString::fromLocal8Bit(xServer->readAllStandardError());
        return {};
    }
    display = ':' + QString::fromLatin1(number.trimmed());
    return display;
}

bool startWeston(QRgb backgroundColour, QString* why) {
    westonDir = std::make_unique<QTemporaryDir>();
    const QString config = westonDir->filePath(QStringLiteral("weston.ini"));
    const QString log = westonDir->filePath(QStringLiteral("weston.log"));
    QFile file(config);
    // A plain background and no panel, so that the windows are found on the screen; no
    // animations, so that what is drawn is where it ends.
    if (!file.open(QIODevice::WriteOnly) ||
        file.write(QStringLiteral("[core]\nidle-time=0\nrequire-input=false\n"
                                  "[shell]\nbackground-color=0x%1\npanel-position=none\n"
                                  "locking=false\nanimation=none\nclose-animation=none\n"
                                  "startup-animation=none\nfocus-animation=none\n"
                                  "[input-method]\npath=/bin/true\n")
                       .arg(backgroundColour | 0xff000000u, 8, 16, QLatin1Char('0'))
                       .toLatin1()) < 0) {
        *why = QStringLiteral("no folder for weston's configuration");
        return false;
    }
    file.close();
    wayland = QStringLiteral("kx-weston-%1").arg(QCoreApplication::applicationPid());
    weston = std::make_unique<Program>(QStringLiteral("weston"));
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("DISPLAY"), display);
    environment.remove(QStringLiteral("WAYLAND_DISPLAY"));
    weston->process.setStandardOutputFile(log);
    weston->logErrorsTo(log);
    if (!weston->start(QStringLiteral("--backend=x11-backend.so --use-pixman --socket=%1 "
                                      "--width=%2 --height=%3 --config=%4 --idle-time=0")
                           .arg(wayland)
                           .arg(kOutput.width())
                           .arg(kOutput.height())
                           .arg(config)
                           .split(' '),
                       environment)) {
        *why = QStringLiteral("weston cannot be started (package weston)");
        return false;
    }
    // Ready once its socket is there and its background is drawn.
    const QString socket = qEnvironmentVariable("XDG_RUNTIME_DIR") + '/' + wayland;
    const bool ready = KxTest::waitFor(
        [&] {
            return weston->process.state() == QProcess::Running && QFile::exists(socket) &&
                   grabScreen().pixel(kOutput.width() / 2, kOutput.height() / 2) ==
                       (backgroundColour | 0xff000000u);
        },
        20000);
    if (!ready)
        *why = "weston did not come up:\n" + weston->errors();
    return ready;
}

void stopWeston() {
    weston.reset();
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

QImage grabOutput() {
    return grabScreen().copy(QRect(QPoint(0, 0), kOutput));
}

QRect boundsOtherThan(const QImage& screen, QRgb colour) {
    // Rows and columns count when they hold a window's worth of such pixels: the pointer that
    // weston draws is not a window.
    constexpr int kMinRun = 100;
    std::vector<int> rows(screen.height()), columns(screen.width());
    for (int y = 0; y < screen.height(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(screen.constScanLine(y));
        for (int x = 0; x < screen.width(); ++x) {
            const bool other = (row[x] | 0xff000000u) != (colour | 0xff000000u);
            rows[y] += other;
            columns[x] += other;
        }
    }
    auto span = [](const std::vector<int>& counts) {
        const auto wide = [](int count) { return count >= kMinRun; };
        const auto first = std::find_if(counts.begin(), counts.end(), wide);
        const auto last = std::find_if(counts.rbegin(), counts.rend(), wide);
        return std::pair{int(first - counts.begin()), int(counts.rend() - last) - 1};
    };
    const auto [top, bottom] = span(rows);
    const auto [left, right] = span(columns);
    return bottom < 0 || right < 0 ? QRect() : QRect(QPoint(left, top), QPoint(right, bottom));
}

bool drag(QPoint from, QPoint to, const std::function<bool()>& pressed) {
    auto* x11 = qApp->nativeInterface<QNativeInterface::QX11Application>();
    xcb_connection_t* c = x11 ? x11->connection() : nullptr;
    if (!c)
        return false;
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
    auto input = [&](uint8_t type, QPoint at, int ms) {
        xcb_test_fake_input(c, type, type == XCB_MOTION_NOTIFY ? 0 : 1, XCB_CURRENT_TIME,
                            type == XCB_MOTION_NOTIFY ? root : XCB_NONE, int16_t(at.x()),
                            int16_t(at.y()), 0);
        xcb_flush(c);
        KxTest::spin(ms);
    };
    // A pixel aside first: a pointer already at `from` would make no motion for the client.
    input(XCB_MOTION_NOTIFY, from + QPoint(1, 1), 30);
    input(XCB_MOTION_NOTIFY, from, 30);
    input(XCB_BUTTON_PRESS, {}, 100);
    if (pressed && !pressed()) {
        input(XCB_BUTTON_RELEASE, {}, 0);
        return false;
    }
    constexpr int kSteps = 10;
    for (int step = 1; step <= kSteps; ++step)
        input(XCB_MOTION_NOTIFY, from + (to - from) * step / kSteps, 30);
    input(XCB_BUTTON_RELEASE, {}, 100);
    return true;
}

} // namespace DesktopSession
