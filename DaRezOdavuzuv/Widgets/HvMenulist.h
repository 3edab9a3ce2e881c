#pragma once

#include <QColor>
#include <QFont>
#include <QWidget>

#include <functional>

class HvTreeNode;
class HvMenulist;
class QListWidget;
class QListWidgetItem;

// Told of the entry the user picks in a menu list.
class HvMenulistDelegate {
public:
    virtual ~HvMenulistDelegate();
    virtual void onMenulistSelected(HvMenulist* list, HvTreeNode* node) = 0;
};

// A pop-up list of the children of a menu tree node (HvTreeNode, one level): each child's
// HvMenuData titleStr is a row; rows of type 2 are headings, shown but not picked. It opens at a
// point on the screen, takes the keyboard (arrows, Page Up/Down, Enter, Escape), and closes when
// an entry is picked, on Escape or on a click outside. Screen readers see a list.
class HvMenulist : public QWidget {
    Q_OBJECT
public:
    static constexpr int kHeadingType = 2;
    static constexpr int kMaxVisibleRows = 16;

    explicit HvMenulist(HvTreeNode* node = nullptr, QWidget* parent = nullptr);
    ~HvMenulist() override;

    // The node whose children are listed; the list does not own it. Rows are made when shown.
    void setNode(HvTreeNode* node);
    HvTreeNode* node() const { return node_; }
    void setDelegate(HvMenulistDelegate* delegate) { delegate_ = delegate; }
    HvMenulistDelegate* delegate() const { return delegate_; }

    void setTextColor(const QColor& colour);
    void setBackgroundColor(const QColor& colour);
    void setSelectedTextColor(const QColor& colour);
    void setSelectedBackgroundColor(const QColor& colour);
    void setBorderColor(const QColor& colour);
    void setListFont(const QFont& font);
    void setMenuWidth(int width);
    int menuWidth() const { return width_; }
    void setIsTitleCenter(bool centred);

    // Opens at a point in screen coordinates, on the first entry for which isCurrent answers
    // true (the one chosen, as a combo box's list opens), else on the first entry; nothing when
    // the node has no children.
    void showAt(const QPoint& globalPos,
                const std::function<bool(const HvTreeNode&)>& isCurrent = {});
    // The rows shown, for tests and screen readers.
    QListWidget* listWidget() const { return list_; }

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void rebuild();
    void applyStyle();
    void pick(QListWidgetItem* item);

    HvTreeNode* node_ = nullptr;
    HvMenulistDelegate* delegate_ = nullptr;
    QListWidget* list_ = nullptr;
    QColor text_ = Qt::white;
    QColor background_ = QColor::fromRgbF(0.222f, 0.222f, 0.222f);
    QColor selectedText_ = Qt::white;
    QColor selectedBackground_ = QColor::fromRgbF(0.492f, 0.022f, 0.031f);
    QColor border_ = QColor::fromRgbF(0, 0, 0.017f);
    int width_ = 150;
    bool centred_ = true;
};
