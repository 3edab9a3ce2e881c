#pragma once

#include <QMetaObject>
#include <QPointer>

namespace KxWidgets {

// Runs work on the view's thread without waiting, for notifications posted by workers and by the
// bus; nothing when the view is gone by then.
template <class View, class Work>
void onViewThread(View* view, Work work) {
    QMetaObject::invokeMethod(
        view,
        [guard = QPointer<View>(view), work] {
            if (guard)
                work();
        },
        Qt::QueuedConnection);
}

} // namespace KxWidgets
