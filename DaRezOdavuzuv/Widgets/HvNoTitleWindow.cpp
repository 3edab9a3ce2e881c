#include "HvNoTitleWindow.h"

#include "HvAccessible.h"

#include <QCloseEvent>
#include <QMouseEvent>
#include <QResizeEvent>
#include <QWindow>

#include <algorithm>

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
    setAttribute(Qt::WA_TranslucentBackground, !opaque);
    setAutoFillBackground(opaque);
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
}

void HvNoTitleWindow::closeEvent(QCloseEvent* event) {
    Q_EMIT windowWillClose(this);
    QWidget::closeEvent(event);
}
