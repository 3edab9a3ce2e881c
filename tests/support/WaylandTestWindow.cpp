#include <QGuiApplication>
#include <QPainter>
#include <QRasterWindow>

// kx-test-wayland-window APP_ID [TITLE]: a plain window whose Wayland app_id is APP_ID (Qt
// sends the desktop file name as the app_id), until it is ended.
namespace {

class PlainWindow : public QRasterWindow {
protected:
    void paintEvent(QPaintEvent*) override {
        QPainter(this).fillRect(QRect(QPoint(), size()), Qt::darkCyan);
    }
};

} // namespace

int main(int argc, char** argv) {
    QGuiApplication application(argc, argv);
    const QStringList arguments = QGuiApplication::arguments();
    if (arguments.size() < 2) {
        fprintf(stderr, "usage: kx-test-wayland-window APP_ID [TITLE]\n");
        return 2;
    }
    QGuiApplication::setDesktopFileName(arguments.at(1));
    PlainWindow window;
    window.setTitle(arguments.value(2, arguments.at(1)));
    window.resize(240, 160);
    window.show();
    return application.exec();
}
