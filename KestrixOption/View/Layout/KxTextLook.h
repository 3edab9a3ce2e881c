#pragma once

#include "KxLayout.h"

#include <QColor>
#include <QFont>
#include <QString>

class QPainter;

// The words of the picture-drawn windows, drawn at run time over the pictures in the user's
// language: the pictures hold shapes, icons and states; every label, title, caption and line of
// text is drawn here, by the views and by the artwork program alike, in one font and one look.
// A text too wide for its place is drawn smaller, down to a floor, then on two lines where the
// place is tall enough, then cut with an ellipsis.
namespace KxTextLook {

inline const QColor kText{0xff, 0xff, 0xff};
inline const QColor kTextDim{0x9a, 0x9e, 0xa6};
inline const QColor kTextDisabled{0x55, 0x58, 0x5e};
inline const QColor kMessageText{0xd8, 0xda, 0xde};

// The font of every text: a family the system has from its packages; glyphs it lacks (Chinese,
// Japanese) come from the system's fallback fonts.
QFont font(qreal pixelSize, bool bold = false, qreal letterSpacing = 0);
// False (with the reason) when the family is missing.
bool fontAvailable(QString* why);

// How a text is drawn in its place: its font after shrinking; on two lines where the place is
// tall enough for them; cut with an ellipsis when it does not fit even so (whole is then false).
struct Fitted {
    QFont font;
    QString text;
    bool whole = true;
    bool wrapped = false;
};

// A text fitted to its place once, for a widget that draws it at every paint: where, how, and
// (for a decoration) its colour and the title's accent tick.
struct PlacedLabel {
    QRectF rect;
    Fitted fitted;
    Qt::Alignment alignment;
    QColor colour = kText;
    bool titleTick = false;
};

// A control's label, where its kind places it within rect (its frame), drawn in a state's colour.
PlacedLabel placeControlLabel(const KxLayout::Control& control, const QRectF& rect,
                              const QString& text);
void drawControlLabel(QPainter& painter, const PlacedLabel& label, KxLayout::State state);
// A decoration's text (a view's title, a caption, a line of text); none (an empty text) for
// panels and drawings.
PlacedLabel placeDecoration(const KxLayout::Decoration& decoration, const QString& text);
// A pop-up's title and its message wrapped at word boundaries, in its picture's coordinates.
PlacedLabel placePopupTitle(const QRectF& rect, const QString& text);
PlacedLabel placePopupMessage(const QRectF& rect, const QString& text);
// A decoration or a pop-up's text in its own colour.
void draw(QPainter& painter, const PlacedLabel& label);

} // namespace KxTextLook
