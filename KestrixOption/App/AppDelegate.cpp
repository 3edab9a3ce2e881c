#include "AppDelegate.h"

#include "AboutConnortller.h"
#include "HvNoTitleWindow.h"
#include "MainView.h"
#include "MainViewLayout.h"
#include "Notifications/NotificationCenter.h"

#include <QApplication>
#include <QCoreApplication>
#include <QIcon>
#include <QScreen>

AppDelegate::AppDelegate() = default;

AppDelegate::~AppDelegate() {
    delete window_;
}

void AppDelegate::applicationDidFinishLaunching() {
    QRect frame(QPoint(0, 0), MainViewLayout::kView.size);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        frame.moveCenter(screen->availableGeometry().center());
    window_ = new HvNoTitleWindow(frame);
    window_->setWindowTitle(QCoreApplication::translate("AppDelegate", "Kestrix Mouse"));
    window_->setIsCanDrag(true);
    window_->setDragHeight(MainView::kMainDragHeight);
    view_ = new MainView;
    connect(view_, &MainView::terminateRequested, this, [this](bool relaunch) {
        relaunch_ = relaunch;
        ended_ = true;
        window_->hide();
        // Also right for an end decided before the event loop runs (no mouse at start).
        QMetaObject::invokeMethod(qApp, &QCoreApplication::quit, Qt::QueuedConnection);
    });
    connect(view_, &MainView::aboutRequested, this, &AppDelegate::showAboutPro);
    // Entering the window starts the view's work: it looks for the mouse and reads it.
    window_->setContentView(view_);
    if (!ended_) {
        window_->show();
        window_->activateWindow();
    }
    NotificationCenter::defaultCenter().post(QStringLiteral("Notify_EndLoadApp"));
}

void AppDelegate::showAboutPro() {
    AboutConnortller::shareAboutController()->showModal();
}

void AppDelegate::raiseWindow() {
    if (!window_ || !window_->isVisible())
        return;
    window_->showNormal();
    window_->raise();
    window_->activateWindow();
}
