#include "KxTextLook.h"

#include <QFontDatabase>
#include <QFontMetricsF>
#include <QPainter>

#include <algorithm>
#include <optional>

namespace KxTextLook {

namespace {

const QString kFamily = QStringLiteral("DejaVu Sans");

// The smallest a label shrinks to, in pixels, and how many steps it takes to get there.
constexpr int kSmallestLabel = 8;
constexpr int kShrinkSteps = 6;

// Where a control's kind draws its label, and in which size and weight.
struct Place {
    QRectF rect;
    qreal size = 11;
    bool bold = true;
    Qt::Alignment alignment = Qt::AlignCenter;
};

Place placeOf(const KxLayout::Control& control, const QRectF& rect) {
    using KxLayout::Kind;
    switch (control.kind) {
    case Kind::Button:
    case Kind::IconButton:
        if (control.icon.empty())
            return {rect};
        if (rect.height() >= 40) {
            // A tile: the icon above, the label below.
            const qreal side = std::min(rect.height() * 0.42, 28.0);
            const qreal squareBottom = rect.top() + rect.height() * 0.16 + side;
            return {QRectF(rect.left() + 2, squareBottom + 2, rect.width() - 4,
                           rect.bottom() - squareBottom - 4),
                    10};
        } else {
            // The icon at the left, the label after it.
            const qreal side = rect.height() * 0.45;
            QRectF after = rect;
            after.setLeft(rect.left() + 10 + side + 4);
            return {after};
        }
    case Kind::Tab:
        return {rect, rect.height() >= 30 ? 15.0 : 11.0};
    case Kind::CheckBox:
    case Kind::RadioItem: {
        // After the box or the ring.
        const qreal side = std::min<qreal>(16, rect.height() - 6);
        const qreal boxRight = rect.left() + 2 + side;
        return {QRectF(boxRight + 8, rect.top(), rect.right() - boxRight - 8, rect.height()), 12,
                false, Qt::AlignLeft | Qt::AlignVCenter};
    }
    default:
        return {rect};
    }
}

// Cut with an ellipsis when it is wider than its place.
Fitted elided(QFont font, const QString& text, qreal width) {
    const QFontMetricsF metrics(font);
    if (metrics.horizontalAdvance(text) <= width)
        return {font, text, true};
    return {font, metrics.elidedText(text, Qt::ElideRight, width), false};
}

constexpr int kWrapFlags = Qt::AlignCenter | Qt::TextWordWrap;

// On two lines or more, at the largest size from the given one down to the floor whose lines
// fit the place; none when even the smallest does not.
std::optional<Fitted> wrappedToFit(const QRectF& rect, const QString& text, QFont f) {
    if (!text.contains(QLatin1Char(' ')))
        return std::nullopt;
    for (;;) {
        const QRectF needed = QFontMetricsF(f).boundingRect(rect, kWrapFlags, text);
        if (needed.width() <= rect.width() && needed.height() <= rect.height())
            return Fitted{f, text, true, true};
        if (f.pixelSize() <= kSmallestLabel)
            return std::nullopt;
        f.setPixelSize(f.pixelSize() - 1);
    }
}

Fitted fitLine(const QRectF& rect, const QString& text, qreal size, bool bold) {
    const QFont start = font(size, bold, bold ? 0.6 : 0);
    QFont f = start;
    for (int i = 0; i < kShrinkSteps && QFontMetricsF(f).horizontalAdvance(text) > rect.width() - 4;
         ++i)
        f.setPixelSize(std::max(kSmallestLabel, f.pixelSize() - 1));
    if (QFontMetricsF(f).horizontalAdvance(text) <= rect.width())
        return {f, text, true};
    if (auto wrapped = wrappedToFit(rect, text, start))
        return *wrapped;
    // At the smallest size, the letters closer together.
    f.setLetterSpacing(QFont::AbsoluteSpacing, 0);
    return elided(f, text, rect.width());
}

Fitted fitTitle(const QRectF& rect, const QString& text) {
    qreal size = std::min<qreal>(rect.height() * 0.78, 26);
    while (size > 10 &&
           QFontMetricsF(font(size, true, size * 0.12)).horizontalAdvance(text) > rect.width())
        size -= 0.5;
    return elided(font(size, true, size * 0.12), text, rect.width());
}

void drawFitted(QPainter& painter, const QRectF& rect, const Fitted& fitted, const QColor& colour,
                Qt::Alignment alignment) {
    painter.save();
    painter.setFont(fitted.font);
    painter.setPen(colour);
    painter.drawText(rect, fitted.wrapped ? int(alignment) | Qt::TextWordWrap : int(alignment),
                     fitted.text);
    painter.restore();
}

struct DecorationLook {
    qreal size;
    bool bold;
    Qt::Alignment alignment;
};

// Captions are small and bold, lines of text plain; a narrow place (a number under a slider)
// centres its text.
DecorationLook lookOf(const KxLayout::Decoration& decoration) {
    if (decoration.kind == KxLayout::DecorKind::Caption)
        return {10.5, true, Qt::AlignLeft | Qt::AlignVCenter};
    return {11, false,
            decoration.frame.width() <= 24 ? Qt::Alignment(Qt::AlignCenter)
                                           : Qt::AlignLeft | Qt::AlignVCenter};
}

bool hasText(const KxLayout::Decoration& decoration) {
    using KxLayout::DecorKind;
    return decoration.kind == DecorKind::Title || decoration.kind == DecorKind::Caption ||
           decoration.kind == DecorKind::Text;
}

} // namespace

QFont font(qreal pixelSize, bool bold, qreal letterSpacing) {
    QFont f(kFamily);
    f.setPixelSize(qMax(1, qRound(pixelSize)));
    f.setBold(bold);
    f.setHintingPreference(QFont::PreferNoHinting);
    if (letterSpacing != 0)
        f.setLetterSpacing(QFont::AbsoluteSpacing, letterSpacing);
    return f;
}

bool fontAvailable(QString* why) {
    if (QFontDatabase::families().contains(kFamily))
        return true;
    *why = QStringLiteral("the font family \"%1\" is missing (Debian package fonts-dejavu-core)")
               .arg(kFamily);
    return false;
}

PlacedLabel placeControlLabel(const KxLayout::Control& control, const QRectF& rect,
                              const QString& text) {
    const Place place = placeOf(control, rect);
    return {place.rect, fitLine(place.rect, text, place.size, place.bold), place.alignment};
}

void drawControlLabel(QPainter& painter, const PlacedLabel& label, KxLayout::State state) {
    drawFitted(painter, label.rect, label.fitted,
               state == KxLayout::State::Disable ? kTextDisabled : kText, label.alignment);
}

PlacedLabel placeDecoration(const KxLayout::Decoration& decoration, const QString& text) {
    const QRectF frame(decoration.frame);
    if (!hasText(decoration))
        return {frame, {}, Qt::AlignLeft};
    if (decoration.kind == KxLayout::DecorKind::Title)
        return {frame, fitTitle(frame, text), Qt::AlignLeft | Qt::AlignVCenter, kText, true};
    const DecorationLook look = lookOf(decoration);
    return {frame, fitLine(frame, text, look.size, look.bold), look.alignment, kTextDim};
}

namespace {

constexpr int kMessageFlags = Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap;

// The message's font: 12 pixels, smaller (down to 10) for a message too long for its place.
QFont messageFont(const QRectF& rect, const QString& text) {
    QFont f = font(12);
    while (f.pixelSize() > 10 &&
           QFontMetricsF(f).boundingRect(rect, kMessageFlags, text).height() > rect.height())
        f.setPixelSize(f.pixelSize() - 1);
    return f;
}

} // namespace

PlacedLabel placePopupTitle(const QRectF& rect, const QString& text) {
    qreal size = 16;
    while (size > 11 && QFontMetricsF(font(size, true)).horizontalAdvance(text) > rect.width())
        size -= 0.5;
    Fitted fitted{font(size, true), text, true};
    if (QFontMetricsF(fitted.font).horizontalAdvance(text) > rect.width()) {
        if (auto wrapped = wrappedToFit(rect, text, font(14, true)))
            fitted = *wrapped;
        else
            fitted = elided(fitted.font, text, rect.width());
    }
    return {rect, fitted, Qt::AlignLeft | Qt::AlignVCenter};
}

PlacedLabel placePopupMessage(const QRectF& rect, const QString& text) {
    const QFont f = messageFont(rect, text);
    const QRectF needed = QFontMetricsF(f).boundingRect(rect, kMessageFlags, text);
    const bool whole =
        needed.width() <= rect.width() + 0.5 && needed.height() <= rect.height() + 0.5;
    return {rect, {f, text, whole, true}, Qt::AlignLeft | Qt::AlignTop, kMessageText};
}

void draw(QPainter& painter, const PlacedLabel& label) {
    if (label.fitted.text.isEmpty())
        return;
    drawFitted(painter, label.rect, label.fitted, label.colour, label.alignment);
    if (label.titleTick) {
        // The accent tick under the title's start.
        const qreal width = QFontMetricsF(label.fitted.font).horizontalAdvance(label.fitted.text);
        painter.fillRect(
            QRectF(label.rect.left(), label.rect.bottom() + 1, std::min(width, 36.0), 2),
            QColor(0xc4, 0x14, 0x1c));
    }
}

} // namespace KxTextLook
