#pragma once

#include "KxLayout.h"
#include "KxTextLook.h"

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainterPath>
#include <QString>

#include <functional>

class QPainter;

// The look of every window, in one place: a dark gaming look of near-black and charcoal panels,
// thin near-black borders, white text and one dark-red accent. Everything is drawn in points;
// a picture is painted once at 1x and once at 2x by scaling the painter.
namespace Artwork {

using KxLayout::State;

namespace Colour {
inline const QColor kWindowTop{0x1c, 0x1e, 0x22};
inline const QColor kWindowBottom{0x0b, 0x0c, 0x0e};
inline const QColor kBorder{0x05, 0x05, 0x06};
inline const QColor kPanel{0x13, 0x14, 0x17};
inline const QColor kPanelEdge{0x2a, 0x2c, 0x31};
inline const QColor kControlTop{0x34, 0x37, 0x3e};
inline const QColor kControlBottom{0x22, 0x24, 0x29};
inline const QColor kOverTop{0x45, 0x49, 0x52};
inline const QColor kOverBottom{0x2d, 0x30, 0x36};
inline const QColor kDisabled{0x1a, 0x1b, 0x1e};
inline const QColor kText = KxTextLook::kText;
inline const QColor kTextDim = KxTextLook::kTextDim;
inline const QColor kTextDisabled = KxTextLook::kTextDisabled;
inline const QColor kField{0x07, 0x07, 0x08};
inline const QColor kAccent = QColor::fromRgbF(0.492f, 0.022f, 0.031f); // #7D0608
inline const QColor kAccentBright{0xc4, 0x14, 0x1c};
inline const QColor kAccentDark{0x4a, 0x03, 0x05};
inline const QColor kMouseBody{0x1d, 0x1f, 0x23};
inline const QColor kMouseShell{0x2b, 0x2e, 0x34};
} // namespace Colour

// Text is not drawn into the pictures (the views draw it in the user's language); the tool still
// needs the words' font, which the views' pictures are measured against.
using KxTextLook::fontAvailable;

// A picture of a size in points at a scale (1 or 2), transparent, with the painter set up.
QImage newImage(const QSize& points, int scale);
// Runs paint on a painter of a new picture.
QImage draw(const QSize& points, int scale, const std::function<void(QPainter&)>& paint);

// The window: a dark gradient, a border, an accent line at the top.
void windowBackground(QPainter& painter, const QSize& size);
void panel(QPainter& painter, const QRectF& rect);

// Controls in a state, each filling its frame, without their labels (KxTextLook draws them); a
// labelled button keeps its icon at the left for the label.
void button(QPainter& painter, const QRectF& rect, State state, bool labelled, const QString& icon);
void tab(QPainter& painter, const QRectF& rect, State state);
void checkBox(QPainter& painter, const QRectF& rect, State state);
void radioItem(QPainter& painter, const QRectF& rect, State state);
void listButton(QPainter& painter, const QRectF& rect, State state);
void field(QPainter& painter, const QRectF& rect, State state);
void track(QPainter& painter, const QRectF& rect, State state, int knobWidth);
void fillTrack(QPainter& painter, const QRectF& rect, State state, bool filled);
void table(QPainter& painter, const QRectF& rect);

// A glyph of a few strokes in a square ("close", "menu", "help", "home", "reset", "plus", "minus",
// "record", "stop", "up", "down", "mouse", "key", "macro", "launch", "light", "gauge",
// "rules", "warning"); false for an unknown name.
bool glyph(QPainter& painter, const QRectF& square, const QString& name, const QColor& colour);

// The mouse seen from above, filling a frame: the shell, and the regions of its buttons.
struct MouseShape {
    QPainterPath body;
    QPainterPath leftButton, rightButton, wheel, sideFront, sideBack;
    QPainterPath logo; // the light in the palm
};
MouseShape mouseShape(const QRectF& frame);
// The whole drawing: shell, button regions in their normal look, groove, logo.
void mouse(QPainter& painter, const QRectF& frame);
// One button region in a state, as its own picture draws it (the path in the painter's
// coordinates).
void mouseButton(QPainter& painter, const QPainterPath& region, State state);

} // namespace Artwork
