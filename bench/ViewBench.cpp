// The heaviest window's construction: the main view made from its layout with every control and
// its cut pictures, then drawn once, as the application's first frame needs it (goal: 50 ms at
// most). Qt's own start (fonts, style) is done first, as the program does it before its window;
// the first construction decodes the pictures, later ones find them decoded.
#include "BenchSupport.h"
#include "KxLayouts.h"
#include "KxWidgetGlobals.h"
#include "LayoutPreview.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>

#include <vector>

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
    KxBench::report("view_construct_ms", first);
    KxBench::report("view_construct_again_ms", KxBench::median(runs));
    return 0;
}
