#pragma once

#include "KxLayout.h"

#include <QString>
#include <QWidget>

#include <vector>

// The Tab order of a built view and the one its layout states, as the layout's control names.
namespace TabChain {

// The control of a view at a layout row: the view's child placed at the row's frame.
inline QWidget* atFrame(QWidget* view, const KxLayout::Control& row) {
    for (QWidget* child : view->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (child->geometry() == row.frame)
            return child;
    return nullptr;
}

inline QString nameAt(QWidget* view, const QWidget* widget, const KxLayout::View& layout) {
    for (const KxLayout::Control& row : layout.controls)
        if (atFrame(view, row) == widget)
            return KxLayout::text(row.name);
    return widget->objectName().isEmpty()
               ? QStringLiteral("(%1)").arg(widget->metaObject()->className())
               : widget->objectName();
}

// The controls Tab reaches in the view, in order, from the view itself round its window's chain.
inline std::vector<QString> built(QWidget* view, const KxLayout::View& layout) {
    std::vector<QString> out;
    for (QWidget* w = view->nextInFocusChain(); w && w != view; w = w->nextInFocusChain()) {
        if (w->parentWidget() != view || !(w->focusPolicy() & Qt::TabFocus) ||
            !w->isVisibleTo(view))
            continue;
        out.push_back(nameAt(view, w, layout));
        if (out.size() > layout.controls.size() + 8)
            break; // a chain that does not come back to the view
    }
    return out;
}

// The layout's controls that the view made to take the focus, in the layout's order.
inline std::vector<QString> stated(QWidget* view, const KxLayout::View& layout) {
    std::vector<QString> out;
    for (const KxLayout::Control& row : layout.controls) {
        const QWidget* w = atFrame(view, row);
        if (w && (w->focusPolicy() & Qt::TabFocus) && w->isVisibleTo(view))
            out.push_back(KxLayout::text(row.name));
    }
    return out;
}

} // namespace TabChain
