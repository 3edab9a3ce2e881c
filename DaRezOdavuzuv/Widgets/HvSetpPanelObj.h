#pragma once

#include <QObject>
#include <QString>

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
    // Told after a member was clicked (by the pointer, Space or Enter, or a screen reader's
    // press) and is the selection: chosen, not only passed over. The arrow keys and the
    // program's selections select without it.
    virtual void onActivateIndex(int index, HvSetpPanelObj* sender);
};

// Makes check-box buttons one radio group: exactly one of them is checked once one was chosen;
// the group is one Tab stop, on the checked item, and the arrows move within it.
// A click, the arrow keys on a member, and a selection made by the program all go through the
// same two callbacks; a refusal leaves the old member checked. Its members are radio items to
// assistive technology, in a group of the name given here (HvAccessible.h), and a screen
// reader's press is their click.
class HvSetpPanelObj : public QObject {
    Q_OBJECT
public:
    explicit HvSetpPanelObj(QObject* parent = nullptr);

    // Adds a member (made a check box); its position is its index, from 1.
    void addItem(HvButton* button);
    const std::vector<HvButton*>& items() const { return items_; }
    void setDelegate(HvSetpPanelDelegate* delegate) { delegate_ = delegate; }
    // The group's name, said by screen readers ("Polling rate").
    void setAccessibleName(const QString& name) { accessibleName_ = name; }
    const QString& accessibleName() const { return accessibleName_; }

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
    // One Tab stop for the group, on its checked item, as radio groups are.
    void placeTabStop();

    std::vector<HvButton*> items_;
    HvSetpPanelDelegate* delegate_ = nullptr;
    QString accessibleName_;
    int selectIndex_ = 0;
};
