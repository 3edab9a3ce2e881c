#include "MacroCapacityMeter.h"

#include "HvButton.h"

#include <QAccessible>
#include <QCoreApplication>
#include <QPainter>

namespace {
constexpr int kBarHeight = 4;
const QColor kTrack{0x07, 0x07, 0x08};
const QColor kTrackEdge{0x3a, 0x3d, 0x44};
const QColor kText{0xb8, 0xbc, 0xc4};
const QColor kOver{0xff, 0x4d, 0x55};
const QColor kOverFill{0xc4, 0x14, 0x1c};
} // namespace

MacroCapacityMeter::MacroCapacityMeter(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    changed();
}

void MacroCapacityMeter::setCount(int deviceSteps) {
    if (deviceSteps == count_)
        return;
    count_ = deviceSteps;
    changed();
}

void MacroCapacityMeter::setRecording(bool recording) {
    if (recording == recording_)
        return;
    recording_ = recording;
    changed();
}

QString MacroCapacityMeter::text() const {
    QString line;
    if (count_ < 0)
        line = QCoreApplication::translate("MacroCapacityMeter", "No macro chosen");
    else if (count_ > kDeviceSteps)
        line = QCoreApplication::translate("MacroCapacityMeter",
                                           "%1 steps: the mouse plays the first %2")
                   .arg(count_)
                   .arg(kDeviceSteps);
    else
        line = QCoreApplication::translate("MacroCapacityMeter", "%1 of %2 steps on the mouse")
                   .arg(count_)
                   .arg(kDeviceSteps);
    return recording_
               ? QCoreApplication::translate("MacroCapacityMeter", "Recording · %1").arg(line)
               : line;
}

void MacroCapacityMeter::changed() {
    setAccessibleName(text());
    if (QAccessible::isActive()) {
        QAccessibleEvent event(this, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&event);
    }
    update();
}

void MacroCapacityMeter::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const bool over = count_ > kDeviceSteps;
    const QRectF bar(0.5, height() - kBarHeight - 0.5, width() - 1.0, kBarHeight);
    painter.setPen(QPen(kTrackEdge, 1));
    painter.setBrush(kTrack);
    painter.drawRoundedRect(bar, 2, 2);
    if (count_ > 0) {
        const qreal filled = bar.width() * std::min(count_, kDeviceSteps) / kDeviceSteps;
        painter.setPen(Qt::NoPen);
        painter.setBrush(over ? kOverFill : HvButton::accentColor().lighter(150));
        painter.drawRoundedRect(QRectF(bar.left(), bar.top(), filled, bar.height()), 2, 2);
    }
    QFont small = font();
    small.setPixelSize(11);
    painter.setFont(small);
    const QRect line(0, 0, width(), height() - kBarHeight - 3);
    if (recording_) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(kOver);
        painter.drawEllipse(QPointF(4, line.center().y() + 1), 3.5, 3.5);
    }
    painter.setPen(over ? kOver : kText);
    painter.drawText(line.adjusted(recording_ ? 12 : 0, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter,
                     text());
}
