#include "OsdWords.h"

#include "KxProtocol.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QImage>
#include <QPainter>

#include <algorithm>

namespace OsdWords {

namespace {

// The artwork's text styles, in the pictures' coordinates (613 x 130 points).
enum class Style {
    Heading, // top left, small and dim: what the display is about
    Title,   // right, large and bold
    Detail,  // under the title, small and dim
    State,   // centred in the value panel, large and bold (the lock)
};

struct Word {
    Style style;
    QString text;
    qreal size = 0; // pixels; 0: the style's
};

const QColor kDim{0x8e, 0x8e, 0x96};

void draw(QPainter& painter, const Word& word) {
    // x, baseline, room, size, bold, colour; the state is centred on its x.
    struct Look {
        qreal x, baseline, room, size;
        bool bold;
        QColor colour;
    };
    Look look{};
    switch (word.style) {
    case Style::Heading:
        look = {58, 34, 276, 14, false, kDim};
        break;
    case Style::Title:
        look = {366, 50, 232, 30, true, Qt::white};
        break;
    case Style::Detail:
        look = {367, 72, 232, 14, false, kDim};
        break;
    case Style::State:
        look = {192, 99, 276, 46, true, Qt::white};
        break;
    }
    QFont font(QStringLiteral("sans-serif"));
    font.setPixelSize(int(word.size > 0 ? word.size : look.size));
    font.setBold(look.bold);
    // Narrower, never smaller than two thirds of its size, where the language's word is long.
    const qreal width = QFontMetricsF(font).horizontalAdvance(word.text);
    if (width > look.room)
        font.setStretch(std::max(66, int(100 * look.room / width)));
    // Still too long at its narrowest (a name the user's desktop gives): cut with an ellipsis.
    const QString text = QFontMetricsF(font).elidedText(word.text, Qt::ElideRight, look.room);
    const qreal drawn = QFontMetricsF(font).horizontalAdvance(text);
    const qreal x = word.style == Style::State ? look.x - drawn / 2 : look.x;
    painter.setFont(font);
    painter.setPen(look.colour);
    painter.drawText(QPointF(x, look.baseline), text);
}

std::vector<Word> wordsOf(const QString& tag) {
    if (tag.startsWith(QLatin1String("dpi")) && tag.size() == 4) {
        const int stage = tag.back().digitValue() + 1;
        //: The on-screen display of a DPI change: the stage among the mouse's stages.
        return {{Style::Heading, QCoreApplication::translate("OsdWords", "SENSITIVITY")},
                {Style::Title, QCoreApplication::translate("OsdWords", "DPI")},
                {Style::Detail, QCoreApplication::translate("OsdWords", "STAGE %1 OF %2")
                                    .arg(stage)
                                    .arg(KxProtocol::kStages)}};
    }
    if (tag.startsWith(QLatin1String("rate")))
        return {{Style::Heading, QCoreApplication::translate("OsdWords", "POLLING RATE")},
                {Style::Title, QCoreApplication::translate("OsdWords", "RATE")},
                {Style::Detail, QCoreApplication::translate("OsdWords", "REPORTS PER SECOND")}};
    if (tag.size() == 2 && tag.front() == QLatin1Char('P'))
        //: The on-screen display of a profile change: the profile among those the mouse holds.
        return {{Style::Heading, QCoreApplication::translate("OsdWords", "ACTIVE PROFILE")},
                {Style::Title, QCoreApplication::translate("OsdWords", "PROFILE")},
                {Style::Detail, QCoreApplication::translate("OsdWords", "ON-BOARD %1 OF %2")
                                    .arg(tag.back().digitValue())
                                    .arg(5)}};
    if (tag == QLatin1String("lock"))
        //: The mouse's lock switch is on: its buttons are locked.
        return {{Style::Heading, QCoreApplication::translate("OsdWords", "MOUSE LOCK")},
                {Style::Title, QCoreApplication::translate("OsdWords", "LOCK")},
                {Style::Detail, QCoreApplication::translate("OsdWords", "SWITCH ON")},
                {Style::State, QCoreApplication::translate("OsdWords", "LOCKED")}};
    if (tag == QLatin1String("unlock"))
        return {{Style::Heading, QCoreApplication::translate("OsdWords", "MOUSE LOCK")},
                {Style::Title, QCoreApplication::translate("OsdWords", "LOCK")},
                {Style::Detail, QCoreApplication::translate("OsdWords", "SWITCH OFF")},
                {Style::State, QCoreApplication::translate("OsdWords", "UNLOCKED"), 40}};
    return {};
}

} // namespace

void drawInto(QImage& picture, const QString& tag, const QString& detail) {
    std::vector<Word> words = wordsOf(tag);
    if (!detail.isEmpty())
        for (Word& word : words)
            if (word.style == Style::Detail)
                word.text = detail;
    if (words.empty() || picture.isNull())
        return;
    if (picture.format() != QImage::Format_ARGB32_Premultiplied) {
        const qreal ratio = picture.devicePixelRatio();
        picture = picture.convertToFormat(QImage::Format_ARGB32_Premultiplied);
        picture.setDevicePixelRatio(ratio);
    }
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    for (const Word& word : words)
        draw(painter, word);
}

} // namespace OsdWords
