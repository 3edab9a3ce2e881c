#include "DesktopSession.h"

#include <QApplication>
#include <QLoggingCategory>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdio>

// The desktop tests' program: an X server of its own before the application object, which is
// then a client of it (the screen is read and the pointer driven there). Without Xvfb every
// case is skipped with the reason.
QString desktopUnavailable;

int main(int argc, char** argv) {
    testing::InitGoogleMock(&argc, argv);
    // Listing the cases needs no X server.
    bool listing = false;
    for (int i = 1; i < argc; ++i)
        listing |= QByteArray(argv[i]).startsWith("--gtest_list_tests");
    const QString display = listing ? QString() : DesktopSession::startX(&desktopUnavailable);
    if (display.isEmpty()) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    } else {
        qputenv("DISPLAY", display.toLocal8Bit());
        qputenv("QT_QPA_PLATFORM", "xcb");
    }
    qunsetenv("WAYLAND_DISPLAY");
    QLoggingCategory::setFilterRules(QStringLiteral("qt.qpa.*=false"));
    QApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
