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

// A line of text in a place, in a colour and size.
void label(QPainter& painter, const QRectF& rect, const QString& text, const QColor& colour,
           qreal size, bool bold, Qt::Alignment alignment = Qt::AlignCenter);
// A view's title: large, bold, spaced, with the accent tick under its start.
void title(QPainter& painter, const QRectF& rect, const QString& text);
// The text of a decoration (its title, a caption or a line of text); nothing for panels and
// drawings.
void decoration(QPainter& painter, const KxLayout::Decoration& decoration, const QString& text);
// The label of a control in a state, where its kind places it within rect (its frame).
void controlLabel(QPainter& painter, const KxLayout::Control& control, const QRectF& rect,
                  KxLayout::State state, const QString& text);
// The same fitted once, for a control that draws its label at every paint: where, how, and in
// which state's colour.
struct PlacedLabel {
    QRectF rect;
    Fitted fitted;
    Qt::Alignment alignment;
};
PlacedLabel placeControlLabel(const KxLayout::Control& control, const QRectF& rect,
                              const QString& text);
void drawControlLabel(QPainter& painter, const PlacedLabel& label, KxLayout::State state);
// How a decoration's or a control's text fits its place (the control's in its normal state).
Fitted fitDecoration(const KxLayout::Decoration& decoration, const QString& text);
Fitted fitControlLabel(const KxLayout::Control& control, const QString& text);

// A pop-up's title and message, in its picture's coordinates.
void popupTitle(QPainter& painter, const QRectF& rect, const QString& text);
void popupMessage(QPainter& painter, const QRectF& rect, const QString& text);
// Whether a pop-up's title fits its place (at its smallest), and its message wrapped at word
// boundaries.
bool popupTitleFits(const QRectF& rect, const QString& text);
bool popupMessageFits(const QRectF& rect, const QString& text);

} // namespace KxTextLook
