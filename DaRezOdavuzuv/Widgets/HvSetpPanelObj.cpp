#include "HvSetpPanelObj.h"

#include "HvAccessible.h"
#include "HvButton.h"

#include <QKeyEvent>

HvSetpPanelDelegate::~HvSetpPanelDelegate() = default;

bool HvSetpPanelDelegate::shouldSelectIndex(int, int, HvSetpPanelObj*) {
    return true;
}

void HvSetpPanelDelegate::onSelectIndex(int, int, HvSetpPanelObj*) {}

void HvSetpPanelDelegate::onActivateIndex(int, HvSetpPanelObj*) {}

HvSetpPanelObj::HvSetpPanelObj(QObject* parent) : QObject(parent) {
    HvAccessible::install();
}

void HvSetpPanelObj::addItem(HvButton* button) {
    if (!button)
        return;
    button->setIsCheckBox(true);
    button->setChecked(false);
    button->setRole(HvButton::Role::Radio);
    button->setRadioGroup(this);
    items_.push_back(button);
    button->installEventFilter(this);
    placeTabStop();
    // A click toggled the member; the group decides what stays checked.
    connect(button, &QAbstractButton::clicked, this, [this, button] {
        const int index = indexOf(button);
        if (!setSelectIndex(index)) {
            showSelection();
            return;
        }
        if (delegate_)
            delegate_->onActivateIndex(index, this);
    });
}

int HvSetpPanelObj::indexOf(const QObject* button) const {
    for (size_t i = 0; i < items_.size(); ++i)
        if (items_[i] == button)
            return int(i) + 1;
    return 0;
}

bool HvSetpPanelObj::setSelectIndex(int index) {
    if (index < 1 || index > int(items_.size()))
        return false;
    const int old = selectIndex_;
    if (delegate_ && !delegate_->shouldSelectIndex(index, old, this)) {
        showSelection();
        return false;
    }
    selectIndex_ = index;
    showSelection();
    if (delegate_)
        delegate_->onSelectIndex(index, old, this);
    return selectIndex_ == index;
}

void HvSetpPanelObj::showSelection() {
    for (size_t i = 0; i < items_.size(); ++i)
        items_[i]->setChecked(int(i) + 1 == selectIndex_);
    placeTabStop();
}

void HvSetpPanelObj::placeTabStop() {
    // The checked item, else the first that can take the focus; the others are reached by the
    // arrows (and the pointer).
    HvButton* stop = nullptr;
    if (selectIndex_ >= 1 && items_[size_t(selectIndex_ - 1)]->isEnabled())
        stop = items_[size_t(selectIndex_ - 1)];
    for (HvButton* item : items_)
        if (!stop && item->isEnabled())
            stop = item;
    for (HvButton* item : items_)
        item->setFocusPolicy(item == stop ? Qt::StrongFocus : Qt::ClickFocus);
}

bool HvSetpPanelObj::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::EnabledChange && indexOf(watched) != 0)
        placeTabStop();
    if (event->type() != QEvent::KeyPress)
        return false;
    const int at = indexOf(watched);
    if (at == 0)
        return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    int step = 0;
    if (key->key() == Qt::Key_Left || key->key() == Qt::Key_Up)
        step = -1;
    else if (key->key() == Qt::Key_Right || key->key() == Qt::Key_Down)
        step = 1;
    if (step == 0)
        return false;
    // The arrows move the selection and the focus within the group, skipping disabled members.
    for (int next = at + step; next >= 1 && next <= int(items_.size()); next += step) {
        HvButton* candidate = items_[size_t(next - 1)];
        if (!candidate->isEnabled())
            continue;
        candidate->setFocus(Qt::TabFocusReason);
        setSelectIndex(next);
        break;
    }
    return true;
}
