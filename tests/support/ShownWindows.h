#pragma once

#include "HvMessageBox.h"
#include "HvNoTitleWindow.h"

#include <QApplication>
#include <QList>

// What the program shows now: the view of a kind in one of its windows (a dialog, a pop-up,
// the count window), with its window, or nullptr; its message boxes.
template <class View>
View* shownView(HvNoTitleWindow** shownIn = nullptr) {
    for (QWidget* top : QApplication::topLevelWidgets()) {
        auto* window = qobject_cast<HvNoTitleWindow*>(top);
        auto* view =
            window && window->isVisible() ? qobject_cast<View*>(window->contentView()) : nullptr;
        if (view && shownIn)
            *shownIn = window;
        if (view)
            return view;
    }
    return nullptr;
}

inline QList<HvMessageBox*> shownMessageBoxes() {
    QList<HvMessageBox*> shown;
    for (QWidget* top : QApplication::topLevelWidgets())
        if (auto* box = qobject_cast<HvMessageBox*>(top); box && box->isVisible())
            shown << box;
    return shown;
}
