#include "HvMenulist.h"

#include "HvMenuData.h"
#include "HvTreeNode.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QListWidget>
#include <QScreen>
#include <QVBoxLayout>

#include <algorithm>

namespace {
// Which child of the node a row stands for.
constexpr int kChildIndexRole = Qt::UserRole + 1;
} // namespace

HvMenulistDelegate::~HvMenulistDelegate() = default;

HvMenulist::HvMenulist(HvTreeNode* node, QWidget* parent)
    : QWidget(parent, Qt::Popup), node_(node), list_(new QListWidget(this)) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(1, 1, 1, 1);
    layout->addWidget(list_);
    list_->setFrameShape(QFrame::NoFrame);
    list_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    list_->setUniformItemSizes(true);
    list_->setAccessibleName(QCoreApplication::translate("HvMenulist", "Menu list"));
    connect(list_, &QListWidget::itemActivated, this, &HvMenulist::pick);
    connect(list_, &QListWidget::itemClicked, this, &HvMenulist::pick);
    applyStyle();
}

HvMenulist::~HvMenulist() = default;

void HvMenulist::setNode(HvTreeNode* node) {
    node_ = node;
}

void HvMenulist::setTextColor(const QColor& colour) {
    text_ = colour;
    applyStyle();
}

void HvMenulist::setBackgroundColor(const QColor& colour) {
    background_ = colour;
    applyStyle();
}

void HvMenulist::setSelectedTextColor(const QColor& colour) {
    selectedText_ = colour;
    applyStyle();
}

void HvMenulist::setSelectedBackgroundColor(const QColor& colour) {
    selectedBackground_ = colour;
    applyStyle();
}

void HvMenulist::setBorderColor(const QColor& colour) {
    border_ = colour;
    applyStyle();
}

void HvMenulist::setListFont(const QFont& font) {
    list_->setFont(font);
}

void HvMenulist::setMenuWidth(int width) {
    width_ = std::max(40, width);
}

void HvMenulist::setIsTitleCenter(bool centred) {
    centred_ = centred;
}

void HvMenulist::applyStyle() {
    setStyleSheet(QStringLiteral("HvMenulist { background: %1; border: 1px solid %2; }"
                                 "QListWidget { background: %1; color: %3; outline: 0; }"
                                 "QListWidget::item { padding: 2px 4px; }"
                                 "QListWidget::item:selected, QListWidget::item:hover:enabled"
                                 " { background: %4; color: %5; }"
                                 "QListWidget::item:disabled { color: %6; }")
                      .arg(background_.name(), border_.name(), text_.name(),
                           selectedBackground_.name(), selectedText_.name(),
                           text_.darker(160).name()));
}

void HvMenulist::rebuild() {
    list_->clear();
    if (!node_)
        return;
    int index = 0;
    for (const auto& child : node_->children()) {
        const auto& data = child->nodeData();
        auto* item = new QListWidgetItem(data ? data->titleStr() : QString());
        item->setData(kChildIndexRole, index++);
        item->setTextAlignment(centred_ ? Qt::Alignment(Qt::AlignCenter)
                                        : Qt::Alignment(Qt::AlignLeft | Qt::AlignVCenter));
        if (data && data->type() == kHeadingType) {
            item->setFlags(Qt::NoItemFlags); // a heading: shown, not picked
            QFont font = list_->font();
            font.setBold(true);
            item->setFont(font);
        }
        list_->addItem(item);
    }
}

void HvMenulist::showAt(const QPoint& globalPos,
                        const std::function<bool(const HvTreeNode&)>& isCurrent) {
    if (!node_ || node_->numberOfChildren() == 0)
        return;
    rebuild();
    const int rowHeight = std::max(list_->sizeHintForRow(0), 18);
    const int rows = std::min(list_->count(), kMaxVisibleRows);
    resize(width_, rows * rowHeight + 2);
    // Kept on the screen that holds the point.
    QPoint at = globalPos;
    if (const QScreen* screen = QGuiApplication::screenAt(globalPos)) {
        const QRect area = screen->availableGeometry();
        at.setX(std::clamp(at.x(), area.left(), std::max(area.left(), area.right() - width())));
        at.setY(std::clamp(at.y(), area.top(), std::max(area.top(), area.bottom() - height())));
    }
    move(at);
    show();
    list_->setFocus(Qt::PopupFocusReason);
    int first = -1;
    for (int row = 0; row < list_->count(); ++row) {
        if (!(list_->item(row)->flags() & Qt::ItemIsEnabled))
            continue;
        if (first < 0)
            first = row;
        const int index = list_->item(row)->data(kChildIndexRole).toInt();
        if (isCurrent && index >= 0 && index < node_->numberOfChildren() &&
            isCurrent(*node_->children()[size_t(index)])) {
            first = row;
            break;
        }
    }
    if (first >= 0)
        list_->setCurrentRow(first);
}

void HvMenulist::pick(QListWidgetItem* item) {
    // A click can activate and click the same row: the first one picks.
    if (!isVisible() || !item || !(item->flags() & Qt::ItemIsEnabled) || !node_)
        return;
    const int index = item->data(kChildIndexRole).toInt();
    if (index < 0 || index >= node_->numberOfChildren())
        return;
    HvTreeNode* picked = node_->children()[size_t(index)].get();
    hide();
    if (delegate_)
        delegate_->onMenulistSelected(this, picked);
}

void HvMenulist::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        hide();
        return;
    }
    QWidget::keyPressEvent(event);
}
