#include "HvModal.h"

#include <QApplication>
#include <QEvent>
#include <QEventLoop>
#include <QPointer>
#include <QWidget>
#include <QWindow>

#include <map>

namespace {

struct Run {
    QEventLoop* loop = nullptr;
    int code = 0;
};

std::map<const QWidget*, Run>& runs() {
    static std::map<const QWidget*, Run> active;
    return active;
}

// Ends a run when its window is hidden by other means than stopModal. A spontaneous hide is the
// window system minimising the window: the run goes on.
class HideWatcher : public QObject {
public:
    explicit HideWatcher(QWidget* window) : QObject(window) { window->installEventFilter(this); }
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Hide && !event->spontaneous()) {
            const auto it = runs().find(static_cast<QWidget*>(watched));
            if (it != runs().end() && it->second.loop)
                it->second.loop->exit(it->second.code);
        }
        return false;
    }
};

// A modal window belongs to the window it was opened from: the window system keeps it above
// that one, and where the compositor places windows (Wayland) it opens beside it.
void attachToOwner(QWidget* window) {
    if (!window->isWindow() || window->parentWidget())
        return;
    QWidget* owner = QApplication::activeWindow();
    if (!owner || owner == window)
        return;
    window->winId();
    if (QWindow* handle = window->windowHandle(); handle && !handle->transientParent())
        handle->setTransientParent(owner->windowHandle());
}

void showModal(QWidget* window) {
    attachToOwner(window);
    window->setWindowModality(Qt::ApplicationModal);
    window->show();
    window->raise();
    window->activateWindow();
}

} // namespace

int HvModal::runModal(QWidget* window) {
    if (!window || runs().count(window))
        return 0;
    QEventLoop loop;
    runs()[window] = Run{&loop, 0};
    auto* watcher = new HideWatcher(window);
    QPointer<QWidget> alive(window);
    QObject::connect(window, &QObject::destroyed, &loop, [&loop] { loop.exit(0); });
    showModal(window);
    const int code = loop.exec(QEventLoop::DialogExec);
    runs().erase(window);
    if (alive) {
        delete watcher;
        alive->hide();
        alive->setWindowModality(Qt::NonModal);
    }
    return code;
}

void HvModal::stopModal(QWidget* window, int code) {
    const auto it = runs().find(window);
    if (it == runs().end())
        return;
    it->second.code = code;
    if (it->second.loop)
        it->second.loop->exit(code);
}

bool HvModal::isRunning(const QWidget* window) {
    return runs().count(window) != 0;
}

void HvModal::beginModalSession(QWidget* window) {
    if (window)
        showModal(window);
}

void HvModal::endModalSession(QWidget* window) {
    if (!window)
        return;
    window->hide();
    window->setWindowModality(Qt::NonModal);
}
