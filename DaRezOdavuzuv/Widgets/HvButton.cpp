#include "HvButton.h"

#include "HvAccessible.h"
#include "HvAction.h"
#include "Notifications/NotificationCenter.h"

#include <QBitmap>
#include <QEnterEvent>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

HvButtonDelegate::~HvButtonDelegate() = default;

bool HvButtonDelegate::checkMouseEvent(QObject*, QMouseEvent*) {
    return true;
}

void HvButtonDelegate::onMouseEvent(QObject*, QMouseEvent*, MouseEventType) {}

QColor HvButton::accentColor() {
    return QColor::fromRgbF(0.492f, 0.022f, 0.031f);
}

HvButton::HvButton(QWidget* parent) : QAbstractButton(parent) {
    HvAccessible::install();
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_Hover);
    setMouseTracking(true);
    connect(this, &QAbstractButton::clicked, this, [this] {
        if (action_)
            action_(this);
    });
    connect(this, &QAbstractButton::toggled, this, [this] { update(); });
}

HvButton::~HvButton() = default;

void HvButton::setImages(const QImage& normal, const QImage& over, const QImage& down,
                         const QImage& disable, const QImage& selected) {
    normal_ = normal;
    over_ = over;
    down_ = down;
    disable_ = disable;
    selected_ = selected;
    later_ = nullptr;
    updateShape();
    update();
}

void HvButton::setImages(const QImage& normal, LaterPictures later) {
    setImages(normal, {}, {}, {});
    later_ = std::move(later);
}

void HvButton::makeLaterPictures() const {
    if (!later_)
        return;
    const LaterPictures later = std::move(later_);
    later_ = nullptr;
    const auto [over, down, disable] = later();
    over_ = over;
    down_ = down;
    disable_ = disable;
}

const QImage& HvButton::overImage() const {
    makeLaterPictures();
    return over_;
}

const QImage& HvButton::downImage() const {
    makeLaterPictures();
    return down_;
}

const QImage& HvButton::disableImage() const {
    makeLaterPictures();
    return disable_;
}

void HvButton::setIsNoanomaly(bool shaped) {
    shaped_ = shaped;
    updateShape();
}

void HvButton::updateShape() {
    if (!shaped_ || normal_.isNull() || size().isEmpty()) {
        clearMask();
        return;
    }
    // The mask in points, from the picture's alpha at this size.
    const QImage alpha = normal_.scaled(size(), Qt::IgnoreAspectRatio, Qt::FastTransformation)
                             .createAlphaMask(Qt::ThresholdAlphaDither);
    setMask(QBitmap::fromImage(alpha));
}

void HvButton::resizeEvent(QResizeEvent* event) {
    QAbstractButton::resizeEvent(event);
    updateShape();
}

HvButton::Face HvButton::currentFace() const {
    if (!isEnabled())
        return Face::Disable;
    if (isDown())
        return Face::Down;
    if (isCheckable() && isChecked())
        return Face::Selected;
    if (hovered_ && hasHover_ && !overImage().isNull())
        return Face::Over;
    return Face::Normal;
}

const QImage& HvButton::currentImage() const {
    switch (currentFace()) {
    case Face::Disable:
        return disableImage();
    case Face::Down:
        return downImage();
    case Face::Selected:
        return selected_.isNull() ? downImage() : selected_;
    case Face::Over:
        return over_;
    case Face::Normal:
        break;
    }
    return normal_;
}

void HvButton::setFacePainter(FacePainter painter) {
    facePainter_ = std::move(painter);
    update();
}

void HvButton::setIsCheckBox(bool isCheckBox) {
    setCheckable(isCheckBox);
    update();
}

void HvButton::setLeftPad(int pad) {
    leftPad_ = pad;
    update();
}

void HvButton::setRightPad(int pad) {
    rightPad_ = pad;
    update();
}

void HvButton::setTitleColor(const QColor& colour) {
    titleColor_ = colour;
    update();
}

void HvButton::setTitleAlignment(Qt::Alignment alignment) {
    titleAlignment_ = alignment;
    update();
}

QFont HvButton::titleFont() const {
    return HvAction::fontToFit(font(), text(), qMax(0, width() - leftPad_ - rightPad_));
}

QString HvButton::elidedTitle() const {
    const int width = qMax(0, this->width() - leftPad_ - rightPad_);
    return QFontMetrics(titleFont()).elidedText(text(), Qt::ElideRight, width);
}

QSize HvButton::sizeHint() const {
    if (!normal_.isNull())
        return normal_.deviceIndependentSize().toSize();
    return QSize(fontMetrics().horizontalAdvance(text()) + leftPad_ + rightPad_ + 8,
                 fontMetrics().height() + 6);
}

void HvButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QImage& image = currentImage();
    if (!image.isNull())
        painter.drawImage(QRectF(QPointF(0, 0), image.deviceIndependentSize()), image);
    if (facePainter_)
        facePainter_(painter, currentFace());
    if (!text().isEmpty()) {
        painter.setFont(titleFont());
        QColor colour = titleColor_;
        if (!isEnabled())
            colour.setAlphaF(0.45f);
        painter.setPen(colour);
        const QRect area = rect().adjusted(leftPad_, 0, -rightPad_, 0);
        painter.drawText(area, int(titleAlignment_ | Qt::AlignVCenter), elidedTitle());
    }
    if (hasFocus() && keyboardFocus_) {
        // The focus ring: the accent colour around the button (its shape for shaped buttons).
        painter.setRenderHint(QPainter::Antialiasing);
        QPen pen(accentColor().lighter(170), 2);
        painter.setPen(pen);
        painter.setBrush(Qt::NoBrush);
        painter.drawRoundedRect(QRectF(rect()).adjusted(1, 1, -1, -1), 3, 3);
    }
}

bool HvButton::hitButton(const QPoint& pos) const {
    if (!rect().contains(pos))
        return false;
    if (!shaped_ || normal_.isNull())
        return true;
    const qreal ratio = normal_.devicePixelRatio();
    const QPoint pixel(int(pos.x() * ratio), int(pos.y() * ratio));
    return normal_.valid(pixel) && qAlpha(normal_.pixel(pixel)) > 0;
}

void HvButton::enterEvent(QEnterEvent* event) {
    QAbstractButton::enterEvent(event);
    hovered_ = true;
    update();
    if (delegate_)
        NotificationCenter::defaultCenter().post(QStringLiteral("HvNotifyShowTipNameStr"),
                                                 QVariant::fromValue<QObject*>(this));
}

void HvButton::leaveEvent(QEvent* event) {
    QAbstractButton::leaveEvent(event);
    hovered_ = false;
    update();
    if (delegate_)
        NotificationCenter::defaultCenter().post(QStringLiteral("HvNotifyHideTipNameStr"),
                                                 QVariant::fromValue<QObject*>(this));
}

HvButtonDelegate::MouseEventType HvButtonDelegate::eventType(const QMouseEvent* event, bool press) {
    switch (event->button()) {
    case Qt::LeftButton:
        return press ? LeftDown : LeftUp;
    case Qt::RightButton:
        return press ? RightDown : RightUp;
    default:
        return press ? OtherDown : OtherUp;
    }
}

bool HvButton::captured(QMouseEvent* event, bool press) {
    if (!capture_ || !delegate_ || !delegate_->checkMouseEvent(this, event))
        return false;
    delegate_->onMouseEvent(this, event, HvButtonDelegate::eventType(event, press));
    return true;
}

void HvButton::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::RightButton) {
        rightPressed_ = hitButton(event->position().toPoint());
        return;
    }
    QAbstractButton::mousePressEvent(event);
}

void HvButton::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::RightButton) {
        const bool inside = hitButton(event->position().toPoint());
        if (rightPressed_ && inside && isEnabled() && rightAction_)
            rightAction_(this);
        rightPressed_ = false;
        return;
    }
    QAbstractButton::mouseReleaseEvent(event);
}

void HvButton::keyPressEvent(QKeyEvent* event) {
    // A chooser opens its list with a combo box's keys; the arrows do not move the focus.
    if (role_ == Role::Chooser && !event->isAutoRepeat()) {
        const bool plain = !(event->modifiers() & ~(Qt::KeypadModifier | Qt::AltModifier));
        switch (event->key()) {
        case Qt::Key_Up:
        case Qt::Key_Down:
        case Qt::Key_F4:
        case Qt::Key_Return:
        case Qt::Key_Enter:
            if (plain) {
                animateClick();
                return;
            }
            break;
        default:
            break;
        }
    }
    // Space is QAbstractButton's own; Enter acts the same.
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) &&
        !event->isAutoRepeat()) {
        animateClick();
        return;
    }
    QAbstractButton::keyPressEvent(event);
}

void HvButton::nextCheckState() {
    if (role_ == Role::Radio && isChecked())
        return;
    QAbstractButton::nextCheckState();
}

void HvButton::focusInEvent(QFocusEvent* event) {
    keyboardFocus_ =
        event->reason() == Qt::TabFocusReason || event->reason() == Qt::BacktabFocusReason ||
        event->reason() == Qt::ShortcutFocusReason || event->reason() == Qt::OtherFocusReason;
    QAbstractButton::focusInEvent(event);
}

void HvButton::focusOutEvent(QFocusEvent* event) {
    keyboardFocus_ = false;
    QAbstractButton::focusOutEvent(event);
}

bool HvButton::event(QEvent* event) {
    switch (event->type()) {
    // Capture mode takes clicks before anything else: a recording turns the editor's buttons
    // off, and a disabled button would swallow them; a quick second click arrives as a double
    // click and is a press all the same.
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseButtonRelease:
        if (capture_ &&
            captured(static_cast<QMouseEvent*>(event), event->type() != QEvent::MouseButtonRelease))
            return true;
        break;
    default:
        break;
    }
    return QAbstractButton::event(event);
}
