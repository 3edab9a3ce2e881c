// The heaviest window's construction: the main view made from its layout with every control and
// its cut pictures, then drawn once, as the application's first frame needs it. Qt's own start
// (fonts, style) is done first, as the program does it before its window; the first construction
// decodes the pictures, later ones find them decoded. Its reference, measured in the same run so
// that the figure means the same on any machine: decoding the pictures that construction decoded,
// alone (view_construct_ratio, goal 1.3 at most).
#include "BenchSupport.h"
#include "KxLayouts.h"
#include "KxPictures.h"
#include "KxWidgetGlobals.h"
#include "LayoutPreview.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QLabel>

#include <vector>

namespace {

// Milliseconds to decode those pictures from the program's resources, none kept.
double decodingMs(const QStringList& fileNames) {
    QElapsedTimer timer;
    timer.start();
    for (const QString& name : fileNames) {
        const QImage image(QStringLiteral(":/") + name);
        if (image.isNull())
            std::fprintf(stderr, "kx-bench-view: %s does not decode\n", qPrintable(name));
    }
    return timer.nsecsElapsed() / 1e6;
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    KxWidgets::install();
    {
        QLabel warmUp(QStringLiteral("Kestrix"));
        warmUp.grab();
    }
    std::vector<double> runs;
    double first = 0;
    for (int r = 0; r < 21; ++r) {
        QElapsedTimer timer;
        timer.start();
        {
            LayoutPreview view(MainViewLayout::kView);
            view.grab();
        }
        const double ms = timer.nsecsElapsed() / 1e6;
        if (r == 0)
            first = ms;
        else
            runs.push_back(ms);
    }
    const QStringList pictures = KxPictures::decoded();
    std::vector<double> decoding;
    for (int r = 0; r < 5; ++r)
        decoding.push_back(decodingMs(pictures));
    const double decodingMedian = KxBench::median(decoding);
    KxBench::report("view_construct_ms", first);
    KxBench::report("view_construct_again_ms", KxBench::median(runs));
    KxBench::report("view_pictures_decode_ms", decodingMedian);
    KxBench::report("view_construct_ratio", first / decodingMedian);
    return 0;
}
