// Build-time tool: draws every picture of the configuration window from the views' layouts.
//
//   kx-draw-views <output folder> <application icon.svg>
//
// Writes, each at 1x (<Name>.png) and 2x (<Name>@2x.png):
//  - every view in each state: <View>_Normal, _Over, _Down, _Disable, and _Active for views with
//    held states; the background, the view's panels, and every control of its layout at its
//    frame in that state (no words: the views draw them in the user's language, KxTextLook.h);
//  - the mouse buttons' own shaped pictures, <Picture>_Normal/_Over/_Down/_Disable, and the
//    selectors' selected pictures (the lights);
//  - the pop-ups, <Name>_Normal/_Over/_Down, with their buttons;
//  - the small pictures: the marker, the function types, the slider knobs, the macro step icons;
//  - the application icon from its SVG at the icon theme's sizes (icons/<size>/...);
// and last KxPictures.qrc listing the pictures for the resource compiler; a picture of an earlier
// run that this one did not draw is removed. A layout whose mouse button does not hold its
// drawn shape, or a missing font, ends the tool with one line.
#include "Artwork.h"
#include "KxLayouts.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QGuiApplication>
#include <QPainter>
#include <QSaveFile>
#include <QSet>
#include <QSvgRenderer>

#include <cstdio>
#include <cstdlib>

using namespace Artwork;
using KxLayout::Kind;

