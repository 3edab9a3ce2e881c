#include "AboutConnortller.h"

#include "AboutViewLayout.h"
#include "DialogKeys.h"
#include "HvButton.h"
#include "HvDeviceRequester/HvDeviceRequester.h"
#include "HvLogger.h"
#include "HvModal.h"
#include "HvNoTitleWindow.h"
#include "KxAction.h"
#include "KxControls.h"
#include "KxGlobals.h"
#include "Preferences/UserPreferences.h"
#include "RirImageView.h"

#include <QCoreApplication>
#include <QDir>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>

#ifndef KX_VERSION
#define KX_VERSION "unknown"
#endif

namespace {
QString mouseInUse() {
    if (!sysDeviceReq || !sysDeviceReq->isDevOn())
        return QCoreApplication::translate("AboutConnortller", "No mouse is connected.");
    if (sysDeviceReq->isSelectedDeviceEmulated())
        return QCoreApplication::translate("AboutConnortller",
                                           "The emulated mouse (kx-virtual-mouse) is in use.");
    return QCoreApplication::translate("AboutConnortller", "The Kestrix mouse on USB is in use.");
}
} // namespace

AboutConnortller* AboutConnortller::shareAboutController() {
    static AboutConnortller* controller = new AboutConnortller;
    return controller;
}

AboutConnortller::AboutConnortller() {
    window_ = new HvNoTitleWindow(QRect(QPoint(0, 0), AboutViewLayout::kView.size));
    window_->setIsCanDrag(true);
    window_->setDragHeight(AboutViewLayout::kView.dragHeight);
    window_->setWindowTitle(QCoreApplication::translate("AboutConnortller", "About Kestrix Mouse"));
    window_->setAccessibleRole(QAccessible::Dialog);
    auto* view = new RirImageView(QRect(QPoint(0, 0), AboutViewLayout::kView.size));
    view->setImageByName(QStringLiteral("AboutView_Normal.png"));
    window_->setContentView(view);

    const KxControls controls(AboutViewLayout::kView, view,
                              {{"infoTxt", [this] { return info_ = new QLabel; }}});
    auto* icon = controls.get<QLabel>("appIcon");
    QPixmap picture =
        QPixmap::fromImage(view->pictureNamed(QStringLiteral("com.vlak.KxOption.png")));
    const qreal ratio = view->pictureRatio();
    picture = picture.scaled(icon->size() * ratio, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    picture.setDevicePixelRatio(ratio);
    icon->setPixmap(picture);

    info_->setWordWrap(true);
    info_->setTextFormat(Qt::RichText);
    info_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    info_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    info_->setStyleSheet(QStringLiteral("color: white; font-size: 11px;"));

    controls.button("okBtn")->setAction([this](HvButton*) { window_->close(); });
    const auto close = [this] { window_->close(); };
    new DialogKeys(view, close, close, nullptr);
    connect(window_, &HvNoTitleWindow::windowWillClose, this, &AboutConnortller::windowWillClose);
}

QString AboutConnortller::infoText() {
    const auto line = [](const QString& label, const QString& value) {
        return QStringLiteral("<b>%1</b><br>%2<br>").arg(label, value.toHtmlEscaped());
    };
    return QCoreApplication::translate("AboutConnortller",
                                       "Version %1 &middot; MIT licence<br><br>")
               .arg(QLatin1String(KX_VERSION)) +
           line(QCoreApplication::translate("AboutConnortller", "Mouse"), mouseInUse()) +
           line(QCoreApplication::translate("AboutConnortller", "Profiles and macros"),
                QDir::toNativeSeparators(sysPath)) +
           line(QCoreApplication::translate("AboutConnortller", "Preferences"),
                UserPreferences::filePath()) +
           line(QCoreApplication::translate("AboutConnortller", "Log"), HvLogger::logFilePath());
}

void AboutConnortller::showModal() {
    info_->setText(infoText());
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect frame = window_->geometry();
        frame.moveCenter(screen->availableGeometry().center());
        window_->setGeometry(frame);
    }
    HvModal::runModal(window_);
}

void AboutConnortller::windowWillClose(HvNoTitleWindow* window) {
    HvModal::stopModal(window, 0);
}
