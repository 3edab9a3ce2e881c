// Build-time tool: renders the programs' SVG artwork into the PNG pictures they load.
//
//   kx-render-artwork [--size WxH] <output folder> <picture.svg>...
//
// Each <Name>.svg becomes <Name>.png at its own size and <Name>@2x.png at twice that size for
// high-density screens. With --size every picture must have exactly that size. A picture that
// does not load cleanly (bad XML, an element or attribute the renderer skips, a wrong size) ends
// the tool with one line naming the file, which fails the build; nothing is written for it.
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSaveFile>
#include <QSvgRenderer>

#include <cstdio>
#include <cstdlib>

namespace {

// Warnings the SVG renderer prints while loading: they mean part of the picture is lost.
QStringList svgWarnings;

// Collects the renderer's warnings; of the rest only errors are shown (the headless platform
// plugin's notes would only clutter the build's output).
void collectMessages(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (type == QtDebugMsg || type == QtInfoMsg)
        return;
    if (qstrcmp(context.category, "qt.svg") == 0)
        svgWarnings.append(message);
    else if (type != QtWarningMsg)
        std::fprintf(stderr, "%s\n", qPrintable(message));
}

[[noreturn]] void fail(const QString& where, const QString& what) {
    // The renderer's own messages already start with the file's name.
    if (what.startsWith(where + QLatin1Char(':')))
        std::fprintf(stderr, "kx-render-artwork: %s\n", qPrintable(what));
    else
        std::fprintf(stderr, "kx-render-artwork: %s: %s\n", qPrintable(where), qPrintable(what));
    std::exit(1);
}

QImage render(QSvgRenderer& renderer, const QSize& size, int scale) {
    QImage image(size * scale, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(size * scale)));
    painter.end();
    return image;
}

void save(const QImage& image, const QString& path) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || !image.save(&file, "PNG") || !file.commit())
        fail(path, QStringLiteral("could not be written"));
}

QSize parseSize(const QString& text) {
    const QStringList parts = text.split(QLatin1Char('x'));
    bool okW = false, okH = false;
    const QSize size =
        parts.size() == 2 ? QSize(parts[0].toInt(&okW), parts[1].toInt(&okH)) : QSize();
    if (!okW || !okH || size.isEmpty())
        fail(QStringLiteral("--size"),
             QStringLiteral("expected WIDTHxHEIGHT, got \"%1\"").arg(text));
    return size;
}

} // namespace

int main(int argc, char** argv) {
    // Text in the pictures needs a font database, which comes with a window-system plugin; the
    // build has no display.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(collectMessages);
    QGuiApplication app(argc, argv);

    QStringList args = app.arguments().mid(1);
    QSize wantedSize;
    if (args.size() >= 2 && args.first() == QLatin1String("--size")) {
        wantedSize = parseSize(args.at(1));
        args = args.mid(2);
    }
    if (args.size() < 2) {
        std::fprintf(stderr,
                     "usage: kx-render-artwork [--size WxH] <output folder> <picture.svg>...\n");
        return 2;
    }
    const QDir outputDir(args.takeFirst());
    if (!QDir().mkpath(outputDir.path()))
        fail(outputDir.path(), QStringLiteral("the output folder could not be made"));

    for (const QString& source : args) {
        svgWarnings.clear();
        QSvgRenderer renderer;
        if (!QFileInfo(source).isFile())
            fail(source, QStringLiteral("no such file"));
        const bool loaded = renderer.load(source);
        if (!svgWarnings.isEmpty())
            fail(source, svgWarnings.first().simplified());
        if (!loaded || !renderer.isValid())
            fail(source, QStringLiteral("not a valid SVG picture"));
        const QSize size = renderer.defaultSize();
        if (size.isEmpty())
            fail(source, QStringLiteral("the picture has no size"));
        if (wantedSize.isValid() && size != wantedSize)
            fail(source, QStringLiteral("the picture is %1x%2, expected %3x%4")
                             .arg(size.width())
                             .arg(size.height())
                             .arg(wantedSize.width())
                             .arg(wantedSize.height()));

        const QString name = QFileInfo(source).completeBaseName();
        const QImage single = render(renderer, size, 1);
        const QImage doubled = render(renderer, size, 2);
        // Rendering can also report elements it could not draw.
        if (!svgWarnings.isEmpty())
            fail(source, svgWarnings.first().simplified());
        save(single, outputDir.filePath(name + QStringLiteral(".png")));
        save(doubled, outputDir.filePath(name + QStringLiteral("@2x.png")));
    }
    return 0;
}
