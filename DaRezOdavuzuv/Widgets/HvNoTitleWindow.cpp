#include "HvNoTitleWindow.h"

#include "HvAccessible.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QImage>
#include <QMouseEvent>
#include <QPainter>
#include <QResizeEvent>
#include <QWindow>

#include <QtGui/qguiapplication_platform.h>

#include <xcb/xcb.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>

HvNoTitleWindow::HvNoTitleWindow(const QRect& contentRect, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint) {
    HvAccessible::install();
    setAttribute(Qt::WA_DeleteOnClose, false);
    setOpaque(false);
    setGeometry(contentRect);
}

void HvNoTitleWindow::setIsCanDrag(bool canDrag) {
    canDrag_ = canDrag;
    if (!canDrag)
        dragging_ = false;
}

void HvNoTitleWindow::setDragHeight(int height) {
    dragHeight_ = std::max(0, height);
}

void HvNoTitleWindow::setContentView(QWidget* view) {
    if (view == contentView_)
        return;
    delete contentView_.data();
    contentView_ = view;
    if (!view)
        return;
    view->setParent(this);
    view->setGeometry(rect());
    view->show();
}

void HvNoTitleWindow::setLevel(Level level) {
    level_ = level;
    applyLevel();
}

void HvNoTitleWindow::applyLevel() {
    Qt::WindowFlags flags = Qt::FramelessWindowHint;
    const bool overlay = level_ == Level::ScreenSaver;
    switch (level_) {
    case Level::Normal:
        flags |= Qt::Window;
        break;
    case Level::Floating:
        flags |= Qt::Window | Qt::WindowStaysOnTopHint;
        break;
    case Level::ScreenSaver:
        // On X11 the bypass hint makes an override-redirect window: placed exactly where asked
        // and stacked above managed windows, full-screen ones included. Wayland compositors
        // ignore it and keep the remaining hints.
        flags |= Qt::Tool | Qt::WindowStaysOnTopHint | Qt::WindowDoesNotAcceptFocus |
                 Qt::WindowTransparentForInput | Qt::BypassWindowManagerHint;
        break;
    }
    const bool wasVisible = isVisible();
    const QRect geometry = this->geometry();
    setAttribute(Qt::WA_ShowWithoutActivating, overlay);
    setAttribute(Qt::WA_QuitOnClose, !overlay);
    setWindowFlags(flags); // hides the window when it was shown
    setGeometry(geometry);
    if (wasVisible)
        show();
}

void HvNoTitleWindow::setOpaque(bool opaque) {
    opaque_ = opaque;
    shaped_ = false;
    setAttribute(Qt::WA_NoSystemBackground, false);
    setAttribute(Qt::WA_TranslucentBackground, !opaque);
    setAutoFillBackground(opaque);
    clearMask();
}

bool HvNoTitleWindow::desktopComposites() {
    auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    if (!x11 || !x11->connection())
        return true; // Wayland always composites; an offscreen screen keeps the alpha channel
    xcb_connection_t* connection = x11->connection();
    // The compositing manager of the default screen owns this selection (EWMH).
    int screen = 0;
    if (const char* display = std::getenv("DISPLAY"))
        if (const char* dot = std::strrchr(display, '.'); dot && std::strchr(display, ':') < dot)
            screen = std::atoi(dot + 1);
    const QByteArray name = "_NET_WM_CM_S" + QByteArray::number(screen);
    xcb_intern_atom_reply_t* atom = xcb_intern_atom_reply(
        connection, xcb_intern_atom(connection, 0, uint16_t(name.size()), name.constData()),
        nullptr);
    if (!atom)
        return true;
    xcb_get_selection_owner_reply_t* owner = xcb_get_selection_owner_reply(
        connection, xcb_get_selection_owner(connection, atom->atom), nullptr);
    const bool composites = !owner || owner->owner != XCB_NONE;
    std::free(owner);
    std::free(atom);
    return composites;
}

void HvNoTitleWindow::setVisible(bool visible) {
    if (visible && !opaque_) {
        // Decided before the window is made: an alpha channel needs a visual that has one.
        const bool shaped = !desktopComposites();
        if (shaped != shaped_) {
            shaped_ = shaped;
            setAttribute(Qt::WA_TranslucentBackground, !shaped);
            setAttribute(Qt::WA_NoSystemBackground, shaped);
            if (!shaped)
                clearMask();
        }
    }
    QWidget::setVisible(visible);
    if (visible && shaped_)
        updateShape();
}

void HvNoTitleWindow::updateShape() {
    if (!shaped_)
        return;
    QImage painted(size(), QImage::Format_ARGB32_Premultiplied);
    painted.fill(Qt::transparent);
    if (contentView_)
        contentView_->render(&painted, contentView_->pos(), QRegion(), QWidget::DrawChildren);
    QRegion shape;
    for (int y = 0; y < painted.height(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(painted.constScanLine(y));
        for (int x = 0; x < painted.width();) {
            if (qAlpha(row[x]) < 128) {
                ++x;
                continue;
            }
            const int start = x;
            while (x < painted.width() && qAlpha(row[x]) >= 128)
                ++x;
            shape += QRect(start, y, x - start, 1);
        }
    }
    // An empty region would mean no mask at all: a content that paints nothing shows nothing
    // through a shape that lies outside the window.
    setMask(shape.isEmpty() ? QRegion(-1, -1, 1, 1) : shape);
}

void HvNoTitleWindow::paintEvent(QPaintEvent* event) {
    if (!shaped_)
        return;
    // Under the content, what a compositor would show through it on a dark desktop.
    QPainter(this).fillRect(event->rect(), Qt::black);
}

bool HvNoTitleWindow::inDragStrip(const QPoint& localPos) const {
    return canDrag_ && localPos.y() >= 0 && localPos.y() < dragHeight_ && localPos.x() >= 0 &&
           localPos.x() < width();
}

void HvNoTitleWindow::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || !inDragStrip(event->position().toPoint())) {
        QWidget::mousePressEvent(event);
        return;
    }
    event->accept();
    // Compositors that place windows themselves (Wayland) only move them on their own terms.
    if (windowHandle() && windowHandle()->startSystemMove())
        return;
    dragging_ = true;
    dragOffset_ = event->globalPosition().toPoint() - pos();
}

void HvNoTitleWindow::mouseMoveEvent(QMouseEvent* event) {
    if (!dragging_ || !(event->buttons() & Qt::LeftButton)) {
        dragging_ = false;
        QWidget::mouseMoveEvent(event);
        return;
    }
    event->accept();
    move(event->globalPosition().toPoint() - dragOffset_);
}

void HvNoTitleWindow::mouseReleaseEvent(QMouseEvent* event) {
    if (dragging_ && event->button() == Qt::LeftButton) {
        dragging_ = false;
        event->accept();
        return;
    }
    QWidget::mouseReleaseEvent(event);
}

void HvNoTitleWindow::resizeEvent(QResizeEvent* event) {
    if (contentView_)
        contentView_->setGeometry(rect());
    QWidget::resizeEvent(event);
    if (shaped_ && isVisible())
        updateShape();
}

void HvNoTitleWindow::closeEvent(QCloseEvent* event) {
    Q_EMIT windowWillClose(this);
    QWidget::closeEvent(event);
}

void HvNoTitleWindow::releaseNativeWindow() {
    if (!isVisible() && testAttribute(Qt::WA_WState_Created))
        destroy();
}
