#include "Artwork.h"

#include <QPainter>
#include <QtMath>

namespace Artwork {

namespace {

// Fill and edge of a raised control in a state.
struct Look {
    QColor top, bottom, edge, text;
};

Look lookOf(State state) {
    using namespace Colour;
    switch (state) {
    case State::Over:
        return {kOverTop, kOverBottom, kAccentBright, kText};
    case State::Down:
    case State::Active:
        return {kAccent.lighter(120), kAccentDark, kAccentBright, kText};
    case State::Disable:
        return {kDisabled, kDisabled, kPanelEdge, kTextDisabled};
    case State::Normal:
        break;
    }
    return {kControlTop, kControlBottom, kBorder, kText};
}

void raised(QPainter& painter, const QRectF& rect, const Look& look, qreal radius = 3) {
    painter.save();
    QLinearGradient fill(rect.topLeft(), rect.bottomLeft());
    fill.setColorAt(0, look.top);
    fill.setColorAt(1, look.bottom);
    painter.setBrush(fill);
    painter.setPen(QPen(look.edge, 1));
    painter.drawRoundedRect(rect.adjusted(0.5, 0.5, -0.5, -0.5), radius, radius);
    // A thin highlight along the top edge.
    painter.setPen(QPen(QColor(255, 255, 255, 28), 1));
    painter.drawLine(QPointF(rect.left() + radius, rect.top() + 1.5),
                     QPointF(rect.right() - radius, rect.top() + 1.5));
    painter.restore();
}

} // namespace

QImage newImage(const QSize& points, int scale) {
    QImage image(points * scale, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    image.setDevicePixelRatio(scale);
    return image;
}

QImage draw(const QSize& points, int scale, const std::function<void(QPainter&)>& paint) {
    QImage image = newImage(points, scale);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    paint(painter);
    painter.end();
    return image;
}

void windowBackground(QPainter& painter, const QSize& size) {
    using namespace Colour;
    const QRectF rect(QPointF(0, 0), QSizeF(size));
    QLinearGradient fill(rect.topLeft(), rect.bottomLeft());
    fill.setColorAt(0, kWindowTop);
    fill.setColorAt(1, kWindowBottom);
    painter.fillRect(rect, fill);
    // A faint diagonal texture, darker toward the corners.
    painter.save();
    painter.setPen(QPen(QColor(255, 255, 255, 6), 1));
    for (qreal x = -rect.height(); x < rect.width(); x += 6)
        painter.drawLine(QPointF(x, rect.height()), QPointF(x + rect.height(), 0));
    QRadialGradient vignette(rect.center(), std::max(rect.width(), rect.height()) * 0.75);
    vignette.setColorAt(0.6, QColor(0, 0, 0, 0));
    vignette.setColorAt(1, QColor(0, 0, 0, 110));
    painter.fillRect(rect, vignette);
    painter.restore();
    painter.setPen(QPen(kBorder, 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(rect.adjusted(0.5, 0.5, -0.5, -0.5));
    painter.fillRect(QRectF(1, 1, rect.width() - 2, 3), kAccent);
}

void panel(QPainter& painter, const QRectF& rect) {
    using namespace Colour;
    painter.save();
    painter.setBrush(QColor(kPanel.red(), kPanel.green(), kPanel.blue(), 235));
    painter.setPen(QPen(kBorder, 1));
    painter.drawRoundedRect(rect.adjusted(0.5, 0.5, -0.5, -0.5), 4, 4);
    painter.setPen(QPen(kPanelEdge, 1));
    painter.drawLine(QPointF(rect.left() + 4, rect.bottom() - 0.5),
                     QPointF(rect.right() - 4, rect.bottom() - 0.5));
    painter.restore();
}

void button(QPainter& painter, const QRectF& rect, State state, bool labelled,
            const QString& icon) {
    const Look look = lookOf(state);
    raised(painter, rect, look);
    if (icon.isEmpty())
        return;
    if (rect.height() >= 40) {
        // A tile: the icon above, the label (drawn by the view) below.
        const qreal side = std::min(rect.height() * 0.42, 28.0);
        const QRectF square(rect.center().x() - side / 2, rect.top() + rect.height() * 0.16, side,
                            side);
        glyph(painter, square, icon, look.text);
        return;
    }
    if (!labelled) {
        const qreal side = std::min(rect.width(), rect.height()) * 0.55;
        glyph(painter, QRectF(rect.center() - QPointF(side / 2, side / 2), QSizeF(side, side)),
              icon, look.text);
        return;
    }
    // The icon at the left; the label after it.
    const qreal side = rect.height() * 0.45;
    const QRectF square(rect.left() + 10, rect.center().y() - side / 2, side, side);
    glyph(painter, square, icon,
          icon == QLatin1String("record") && state != State::Disable ? Colour::kAccentBright
                                                                     : look.text);
}

void tab(QPainter& painter, const QRectF& rect, State state) {
    Look look = lookOf(state);
    if (state == State::Down)
        look = {Colour::kOverBottom, Colour::kControlBottom, Colour::kAccentBright, Colour::kText};
    raised(painter, rect, look, 2);
    if (state == State::Active) {
        // The chosen item: an accent bar along the bottom.
        painter.fillRect(QRectF(rect.left() + 3, rect.bottom() - 4, rect.width() - 6, 3),
                         Colour::kText);
    }
}

void checkBox(QPainter& painter, const QRectF& rect, State state) {
    using namespace Colour;
    const qreal side = std::min<qreal>(16, rect.height() - 6);
    const QRectF box(rect.left() + 2, rect.center().y() - side / 2, side, side);
    painter.save();
    painter.setBrush(state == State::Disable ? kDisabled : kField);
    const QColor edge = state == State::Over      ? kAccentBright
                        : state == State::Disable ? kPanelEdge
                                                  : QColor(0x6a, 0x6e, 0x76);
    painter.setPen(QPen(edge, 1));
    painter.drawRoundedRect(box.adjusted(0.5, 0.5, -0.5, -0.5), 2, 2);
    if (state == State::Active || state == State::Down) {
        painter.setBrush(state == State::Down ? kAccentDark : kAccent);
        painter.setPen(QPen(kAccentBright, 1));
        painter.drawRoundedRect(box.adjusted(0.5, 0.5, -0.5, -0.5), 2, 2);
    }
    if (state == State::Active) {
        QPainterPath tick;
        tick.moveTo(box.left() + side * 0.22, box.top() + side * 0.52);
        tick.lineTo(box.left() + side * 0.43, box.top() + side * 0.74);
        tick.lineTo(box.left() + side * 0.80, box.top() + side * 0.28);
        painter.setPen(QPen(kText, std::max<qreal>(1.6, side * 0.13), Qt::SolidLine, Qt::RoundCap,
                            Qt::RoundJoin));
        painter.setBrush(Qt::NoBrush);
        painter.drawPath(tick);
    }
    painter.restore();
}

void radioItem(QPainter& painter, const QRectF& rect, State state) {
    using namespace Colour;
    const qreal side = std::min<qreal>(16, rect.height() - 6);
    const QRectF ring(rect.left() + 2, rect.center().y() - side / 2, side, side);
    painter.save();
    painter.setBrush(state == State::Disable ? kDisabled : kField);
    const QColor edge = state == State::Over      ? kAccentBright
                        : state == State::Disable ? kPanelEdge
                                                  : QColor(0x6a, 0x6e, 0x76);
    painter.setPen(QPen(edge, 1.2));
    painter.drawEllipse(ring.adjusted(0.6, 0.6, -0.6, -0.6));
    if (state == State::Active || state == State::Down) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(state == State::Down ? kAccent : kAccentBright);
        const qreal inset = side * 0.27;
        painter.drawEllipse(ring.adjusted(inset, inset, -inset, -inset));
    }
    painter.restore();
}

void listButton(QPainter& painter, const QRectF& rect, State state) {
    using namespace Colour;
    Look look = lookOf(state);
    if (state == State::Normal)
        look = {QColor(0x18, 0x19, 0x1c), QColor(0x10, 0x11, 0x13), QColor(0x3a, 0x3d, 0x44),
                kText};
    raised(painter, rect, look, 2);
    // The list's arrow in the right inset.
    const qreal s = std::min<qreal>(rect.height() * 0.32, 7);
    const QPointF centre(rect.right() - 10, rect.center().y() + 1);
    QPainterPath arrow;
    arrow.moveTo(centre + QPointF(-s, -s * 0.5));
    arrow.lineTo(centre + QPointF(s, -s * 0.5));
    arrow.lineTo(centre + QPointF(0, s * 0.6));
    arrow.closeSubpath();
    painter.save();
    painter.setPen(Qt::NoPen);
    painter.setBrush(state == State::Disable ? kTextDisabled : kAccentBright);
    painter.drawPath(arrow);
    painter.setPen(QPen(QColor(0, 0, 0, 120), 1));
    painter.drawLine(QPointF(rect.right() - 19.5, rect.top() + 4),
                     QPointF(rect.right() - 19.5, rect.bottom() - 4));
    painter.restore();
}

void field(QPainter& painter, const QRectF& rect, State state) {
    using namespace Colour;
    painter.save();
    painter.setBrush(state == State::Disable ? kDisabled : kField);
    painter.setPen(QPen(state == State::Over ? kAccentBright : QColor(0x3a, 0x3d, 0x44), 1));
    painter.drawRoundedRect(rect.adjusted(0.5, 0.5, -0.5, -0.5), 2, 2);
    painter.setPen(QPen(QColor(0, 0, 0, 160), 1));
    painter.drawLine(QPointF(rect.left() + 2, rect.top() + 1.5),
                     QPointF(rect.right() - 2, rect.top() + 1.5));
    painter.restore();
}

void track(QPainter& painter, const QRectF& rect, State state, int knobWidth) {
    using namespace Colour;
    const qreal h = 4;
    const QRectF groove(rect.left() + knobWidth / 2.0 - 2, rect.center().y() - h / 2,
                        rect.width() - knobWidth + 4, h);
    painter.save();
    painter.setPen(Qt::NoPen);
    painter.setBrush(state == State::Disable ? kDisabled : kField);
    painter.drawRoundedRect(groove.adjusted(-1, -1, 1, 1), 3, 3);
    QColor line = state == State::Over      ? kAccentBright
                  : state == State::Disable ? kPanelEdge
                                            : QColor(0x4a, 0x4e, 0x56);
    painter.setBrush(line);
    painter.drawRoundedRect(groove.adjusted(0, 1, 0, -1), 1, 1);
    painter.restore();
}

void fillTrack(QPainter& painter, const QRectF& rect, State state, bool filled) {
    using namespace Colour;
    painter.save();
    painter.setPen(QPen(QColor(0x3a, 0x3d, 0x44), 1));
    painter.setBrush(state == State::Disable ? kDisabled : kField);
    painter.drawRoundedRect(rect.adjusted(0.5, 0.5, -0.5, -0.5), 3, 3);
    if (filled) {
        QLinearGradient fill(rect.topLeft(), rect.topRight());
        fill.setColorAt(0, kAccentDark);
        fill.setColorAt(1, kAccentBright);
        painter.setPen(Qt::NoPen);
        painter.setBrush(fill);
        painter.drawRoundedRect(rect.adjusted(1.5, 1.5, -1.5, -1.5), 2, 2);
        painter.setPen(QPen(QColor(255, 255, 255, 50), 1));
        painter.drawLine(QPointF(rect.left() + 3, rect.top() + 2.5),
                         QPointF(rect.right() - 3, rect.top() + 2.5));
    }
    painter.restore();
}

void table(QPainter& painter, const QRectF& rect) {
    painter.save();
    painter.setBrush(Qt::black);
    painter.setPen(QPen(QColor(0x3a, 0x3d, 0x44), 1));
    painter.drawRect(rect.adjusted(0.5, 0.5, -0.5, -0.5));
    painter.restore();
}

bool glyph(QPainter& painter, const QRectF& sq, const QString& name, const QColor& colour) {
    painter.save();
    const qreal w = sq.width();
    QPen pen(colour, std::max<qreal>(1.4, w * 0.09), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    auto at = [&](qreal x, qreal y) { return QPointF(sq.left() + x * w, sq.top() + y * w); };
    bool known = true;
    if (name == QLatin1String("close")) {
        painter.drawLine(at(0.2, 0.2), at(0.8, 0.8));
        painter.drawLine(at(0.8, 0.2), at(0.2, 0.8));
    } else if (name == QLatin1String("menu")) {
        for (const qreal y : {0.28, 0.5, 0.72})
            painter.drawLine(at(0.2, y), at(0.8, y));
    } else if (name == QLatin1String("plus") || name == QLatin1String("minus")) {
        painter.drawLine(at(0.2, 0.5), at(0.8, 0.5));
        if (name == QLatin1String("plus"))
            painter.drawLine(at(0.5, 0.2), at(0.5, 0.8));
    } else if (name == QLatin1String("help")) {
        painter.drawEllipse(QRectF(at(0.08, 0.08), at(0.92, 0.92)));
        QPainterPath hook;
        hook.moveTo(at(0.36, 0.38));
        hook.cubicTo(at(0.36, 0.2), at(0.66, 0.2), at(0.64, 0.38));
        hook.cubicTo(at(0.62, 0.5), at(0.5, 0.5), at(0.5, 0.6));
        painter.drawPath(hook);
        painter.drawPoint(at(0.5, 0.76));
    } else if (name == QLatin1String("home")) {
        QPainterPath house;
        house.moveTo(at(0.12, 0.5));
        house.lineTo(at(0.5, 0.14));
        house.lineTo(at(0.88, 0.5));
        house.moveTo(at(0.24, 0.42));
        house.lineTo(at(0.24, 0.86));
        house.lineTo(at(0.76, 0.86));
        house.lineTo(at(0.76, 0.42));
        painter.drawPath(house);
    } else if (name == QLatin1String("reset")) {
        painter.drawArc(QRectF(at(0.14, 0.14), at(0.86, 0.86)), 100 * 16, 290 * 16);
        QPainterPath head;
        head.moveTo(at(0.5, 0.02));
        head.lineTo(at(0.36, 0.14));
        head.lineTo(at(0.52, 0.26));
        painter.drawPath(head);
    } else if (name == QLatin1String("record")) {
        painter.setBrush(colour);
        painter.setPen(Qt::NoPen);
        painter.drawEllipse(QRectF(at(0.15, 0.15), at(0.85, 0.85)));
    } else if (name == QLatin1String("stop")) {
        painter.setBrush(colour);
        painter.setPen(Qt::NoPen);
        painter.drawRoundedRect(QRectF(at(0.18, 0.18), at(0.82, 0.82)), w * 0.08, w * 0.08);
    } else if (name == QLatin1String("up") || name == QLatin1String("down")) {
        const bool up = name == QLatin1String("up");
        painter.drawLine(at(0.5, 0.15), at(0.5, 0.85));
        painter.drawLine(at(0.25, up ? 0.4 : 0.6), at(0.5, up ? 0.15 : 0.85));
        painter.drawLine(at(0.75, up ? 0.4 : 0.6), at(0.5, up ? 0.15 : 0.85));
    } else if (name == QLatin1String("mouse")) {
        painter.drawRoundedRect(QRectF(at(0.26, 0.08), at(0.74, 0.92)), w * 0.22, w * 0.22);
        painter.drawLine(at(0.5, 0.08), at(0.5, 0.4));
        painter.drawLine(at(0.26, 0.4), at(0.74, 0.4));
    } else if (name == QLatin1String("key")) {
        painter.drawRoundedRect(QRectF(at(0.12, 0.2), at(0.88, 0.8)), w * 0.1, w * 0.1);
        painter.drawRoundedRect(QRectF(at(0.26, 0.32), at(0.74, 0.6)), w * 0.05, w * 0.05);
    } else if (name == QLatin1String("macro")) {
        for (int i = 0; i < 3; ++i) {
            const qreal y = 0.24 + i * 0.26;
            painter.drawPoint(at(0.16, y));
            painter.drawLine(at(0.32, y), at(0.86 - i * 0.12, y));
        }
    } else if (name == QLatin1String("launch")) {
        painter.drawRoundedRect(QRectF(at(0.1, 0.22), at(0.72, 0.9)), w * 0.06, w * 0.06);
        painter.drawLine(at(0.42, 0.58), at(0.88, 0.12));
        painter.drawLine(at(0.6, 0.12), at(0.88, 0.12));
        painter.drawLine(at(0.88, 0.12), at(0.88, 0.4));
    } else if (name == QLatin1String("light")) {
        painter.drawEllipse(QRectF(at(0.3, 0.3), at(0.7, 0.7)));
        for (int i = 0; i < 8; ++i) {
            const qreal a = i * M_PI / 4;
            painter.drawLine(at(0.5 + 0.3 * std::cos(a), 0.5 + 0.3 * std::sin(a)),
                             at(0.5 + 0.44 * std::cos(a), 0.5 + 0.44 * std::sin(a)));
        }
    } else if (name == QLatin1String("gauge")) {
        painter.drawArc(QRectF(at(0.08, 0.2), at(0.92, 1.04)), 0, 180 * 16);
        painter.drawLine(at(0.5, 0.62), at(0.74, 0.36));
        painter.setBrush(colour);
        painter.drawEllipse(QRectF(at(0.45, 0.57), at(0.55, 0.67)));
    } else if (name == QLatin1String("rules")) {
        // An application's window, and an arrow from it to the profile it brings.
        painter.drawRoundedRect(QRectF(at(0.06, 0.08), at(0.66, 0.56)), w * 0.06, w * 0.06);
        painter.drawLine(at(0.06, 0.2), at(0.66, 0.2));
        painter.drawPolyline(QPolygonF{at(0.3, 0.6), at(0.3, 0.8), at(0.6, 0.8)});
        painter.drawPolyline(QPolygonF{at(0.52, 0.72), at(0.6, 0.8), at(0.52, 0.88)});
        painter.drawRoundedRect(QRectF(at(0.7, 0.66), at(0.94, 0.94)), w * 0.04, w * 0.04);
    } else if (name == QLatin1String("warning")) {
        QPainterPath triangle;
        triangle.moveTo(at(0.5, 0.08));
        triangle.lineTo(at(0.94, 0.88));
        triangle.lineTo(at(0.06, 0.88));
        triangle.closeSubpath();
        painter.drawPath(triangle);
        painter.drawLine(at(0.5, 0.36), at(0.5, 0.6));
        painter.drawPoint(at(0.5, 0.74));
    } else {
        known = false;
    }
    painter.restore();
    return known;
}

MouseShape mouseShape(const QRectF& f) {
    // The shell in a unit square, stretched over the frame: narrow at the front (top), wide at
    // the palm.
    auto p = [&](qreal x, qreal y) {
        return QPointF(f.left() + x * f.width(), f.top() + y * f.height());
    };
    MouseShape shape;
    QPainterPath& body = shape.body;
    body.moveTo(p(0.5, 0.0));
    body.cubicTo(p(0.82, 0.0), p(0.99, 0.16), p(0.99, 0.42));
    body.cubicTo(p(0.99, 0.72), p(0.86, 1.0), p(0.5, 1.0));
    body.cubicTo(p(0.14, 1.0), p(0.01, 0.72), p(0.01, 0.42));
    body.cubicTo(p(0.01, 0.16), p(0.18, 0.0), p(0.5, 0.0));
    body.closeSubpath();

    const qreal split = 0.445; // where the buttons end
    const qreal groove = f.width() * 0.018;
    QPainterPath front;
    front.addRect(QRectF(p(0, 0), p(1, split)));
    const QPainterPath frontShell = body.intersected(front);
    QPainterPath left, right;
    left.addRect(QRectF(p(0, 0), QPointF(f.center().x() - groove, p(0, split).y())));
    right.addRect(QRectF(QPointF(f.center().x() + groove, f.top()), p(1, split)));
    shape.leftButton = frontShell.intersected(left);
    shape.rightButton = frontShell.intersected(right);

    const qreal wheelW = f.width() * 0.095;
    shape.wheel.addRoundedRect(QRectF(f.center().x() - wheelW / 2, f.top() + f.height() * 0.125,
                                      wheelW, f.height() * 0.16),
                               wheelW / 2, wheelW / 2);
    // The side buttons on the left flank, sticking out a little.
    const qreal sideW = f.width() * 0.085;
    shape.sideFront.addRoundedRect(QRectF(f.left() + f.width() * 0.024, f.top() + f.height() * 0.48,
                                          sideW, f.height() * 0.125),
                                   sideW / 2, sideW / 2);
    shape.sideBack.addRoundedRect(QRectF(f.left() + f.width() * 0.024, f.top() + f.height() * 0.63,
                                         sideW, f.height() * 0.125),
                                  sideW / 2, sideW / 2);
    // The logo light in the palm: a chevron.
    QPainterPath logo;
    logo.moveTo(p(0.36, 0.70));
    logo.lineTo(p(0.5, 0.64));
    logo.lineTo(p(0.64, 0.70));
    logo.lineTo(p(0.64, 0.76));
    logo.lineTo(p(0.5, 0.70));
    logo.lineTo(p(0.36, 0.76));
    logo.closeSubpath();
    shape.logo = logo;
    return shape;
}

void mouseButton(QPainter& painter, const QPainterPath& region, State state) {
    using namespace Colour;
    painter.save();
    const QRectF box = region.boundingRect();
    QLinearGradient fill(box.topLeft(), box.bottomLeft());
    QColor edge = kBorder;
    switch (state) {
    case State::Over:
        fill.setColorAt(0, QColor(0x4a, 0x4e, 0x57));
        fill.setColorAt(1, QColor(0x32, 0x35, 0x3b));
        edge = kAccentBright;
        break;
    case State::Down:
    case State::Active:
        fill.setColorAt(0, kAccent.lighter(130));
        fill.setColorAt(1, kAccentDark);
        edge = kAccentBright;
        break;
    case State::Disable:
        fill.setColorAt(0, kDisabled);
        fill.setColorAt(1, kDisabled);
        break;
    case State::Normal:
        fill.setColorAt(0, QColor(0x38, 0x3b, 0x42));
        fill.setColorAt(1, QColor(0x24, 0x26, 0x2b));
        break;
    }
    painter.setBrush(fill);
    painter.setPen(QPen(edge, 1));
    painter.drawPath(region);
    painter.restore();
}

void mouse(QPainter& painter, const QRectF& frame) {
    using namespace Colour;
    const MouseShape shape = mouseShape(frame);
    painter.save();
    // A soft shadow, then the shell.
    for (int i = 6; i > 0; --i) {
        painter.setPen(QPen(QColor(0, 0, 0, 18), i * 2.5));
        painter.setBrush(Qt::NoBrush);
        painter.drawPath(shape.body.translated(0, 4));
    }
    QLinearGradient shell(frame.topLeft(), frame.topRight());
    shell.setColorAt(0, QColor(0x17, 0x18, 0x1b));
    shell.setColorAt(0.5, kMouseShell);
    shell.setColorAt(1, QColor(0x17, 0x18, 0x1b));
    painter.setBrush(shell);
    painter.setPen(QPen(kBorder, 1.5));
    painter.drawPath(shape.body);
    // An accent line along each flank of the palm.
    painter.setPen(QPen(kAccent, 2, Qt::SolidLine, Qt::RoundCap));
    painter.setBrush(Qt::NoBrush);
    auto at = [&](qreal x, qreal y) {
        return QPointF(frame.left() + x * frame.width(), frame.top() + y * frame.height());
    };
    QPainterPath flanks;
    flanks.moveTo(at(0.12, 0.6));
    flanks.cubicTo(at(0.14, 0.78), at(0.24, 0.9), at(0.36, 0.94));
    flanks.moveTo(at(0.88, 0.6));
    flanks.cubicTo(at(0.86, 0.78), at(0.76, 0.9), at(0.64, 0.94));
    painter.drawPath(flanks);
    for (const QPainterPath* part :
         {&shape.leftButton, &shape.rightButton, &shape.sideFront, &shape.sideBack, &shape.wheel})
        mouseButton(painter, *part, State::Normal);
    // The wheel's ribs.
    const QRectF wheel = shape.wheel.boundingRect();
    painter.setPen(QPen(QColor(0, 0, 0, 140), 1));
    for (qreal y = wheel.top() + 6; y < wheel.bottom() - 4; y += 5)
        painter.drawLine(QPointF(wheel.left() + 3, y), QPointF(wheel.right() - 3, y));
    painter.setPen(Qt::NoPen);
    painter.setBrush(kAccent);
    painter.drawPath(shape.logo);
    painter.restore();
}

} // namespace Artwork
