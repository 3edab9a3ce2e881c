// The reference for KxOption's first frame: a bare Qt window of the main window's size, nothing
// of the project's in it, started and timed as kx-bench-app starts and times KxOption (the same
// platform plugin, the same log line on its first paint). It runs until it is ended.
#include "KxLayouts.h"

#include <QApplication>
#include <QPainter>
#include <QWidget>

#include <cstdio>
#include <string_view>

namespace {

class BareWindow : public QWidget {
protected:
    void paintEvent(QPaintEvent*) override {
        QPainter(this).fillRect(rect(), Qt::black);
        if (!painted_) {
            painted_ = true;
            std::fprintf(stderr, "The bare window is shown\n");
        }
    }

private:
    bool painted_ = false;
};

} // namespace

int main(int argc, char** argv) {
    // As KxOption's: answered before the application is made (kx-bench-app times the load).
    if (argc > 1 && std::string_view(argv[1]) == "--version") {
        std::puts("kx-bare-window");
        return 0;
    }
    QApplication app(argc, argv);
    BareWindow window;
    window.resize(MainViewLayout::kView.size);
    window.show();
    return app.exec();
}
