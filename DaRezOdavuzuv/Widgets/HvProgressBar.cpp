#include "HvProgressBar.h"

#include "HvAccessible.h"
#include "HvButton.h"

#include <QAccessible>
#include <QFocusEvent>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>
#include <cmath>

HvProgressBar::HvProgressBar(QWidget* parent) : QAbstractSlider(parent) {
    setOrientation(Qt::Horizontal);
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_Hover);
    setPageStep(1);
    // The value, not the way it came: keys, wheel, pointer, a screen reader's setCurrentValue and
    // setValue all end here, once per change.
    connect(this, &QAbstractSlider::valueChanged, this, [this] {
        update();
        // The words of the new value: a screen reader says them for the focused slider.
        if (spoken_.words && QAccessible::isActive()) {
            QAccessibleEvent told(this, QAccessible::DescriptionChanged);
            QAccessible::updateAccessibility(&told);
        }
        if (action_)
            action_(this);
    });
    HvAccessible::install();
}

void HvProgressBar::setSpoken(Spoken spoken) {
    spoken_ = std::move(spoken);
    if (spoken_.scale == 0)
        spoken_.scale = 1;
}

int HvProgressBar::valueForSpoken(double spoken) const {
    const double value = (spoken - spoken_.offset) / spoken_.scale;
    return int(std::clamp<double>(std::round(value), minimum(), maximum()));
}

QString HvProgressBar::valueWords() const {
    return spoken_.words ? spoken_.words(spokenValue(value())) : QString();
}

void HvProgressBar::setBarStyle(int style) {
    barStyle_ = style;
    update();
}

void HvProgressBar::setBackgroundImage(const QImage& image) {
    background_ = image;
    update();
}

void HvProgressBar::setOverImage(const QImage& image) {
    over_ = image;
    update();
}

void HvProgressBar::setSliderImage(const QImage& knob) {
    knob_ = knob;
    update();
}

int HvProgressBar::knobWidth() const {
    return barStyle_ == 1 && !knob_.isNull() ? qRound(knob_.deviceIndependentSize().width()) : 0;
}

int HvProgressBar::positionOf(int v) const {
    const int span = maximum() - minimum();
    const int track = width() - knobWidth();
    if (span <= 0)
        return knobWidth() / 2;
    return knobWidth() / 2 + int(std::lround(double(v - minimum()) * track / span));
}

int HvProgressBar::valueAt(int x) const {
    const int span = maximum() - minimum();
    const int track = std::max(1, width() - knobWidth());
    const double fraction = std::clamp(double(x - knobWidth() / 2) / track, 0.0, 1.0);
    return minimum() + int(std::lround(fraction * span));
}

QSize HvProgressBar::sizeHint() const {
    if (!background_.isNull())
        return background_.deviceIndependentSize().toSize();
    return QSize(120, 20);
}

void HvProgressBar::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QRectF area(QPointF(0, 0), QSizeF(size()));
    if (!background_.isNull())
        painter.drawImage(QRectF(QPointF(0, 0), background_.deviceIndependentSize()), background_);
    const int at = positionOf(value());
    if (barStyle_ == 2) {
        // A filling bar: the hover picture up to the value.
        if (!over_.isNull()) {
            const qreal ratio = over_.devicePixelRatio();
            const QRectF target(0, 0, at, height());
            painter.drawImage(target, over_, QRectF(0, 0, at * ratio, over_.height()));
        }
    } else {
        if (hovered_ && !over_.isNull())
            painter.drawImage(QRectF(QPointF(0, 0), over_.deviceIndependentSize()), over_);
        if (!knob_.isNull()) {
            const QSizeF knob = knob_.deviceIndependentSize();
            painter.drawImage(
                QRectF(QPointF(at - knob.width() / 2, (height() - knob.height()) / 2), knob),
                knob_);
        }
    }
    if (hasFocus() && keyboardFocus_) {
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(QPen(HvButton::accentColor().lighter(170), 2));
        painter.setBrush(Qt::NoBrush);
        painter.drawRoundedRect(area.adjusted(1, 1, -1, -1), 3, 3);
    }
}

void HvProgressBar::moveTo(int x) {
    setValue(valueAt(x));
}

void HvProgressBar::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || !isEnabled()) {
        event->ignore();
        return;
    }
    dragging_ = true;
    setSliderDown(true);
    moveTo(int(event->position().x()));
}

void HvProgressBar::mouseMoveEvent(QMouseEvent* event) {
    if (dragging_)
        moveTo(int(event->position().x()));
}

void HvProgressBar::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && dragging_) {
        dragging_ = false;
        setSliderDown(false);
    }
}

void HvProgressBar::enterEvent(QEnterEvent* event) {
    hovered_ = true;
    update();
    QAbstractSlider::enterEvent(event);
}

void HvProgressBar::leaveEvent(QEvent* event) {
    hovered_ = false;
    update();
    QAbstractSlider::leaveEvent(event);
}

void HvProgressBar::focusInEvent(QFocusEvent* event) {
    keyboardFocus_ = event->reason() != Qt::MouseFocusReason;
    QAbstractSlider::focusInEvent(event);
    update();
}

void HvProgressBar::focusOutEvent(QFocusEvent* event) {
    keyboardFocus_ = false;
    QAbstractSlider::focusOutEvent(event);
    update();
}
