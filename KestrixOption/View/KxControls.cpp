#include "KxControls.h"

#include "HvButton.h"
#include "HvSetpPanelObj.h"
#include "KxAction.h"
#include "KxTextLook.h"
#include "RirImageView.h"

#include <QPainter>

#include <algorithm>

KxControls::KxControls(const KxLayout::View& layout, RirImageView* view,
                       std::initializer_list<Own> own)
    : layout_(layout) {
    view->setTextContext(layout.name.data());
    view->setAccessibleDescription(view->shown(layout.description));
    // The layout's titles, captions and lines of text over the background, fitted once.
    std::vector<KxTextLook::PlacedLabel> texts;
    for (const KxLayout::Decoration& decoration : layout.decorations)
        texts.push_back(KxTextLook::placeDecoration(decoration, view->shown(decoration.text)));
    view->setTextPainter([texts = std::move(texts)](QPainter& painter) {
        for (const KxTextLook::PlacedLabel& text : texts)
            KxTextLook::draw(painter, text);
    });
    widgets_.reserve(layout.controls.size());
    QWidget* previous = nullptr;
    for (const KxLayout::Control& row : layout.controls) {
        QWidget* made = nullptr;
        const auto maker = std::find_if(own.begin(), own.end(),
                                        [&row](const Own& o) { return o.name == row.name; });
        if (maker != own.end()) {
            made = maker->make();
            KxAction::placeControl(made, row, view);
        } else {
            made = KxAction::AddControl(row, view);
        }
        widgets_.push_back(made);
        if (!made)
            continue;
        if (KxLayout::roleOf(row) == KxLayout::Role::Radio) {
            HvSetpPanelObj* radioGroup = group(row.group);
            if (!radioGroup) {
                radioGroup = new HvSetpPanelObj(view);
                radioGroup->setObjectName(KxLayout::text(row.group));
                radioGroup->setAccessibleName(view->shown(row.group));
                radioGroup->setDelegate(dynamic_cast<HvSetpPanelDelegate*>(view));
                groups_.emplace_back(row.group, radioGroup);
            }
            radioGroup->addItem(qobject_cast<HvButton*>(made));
        }
        // Tab takes the rows in the layout's order, whatever else the view makes.
        if (KxLayout::takesFocus(row)) {
            if (previous)
                QWidget::setTabOrder(previous, made);
            previous = made;
        }
    }
}

QWidget* KxControls::widget(std::string_view name) const {
    for (size_t i = 0; i < layout_.controls.size(); ++i)
        if (layout_.controls[i].name == name)
            return widgets_[i];
    return nullptr;
}

HvButton* KxControls::button(std::string_view name) const {
    return qobject_cast<HvButton*>(widget(name));
}

HvSetpPanelObj* KxControls::group(std::string_view name) const {
    for (const auto& [groupName, radioGroup] : groups_)
        if (groupName == name)
            return radioGroup;
    return nullptr;
}
