// The heaviest window's construction: the main view made from its layout with every control and
// its cut pictures, then drawn once, as the application's first frame needs it. Qt's own start
// (fonts, style) is done first, as the program does it before its window; the first construction
// decodes the pictures its first frame shows (the others decode in the background meanwhile),
// later ones find them decoded. Its reference, measured in the same run so that the figure means
// the same on any machine: decoding the view's five pictures alone, one after another
// (view_construct_ratio, goal 1.3 at most). A cold construction happens once per process,
// so the cold figures are the medians of five processes (this program run again with --cold).
#include "BenchSupport.h"
#include "KxLayouts.h"
#include "KxPictures.h"
#include "KxWidgetGlobals.h"
#include "LayoutPreview.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QLabel>
#include <QProcess>

#include <cstdio>
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

// The cold figures of one process: "<construct ms> <decode ms>" on standard output.
bool coldRun(QString* line) {
    QProcess child;
    child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--cold")});
    if (!child.waitForFinished(60000) || child.exitCode() != 0)
        return false;
    *line = QString::fromLatin1(child.readAllStandardOutput()).trimmed();
    return true;
}

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
    // The view's own pictures: its background and its four state pictures.
    QStringList pictures;
    for (const KxLayout::State state :
         {KxLayout::State::Normal, KxLayout::State::Over, KxLayout::State::Down,
          KxLayout::State::Disable, KxLayout::State::Active}) {
        const QString name =
            KxLayout::pictureName(KxLayout::text(MainViewLayout::kView.name), state) +
            QStringLiteral(".png");
        if (KxPictures::exists(name))
            pictures << name;
    }
    std::vector<double> decoding;
    for (int r = 0; r < 5; ++r)
        decoding.push_back(decodingMs(pictures));
    if (QCoreApplication::arguments().contains(QLatin1String("--cold"))) {
        std::printf("%f %f\n", first, KxBench::median(decoding));
        return 0;
    }
    std::vector<double> colds{first}, ratios{first / KxBench::median(decoding)};
    for (int r = 0; r < 4; ++r) {
        QString line;
        if (!coldRun(&line)) {
            std::fprintf(stderr, "kx-bench-view: a cold run failed\n");
            return 1;
        }
        const QStringList figures = line.split(QLatin1Char(' '));
        colds.push_back(figures.value(0).toDouble());
        ratios.push_back(figures.value(0).toDouble() / figures.value(1).toDouble());
    }
    KxBench::report("view_construct_ms", KxBench::median(colds));
    KxBench::report("view_construct_again_ms", KxBench::median(runs));
    KxBench::report("view_pictures_decode_ms", KxBench::median(decoding));
    KxBench::report("view_construct_ratio", KxBench::median(ratios));
    return 0;
}