namespace {

QDir outputDir;
QStringList written; // file names, for the resource list
QSet<QString> drawn; // every file this run wrote, by its path in outputDir

[[noreturn]] void fail(const QString& what) {
    std::fprintf(stderr, "kx-draw-views: %s\n", qPrintable(what));
    std::exit(1);
}

void save(const QImage& image, const QString& fileName) {
    QSaveFile file(outputDir.filePath(fileName));
    if (!file.open(QIODevice::WriteOnly) || !image.save(&file, "PNG") || !file.commit())
        fail(QStringLiteral("%1 could not be written").arg(file.fileName()));
    written << fileName;
    drawn << fileName;
}

// A picture at both densities. A picture without transparency is stored without an alpha
// channel, which makes it quicker to decode.
void picture(const QString& name, const QSize& points,
             const std::function<void(QPainter&)>& paint) {
    for (const int scale : {1, 2}) {
        QImage image = draw(points, scale, paint);
        {
            bool opaque = true;
            const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
            for (int y = 0; y < argb.height() && opaque; ++y) {
                const auto* line = reinterpret_cast<const QRgb*>(argb.constScanLine(y));
                for (int x = 0; x < argb.width(); ++x)
                    if (qAlpha(line[x]) != 255) {
                        opaque = false;
                        break;
                    }
            }
            if (opaque)
                image = image.convertToFormat(QImage::Format_RGB32);
        }
        save(image, name + (scale == 1 ? QStringLiteral(".png") : QStringLiteral("@2x.png")));
    }
}

// The mouse drawing of a view, if it has one.
std::optional<MouseShape> mouseOf(const KxLayout::View& view) {
    for (const auto& decoration : view.decorations)
        if (decoration.kind == KxLayout::DecorKind::Mouse ||
            decoration.kind == KxLayout::DecorKind::MouseMini)
            return mouseShape(QRectF(decoration.frame));
    return std::nullopt;
}

const QPainterPath* regionOf(const MouseShape& mouse, KxLayout::Shape shape) {
    switch (shape) {
    case KxLayout::Shape::LeftButton:
        return &mouse.leftButton;
    case KxLayout::Shape::RightButton:
        return &mouse.rightButton;
    case KxLayout::Shape::Wheel:
        return &mouse.wheel;
    case KxLayout::Shape::SideFront:
        return &mouse.sideFront;
    case KxLayout::Shape::SideBack:
        return &mouse.sideBack;
    case KxLayout::Shape::None:
        break;
    }
    return nullptr;
}

void decorations(QPainter& painter, const KxLayout::View& view) {
    using KxLayout::DecorKind;
    for (const auto& d : view.decorations) {
        const QRectF frame(d.frame);
        switch (d.kind) {
        case DecorKind::Title: // words: drawn by the view, in the user's language
        case DecorKind::Caption:
        case DecorKind::Text:
            break;
        case DecorKind::Panel:
            panel(painter, frame);
            break;
        case DecorKind::Mouse:
        case DecorKind::MouseMini:
            mouse(painter, frame);
            break;
        }
    }
}

void control(QPainter& painter, const KxLayout::Control& c, State state) {
    const QRectF frame(c.frame);
    const QString icon = KxLayout::text(c.icon);
    switch (c.kind) {
    case Kind::Button:
    case Kind::IconButton:
        button(painter, frame, state, !c.label.empty(), icon);
        break;
    case Kind::Tab:
        tab(painter, frame, state);
        break;
    case Kind::CheckBox:
        checkBox(painter, frame, state);
        break;
    case Kind::RadioItem:
        radioItem(painter, frame, state);
        break;
    case Kind::ListButton:
        listButton(painter, frame, state == State::Active ? State::Down : state);
        break;
    case Kind::Slider:
        track(painter, frame, state, KxLayout::knobSize(c.knob).width());
        break;
    case Kind::FillSlider:
        // The hover picture is the filled bar the slider shows up to its value.
        fillTrack(painter, frame, state, state == State::Over);
        break;
    case Kind::NumberField:
    case Kind::TextField:
        field(painter, frame, state);
        break;
    case Kind::Table:
        table(painter, frame);
        break;
    case Kind::MouseButton: // own pictures; the mouse drawing shows them in the background
    case Kind::Selector:
    case Kind::Label:
    case Kind::Picture:
        break;
    }
}

void drawView(const KxLayout::View& view) {
    const QString name = KxLayout::text(view.name);
    for (const State state : KxLayout::statesOf(view)) {
        picture(KxLayout::pictureName(name, state), view.size, [&](QPainter& painter) {
            windowBackground(painter, view.size);
            decorations(painter, view);
            for (const auto& c : view.controls)
                control(painter, c, state);
        });
    }

    // Pictures of their own.
    const auto mouse = mouseOf(view);
    for (const auto& c : view.controls) {
        const QString own = KxLayout::text(c.picture);
        if (c.kind == Kind::MouseButton) {
            const QPainterPath* region = mouse ? regionOf(*mouse, c.shape) : nullptr;
            if (!region)
                fail(QStringLiteral("%1.%2: a mouse button without its drawn region")
                         .arg(name, KxLayout::text(c.name)));
            const QRectF box = region->boundingRect();
            if (!QRectF(c.frame).adjusted(-0.5, -0.5, 0.5, 0.5).contains(box))
                fail(QStringLiteral("%1.%2: frame %3,%4 %5x%6 does not hold its drawn shape "
                                    "(%7,%8 %9x%10)")
                         .arg(name, KxLayout::text(c.name))
                         .arg(c.frame.x())
                         .arg(c.frame.y())
                         .arg(c.frame.width())
                         .arg(c.frame.height())
                         .arg(box.x(), 0, 'f', 1)
                         .arg(box.y(), 0, 'f', 1)
                         .arg(box.width(), 0, 'f', 1)
                         .arg(box.height(), 0, 'f', 1));
            const QPainterPath local = region->translated(-QPointF(c.frame.topLeft()));
            for (const State state : KxLayout::kStates)
                picture(KxLayout::pictureName(own, state), c.frame.size(),
                        [&](QPainter& painter) { mouseButton(painter, local, state); });
        } else if (c.kind == Kind::Selector) {
            // The picked light glowing.
            picture(own, c.frame.size(), [&](QPainter& painter) {
                const QRectF r(QPointF(0, 0), QSizeF(c.frame.size()));
                QRadialGradient glow(r.center(), std::max(r.width(), r.height()) * 0.6);
                glow.setColorAt(0, QColor(255, 90, 90, 230));
                glow.setColorAt(0.35, QColor(0xc4, 0x14, 0x1c, 170));
                glow.setColorAt(1, QColor(0xc4, 0x14, 0x1c, 0));
                painter.setPen(Qt::NoPen);
                painter.setBrush(glow);
                painter.drawEllipse(r);
                painter.setPen(QPen(Colour::kAccentBright, 1.5, Qt::DashLine));
                painter.setBrush(Qt::NoBrush);
                painter.drawRoundedRect(r.adjusted(1, 1, -1, -1), 6, 6);
            });
        }
    }
}

void drawPopup(const PopupLayout::Popup& popup) {
    using namespace PopupLayout;
    const QSize size = kSize;
    for (const State state : PopupLayout::kStates) {
        picture(KxLayout::pictureName(KxLayout::text(popup.name), state), size,
                [&](QPainter& painter) {
                    windowBackground(painter, size);
                    glyph(painter, QRectF(24, 26, 34, 34), QStringLiteral("warning"),
                          Colour::kAccentBright);
                    // The title, the message and the buttons' words are drawn by the pop-up.
                    button(painter, QRectF(popup.okOrigin(), kButtonSize), state, true, {});
                    if (popup.withCancel)
                        button(painter, QRectF(popup.cancelOrigin(), kButtonSize), state, true, {});
                });
    }
}

void drawSmallPictures() {
    using namespace KxLayout;
    picture(QStringLiteral("Selected"), kSelectedSize, [](QPainter& painter) {
        const QRectF r(0, 0, 20, 20);
        painter.setPen(QPen(Colour::kText, 1.6));
        painter.setBrush(QColor(0xc4, 0x14, 0x1c, 200));
        painter.drawEllipse(r.adjusted(3, 3, -3, -3));
        painter.setPen(QPen(QColor(255, 255, 255, 140), 1));
        painter.setBrush(Qt::NoBrush);
        painter.drawEllipse(r.adjusted(0.8, 0.8, -0.8, -0.8));
        painter.setBrush(Colour::kText);
        painter.setPen(Qt::NoPen);
        painter.drawEllipse(r.center(), 2.2, 2.2);
    });
    const std::pair<const char*, const char*> types[] = {{"BtnFunType_D", "mouse"},
                                                         {"BtnFunType_S", "key"},
                                                         {"BtnFunType_T", "macro"},
                                                         {"BtnFunType_L", "launch"}};
    for (const auto& [name, icon] : types) {
        picture(QLatin1String(name), kFunctionTypeSize, [icon = icon](QPainter& painter) {
            const QRectF r(0, 0, 48, 48);
            QLinearGradient fill(r.topLeft(), r.bottomLeft());
            fill.setColorAt(0, Colour::kAccent.lighter(125));
            fill.setColorAt(1, Colour::kAccentDark);
            painter.setBrush(fill);
            painter.setPen(QPen(Colour::kAccentBright, 1));
            painter.drawRoundedRect(r.adjusted(1.5, 1.5, -1.5, -1.5), 8, 8);
            glyph(painter, r.adjusted(11, 11, -11, -11), QLatin1String(icon), Colour::kText);
        });
    }
    const auto knob = [](const QSize& size) {
        return [size](QPainter& painter) {
            const QRectF r(QPointF(0, 0), QSizeF(size));
            QLinearGradient fill(r.topLeft(), r.bottomLeft());
            fill.setColorAt(0, QColor(0xf0, 0xf1, 0xf3));
            fill.setColorAt(1, QColor(0x9a, 0x9e, 0xa6));
            painter.setBrush(fill);
            painter.setPen(QPen(Colour::kBorder, 1));
            painter.drawRoundedRect(r.adjusted(0.5, 0.5, -0.5, -0.5), 3, 3);
            painter.setPen(QPen(Colour::kAccent, 2));
            painter.drawLine(QPointF(r.center().x(), 5), QPointF(r.center().x(), r.bottom() - 5));
        };
    };
    picture(QStringLiteral("Slider1"), kSlider1Size, knob(kSlider1Size));
    picture(QStringLiteral("Slider2"), kSlider2Size, knob(kSlider2Size));
    for (const bool down : {true, false}) {
        picture(down ? QStringLiteral("MacroList_KeyDown") : QStringLiteral("MacroList_KeyUp"),
                kStepIconSize, [down](QPainter& painter) {
                    const QRectF r(0, 0, 16, 16);
                    painter.setBrush(down ? Colour::kAccent : QColor(0x3a, 0x3d, 0x44));
                    painter.setPen(Qt::NoPen);
                    painter.drawRoundedRect(r.adjusted(1, 1, -1, -1), 3, 3);
                    glyph(painter, r.adjusted(2, 2, -2, -2),
                          down ? QStringLiteral("down") : QStringLiteral("up"), Colour::kText);
                });
    }
}

void drawIcon(const QString& svgPath) {
    QSvgRenderer renderer(svgPath);
    if (!renderer.isValid())
        fail(QStringLiteral("%1 is not a valid SVG picture").arg(svgPath));
    for (const int size : {16, 24, 32, 48, 64, 128, 256, 512}) {
        QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        renderer.render(&painter, QRectF(0, 0, size, size));
        painter.end();
        const QString folder = QStringLiteral("icons/%1").arg(size);
        outputDir.mkpath(folder);
        const QString fileName = folder + QStringLiteral("/com.vlak.KxOption.png");
        QSaveFile file(outputDir.filePath(fileName));
        if (!file.open(QIODevice::WriteOnly) || !image.save(&file, "PNG") || !file.commit())
            fail(QStringLiteral("%1 could not be written").arg(file.fileName()));
        drawn << fileName;
        if (size >= 256) // the window's own icon, at 1x and 2x
            written << fileName;
    }
}

// A picture an earlier run drew and this one did not (its view or state since removed) would
// linger in the folder, and in its manifest.
void removeStalePictures() {
    QDirIterator it(outputDir.path(), {QStringLiteral("*.png")}, QDir::Files,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        if (!drawn.contains(outputDir.relativeFilePath(path)) && !QFile::remove(path))
            fail(QStringLiteral("%1 could not be removed").arg(path));
    }
}

void writeResourceList() {
    QByteArray qrc = "<!DOCTYPE RCC>\n<RCC version=\"1.0\">\n<qresource prefix=\"/\">\n";
    for (const QString& name : std::as_const(written)) {
        const QString alias = name == QLatin1String("icons/512/com.vlak.KxOption.png")
                                  ? QStringLiteral("com.vlak.KxOption@2x.png")
                              : name.startsWith(QLatin1String("icons/"))
                                  ? QStringLiteral("com.vlak.KxOption.png")
                                  : name;
        qrc += "  <file alias=\"" + alias.toUtf8() + "\">" + name.toUtf8() + "</file>\n";
    }
    qrc += "</qresource>\n</RCC>\n";
    QSaveFile file(outputDir.filePath(QStringLiteral("KxPictures.qrc")));
    if (!file.open(QIODevice::WriteOnly) || file.write(qrc) != qrc.size() || !file.commit())
        fail(QStringLiteral("%1 could not be written").arg(file.fileName()));
}

} // namespace

int main(int argc, char** argv) {
    // Text needs a font database, which comes with a window-system plugin; the build has no
    // display.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    if (args.size() != 2) {
        std::fprintf(stderr, "usage: kx-draw-views <output folder> <application icon.svg>\n");
        return 2;
    }
    QString why;
    if (!fontAvailable(&why))
        fail(why);
    outputDir.setPath(args[0]);
    if (!QDir().mkpath(outputDir.path()))
        fail(QStringLiteral("%1 could not be made").arg(outputDir.path()));

    for (const KxLayout::View* view : KxLayout::kViews)
        drawView(*view);
    for (const auto& popup : PopupLayout::kPopups)
        drawPopup(popup);
    drawSmallPictures();
    drawIcon(args[1]);
    removeStalePictures();
    writeResourceList();
    return 0;
}
