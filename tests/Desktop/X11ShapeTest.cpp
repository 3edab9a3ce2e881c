// Translucent windows on an X server without a compositing manager (plain Xvfb): an alpha
// channel would show black there, so the windows are shaped by a mask instead. What the screen
// shows must be the window's picture where it paints, and the desktop behind where it does not.
#include "DesktopSession.h"

#include "EventLoopWait.h"
#include "HvNoTitleWindow.h"
#include "KxAction.h"
#include "KxWidgetGlobals.h"
#include "ShowLoadView.h"
#include "ShowMsgView.h"

#include <QDir>
#include <QGuiApplication>
#include <QPainter>
#include <QScreen>
#include <QtGui/qguiapplication_platform.h>

#include <gtest/gtest.h>

#include <xcb/xcb.h>

extern QString desktopUnavailable;

namespace {
const QColor kDesktop(0xc0, 0x30, 0xa0); // behind the windows: a colour no picture uses

class X11ShapeTest : public testing::Test {
protected:
    void SetUp() override {
        if (!desktopUnavailable.isEmpty())
            GTEST_SKIP() << desktopUnavailable.toStdString();
        ASSERT_EQ(QGuiApplication::platformName(), QStringLiteral("xcb"));
        // The desktop: one plain window under everything.
        QPalette palette = desktop.palette();
        palette.setColor(QPalette::Window, kDesktop);
        desktop.setPalette(palette);
        desktop.setAutoFillBackground(true);
        desktop.setWindowFlags(Qt::FramelessWindowHint | Qt::WindowStaysOnBottomHint);
        desktop.setGeometry(QGuiApplication::primaryScreen()->geometry());
        desktop.show();
        ASSERT_TRUE(KxTest::waitFor([&] { return screenAt(QPoint(5, 5)) == kDesktop.rgb(); }));
    }

    static QRgb screenAt(QPoint point) {
        return DesktopSession::grabScreen().pixel(point) | 0xff000000u;
    }

    // The window painted now, its content as painted over nothing (with its alpha), and the
    // screen where it is: taken with no event between them, so they are one frame.
    void compare(HvNoTitleWindow& window, const char* what) {
        ASSERT_TRUE(KxTest::waitFor([&] { return window.isVisible(); }));
        KxTest::spin(300);
        window.repaint();
        const QImage screen = DesktopSession::grabScreen().copy(window.geometry());
        QDir().mkpath(KX_SCREENSHOT_DIR);
        screen.save(QStringLiteral(KX_SCREENSHOT_DIR "/%1.png")
                        .arg(QString::fromLatin1(what).replace(' ', '_')));
        QImage picture(window.size(), QImage::Format_ARGB32_Premultiplied);
        picture.fill(Qt::transparent);
        window.contentView()->render(&picture, window.contentView()->pos(), QRegion(),
                                     QWidget::DrawChildren);
        // Where the picture is at least half opaque the window shows it over black, as a
        // compositor would over a dark desktop: its premultiplied colour.
        int wrongBehind = 0, wrongPicture = 0, shape = 0;
        for (int y = 0; y < picture.height(); ++y)
            for (int x = 0; x < picture.width(); ++x) {
                const QRgb painted = picture.pixel(x, y);
                const QRgb shown = screen.pixel(x, y) | 0xff000000u;
                if (qAlpha(painted) == 0)
                    wrongBehind += shown != kDesktop.rgb();
                else if (qAlpha(painted) >= 128)
                    wrongPicture += shown != (painted | 0xff000000u), ++shape;
            }
        SCOPED_TRACE(what);
        EXPECT_GT(shape, picture.width() * picture.height() / 4) << "the picture is drawn";
        EXPECT_EQ(wrongBehind, 0) << "pixels the picture leaves clear hide the desktop";
        EXPECT_EQ(wrongPicture, 0) << "pixels of the picture not shown as painted";
    }

    QWidget desktop;
};

TEST_F(X11ShapeTest, PlainXvfbHasNoCompositingManagerUntilOneClaimsTheScreen) {
    EXPECT_FALSE(HvNoTitleWindow::desktopComposites());
    // A compositing manager announces itself by owning _NET_WM_CM_S0.
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    xcb_connection_t* c = x11->connection();
    xcb_intern_atom_reply_t* atom =
        xcb_intern_atom_reply(c, xcb_intern_atom(c, 0, 13, "_NET_WM_CM_S0"), nullptr);
    ASSERT_NE(atom, nullptr);
    QWidget owner;
    owner.winId();
    xcb_set_selection_owner(c, xcb_window_t(owner.winId()), atom->atom, XCB_CURRENT_TIME);
    xcb_flush(c);
    EXPECT_TRUE(HvNoTitleWindow::desktopComposites());
    xcb_set_selection_owner(c, XCB_NONE, atom->atom, XCB_CURRENT_TIME);
    xcb_flush(c);
    EXPECT_FALSE(HvNoTitleWindow::desktopComposites());
    free(atom);
}

// The loading window: its rounded panel and spinner on the screen, the desktop at its corners.
TEST_F(X11ShapeTest, TheLoadingWindowShowsItsPicture) {
    KxAction::showLoadViewPro();
    ASSERT_NE(showLoadFrm, nullptr);
    compare(*showLoadFrm, "loading window");
    EXPECT_EQ(screenAt(showLoadFrm->geometry().topLeft()), kDesktop.rgb()) << "a corner";
    KxAction::hideLoadViewPro();
    QCoreApplication::sendPostedEvents();
}

// The on-screen display: its pictures without a band around them, and none for a display
// without picture.
TEST_F(X11ShapeTest, TheOnScreenDisplayShowsOnlyItsPicture) {
    HvNoTitleWindow window(
        ShowMsgView::windowGeometry(QGuiApplication::primaryScreen()->geometry()));
    window.setIsCanDrag(false);
    auto* view = new ShowMsgView(ShowMsgView::viewFrame());
    window.setContentView(view);
    window.setLevel(HvNoTitleWindow::Level::ScreenSaver);
    view->showDpi(1, 16, 16);
    compare(window, "DPI stage 2");
    EXPECT_EQ(screenAt(window.geometry().topLeft() + QPoint(300, 10)), kDesktop.rgb())
        << "the band above the picture";
    view->showWithImageTag(QStringLiteral("lock"));
    compare(window, "lock");
    view->showWithImageTag(QStringLiteral("normal"));
    KxTest::spin(200);
    QImage desktopOnly(window.size(), QImage::Format_RGB32);
    desktopOnly.fill(kDesktop);
    EXPECT_EQ(DesktopSession::grabScreen().copy(window.geometry()), desktopOnly)
        << "an empty display shows nothing";
}

} // namespace
