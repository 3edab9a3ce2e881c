#pragma once

#include <QObject>

#include <vector>

class HvButton;
class HvSetpPanelObj;

// Asked before a selection changes and told after it changed. Indexes are 1-based; the old index
// is 0 on the first selection.
class HvSetpPanelDelegate {
public:
    virtual ~HvSetpPanelDelegate();
    // False keeps the old selection.
    virtual bool shouldSelectIndex(int index, int oldIndex, HvSetpPanelObj* sender);
    virtual void onSelectIndex(int index, int oldIndex, HvSetpPanelObj* sender);
};

// Makes check-box buttons one radio group: exactly one of them is checked once one was chosen.
// A click, the arrow keys on a member, and a selection made by the program all go through the
// same two callbacks; a refusal leaves the old member checked.
class HvSetpPanelObj : public QObject {
    Q_OBJECT
public:
    explicit HvSetpPanelObj(QObject* parent = nullptr);

    // Adds a member (made a check box); its position is its index, from 1.
    void addItem(HvButton* button);
    const std::vector<HvButton*>& items() const { return items_; }
    void setDelegate(HvSetpPanelDelegate* delegate) { delegate_ = delegate; }

    // 1-based; 0 while nothing is selected.
    int selectIndex() const { return selectIndex_; }
    // Selects a member through the callbacks; an index outside 1..count changes nothing. True
    // when the selection is now that index.
    bool setSelectIndex(int index);
    // The member's index, 0 when it is none of them.
    int indexOf(const QObject* button) const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void showSelection();

    std::vector<HvButton*> items_;
    HvSetpPanelDelegate* delegate_ = nullptr;
    int selectIndex_ = 0;
};
