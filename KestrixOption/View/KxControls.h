#pragma once

#include "KxLayout.h"

#include <QWidget>

#include <functional>
#include <initializer_list>
#include <string_view>
#include <utility>
#include <vector>

class HvButton;
class HvSetpPanelObj;
class RirImageView;

// A view's controls, made from its layout: every row by the one factory (KxAction::AddControl),
// in the layout's order, which is also the order Tab takes through them; the radio items of a
// group name joined in one HvSetpPanelObj named by the group (its delegate is the view when the
// view is one). The view keeps what it needs and wires what the controls do.
class KxControls {
public:
    // A row whose widget is the view's own (a table, a meter): made by the view, then placed,
    // named and described by its row as the factory's are.
    struct Own {
        std::string_view name;
        std::function<QWidget*()> make;
    };

    KxControls(const KxLayout::View& layout, RirImageView* view,
               std::initializer_list<Own> own = {});

    const KxLayout::View& layout() const { return layout_; }
    // The control of a row; null for a row that has none (a table the view did not make).
    QWidget* widget(std::string_view name) const;
    template <class T>
    T* get(std::string_view name) const {
        return qobject_cast<T*>(widget(name));
    }
    HvButton* button(std::string_view name) const;
    // The radio group of a group name; null when the layout has none.
    HvSetpPanelObj* group(std::string_view name) const;
    // The controls in the layout's order (null where a row has none).
    const std::vector<QWidget*>& widgets() const { return widgets_; }

private:
    const KxLayout::View& layout_;
    std::vector<QWidget*> widgets_;
    std::vector<std::pair<std::string_view, HvSetpPanelObj*>> groups_;
};
