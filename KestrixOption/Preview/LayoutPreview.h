#pragma once

#include "KxLayout.h"
#include "RirImageView.h"

#include <vector>

class HvButton;

// A view made from nothing but its layout: its pictures by the naming scheme and every control
// of the layout made by the views' own factory (KxControls), with a value inside each range.
// For the screenshots, and for tests of the pictures and of what assistive technology is told
// against the layouts.
class LayoutPreview : public RirImageView {
    Q_OBJECT
public:
    explicit LayoutPreview(const KxLayout::View& layout, QWidget* parent = nullptr);

    const KxLayout::View& layout() const { return layout_; }
    // The controls, in the layout's order (null for kinds that make none).
    const std::vector<QWidget*>& controls() const { return controls_; }
    QWidget* control(std::string_view name) const;

    void initControls() override;

private:
    const KxLayout::View& layout_;
    std::vector<QWidget*> controls_;
};
