#include "HvNoTitleWindow.h"
#include "HvAction.h"

#include <QApplication>
#include <QFont>
#include <QFontDatabase>
#include <QMouseEvent>
#include <QPointer>

#include <gtest/gtest.h>

#include "EventLoopWait.h"

namespace {

// Drags with the left button from a point of the widget by the given distance, the way a real
// drag on the window's content arrives.
void drag(QWidget* widget, const QPoint& from, const QPoint& by) {
    auto send = [&](QEvent::Type type, const QPoint& at, Qt::MouseButton button,
                    Qt::MouseButtons buttons) {
        QMouseEvent event(type, at, widget->mapToGlobal(at), button, buttons, Qt::NoModifier);
        QApplication::sendEvent(widget, &event);
    };
    send(QEvent::MouseButtonPress, from, Qt::LeftButton, Qt::LeftButton);
    send(QEvent::MouseMove, from + by, Qt::NoButton, Qt::LeftButton);
    send(QEvent::MouseButtonRelease, from + by, Qt::LeftButton, Qt::NoButton);
}

TEST(HvNoTitleWindow, DragsOnlyFromTheStripAndWhenAllowed) {
    HvNoTitleWindow window(QRect(100, 100, 300, 200));
    auto* content = new QWidget;
    window.setContentView(content);
    window.setDragHeight(30);
    window.show();

    drag(content, QPoint(10, 10), QPoint(50, 30));
    EXPECT_EQ(window.pos(), QPoint(150, 130));
    drag(content, QPoint(10, 40), QPoint(50, 30)); // below the strip
    window.setIsCanDrag(false);
    drag(content, QPoint(10, 10), QPoint(50, 30));
    EXPECT_EQ(window.pos(), QPoint(150, 130));
}

TEST(HvNoTitleWindow, ContentFollowsWindowAndSurvivesClose) {
    HvNoTitleWindow window(QRect(0, 0, 300, 200));
    QPointer<QWidget> first = new QWidget;
    window.setContentView(first);
    window.show();
    window.resize(400, 100);
    EXPECT_EQ(first->geometry(), QRect(0, 0, 400, 100));

    QPointer<QWidget> second = new QWidget;
    window.setContentView(second);
    EXPECT_TRUE(first.isNull());
    // The owner hears of the close while the window still shows, then it hides.
    bool shownWhenTold = false;
    int told = 0;
    QObject::connect(&window, &HvNoTitleWindow::windowWillClose, [&](HvNoTitleWindow* closing) {
        shownWhenTold = closing == &window && closing->isVisible();
        ++told;
    });
    window.close();
    EXPECT_EQ(told, 1);
    EXPECT_TRUE(shownWhenTold);
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(window.contentView(), second.data());
}

TEST(HvNoTitleWindow, ScreenSaverLevelStaysOnTopWithoutTakingFocus) {
    QWidget other;
    other.show();
    other.activateWindow();
    ASSERT_TRUE(KxTest::waitFor([&] { return QApplication::activeWindow() == &other; }));

    HvNoTitleWindow overlay(QRect(50, 50, 100, 40));
    overlay.setLevel(HvNoTitleWindow::Level::ScreenSaver);
    overlay.show();
    // The offscreen platform activates every window it shows; X11 (Xvfb) honours the hints.
    if (QGuiApplication::platformName() != QLatin1String("offscreen")) {
        KxTest::spin(50);
        EXPECT_EQ(QApplication::activeWindow(), &other);
    }
    const Qt::WindowFlags flags = overlay.windowFlags();
    EXPECT_TRUE(flags.testFlags(Qt::WindowStaysOnTopHint | Qt::WindowDoesNotAcceptFocus |
                                Qt::WindowTransparentForInput | Qt::FramelessWindowHint));

    overlay.setLevel(HvNoTitleWindow::Level::Normal);
    EXPECT_TRUE(overlay.isVisible()); // a level change keeps a shown window shown
    EXPECT_EQ(overlay.geometry(), QRect(50, 50, 100, 40));
    EXPECT_FALSE(overlay.windowFlags().testFlag(Qt::WindowDoesNotAcceptFocus));
}

TEST(HvActionFonts, InstalledFamilyOrNothing) {
    const QString family = QStringLiteral("DejaVu Sans");
    if (!QFontDatabase::hasFamily(family))
        GTEST_SKIP() << "no DejaVu Sans installed";
    const std::optional<QFont> font = HvAction::customTTFFontWithName(family, 90);
    ASSERT_TRUE(font.has_value());
    EXPECT_EQ(font->family(), family);
    EXPECT_EQ(font->pixelSize(), 90);
    for (const QString& bad : {QStringLiteral("NoSuchFamilyKx"), QString(), QStringLiteral("../x")})
        EXPECT_FALSE(HvAction::customTTFFontWithName(bad, 90));
    EXPECT_FALSE(HvAction::customTTFFontWithName(family, 0));
}

} // namespace
