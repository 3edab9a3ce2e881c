#include "HvMessageBox.h"

#include "HvAccessible.h"
#include "HvAction.h"
#include "HvButton.h"

#include <QApplication>
#include <QCoreApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPointer>
#include <QPushButton>
#include <QVBoxLayout>

HvMessageBox::HvMessageBox(const QString& message, bool withCancel, QWidget* parent,
                           const QString& title)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint) {
    HvAccessible::install();
    setAttribute(Qt::WA_TranslucentBackground);
    setModal(true);
    QString shownTitle = title;
    if (shownTitle.isEmpty() && parent)
        shownTitle = parent->window()->windowTitle();
    setWindowTitle(shownTitle.isEmpty()
                       ? QCoreApplication::translate("HvMessageBox", "Kestrix Mouse")
                       : shownTitle);
    setAccessibleDescription(message);
    label_ = new QLabel(message, this);
    label_->setWordWrap(true);
    label_->setAlignment(Qt::AlignCenter);
    label_->setStyleSheet(QStringLiteral("color: white; font-size: 13px;"));
    label_->setMinimumWidth(280);

    const QString accent = HvButton::accentColor().name();
    const QString focus = HvButton::accentColor().lighter(170).name();
    const QString style =
        QStringLiteral("QPushButton { color: white; background: #2a2c31; border: 1px solid "
                       "#050506; border-radius: 3px; padding: 4px 18px; min-width: 60px; }"
                       "QPushButton:hover { background: #3a3d44; }"
                       "QPushButton:pressed { background: %1; }"
                       "QPushButton:focus { border: 2px solid %2; }")
            .arg(accent, focus);
    ok_ = new QPushButton(QCoreApplication::translate("HvMessageBox", "OK"), this);
    ok_->setStyleSheet(style);
    ok_->setDefault(true);
    connect(ok_, &QPushButton::clicked, this, &QDialog::accept);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok_);
    if (withCancel) {
        cancel_ = new QPushButton(QCoreApplication::translate("HvMessageBox", "Cancel"), this);
        cancel_->setStyleSheet(style);
        connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);
        buttons->addWidget(cancel_);
    }
    buttons->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 22, 24, 18);
    layout->setSpacing(18);
    layout->addWidget(label_);
    layout->addLayout(buttons);
    ok_->setFocus();
}

QString HvMessageBox::message() const {
    return label_->text();
}

void HvMessageBox::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    QLinearGradient panel(0, 0, 0, height());
    panel.setColorAt(0, QColor(0x24, 0x26, 0x2b));
    panel.setColorAt(1, QColor(0x15, 0x16, 0x19));
    painter.setBrush(panel);
    painter.setPen(QPen(QColor(0x05, 0x05, 0x06), 1));
    painter.drawRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), 6, 6);
    painter.setPen(Qt::NoPen);
    painter.setBrush(HvButton::accentColor());
    painter.drawRect(QRectF(12, 0.5, width() - 24, 3));
}

void HvAction::showInfoMessage(const QString& message, const QString& title) {
    HvMessageBox box(message, false, QApplication::activeWindow(), title);
    box.exec();
}

void HvAction::openInfoMessage(const QString& message) {
    static QPointer<HvMessageBox> shown;
    if (shown && shown->isVisible() && shown->message() == message)
        return;
    shown = new HvMessageBox(message, false, QApplication::activeWindow());
    shown->setAttribute(Qt::WA_DeleteOnClose);
    shown->open();
}

bool HvAction::ChooseInfoMessage(const QString& message) {
    HvMessageBox box(message, true, QApplication::activeWindow());
    return box.exec() == QDialog::Accepted;
}
