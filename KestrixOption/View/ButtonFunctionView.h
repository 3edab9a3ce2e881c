#pragma once

#include "KxRecords.h"
#include "RirImageView.h"

class DialogKeys;
class HvAnnouncer;
class HvButton;
class HvMenulist;
class HvTreeNode;

// The dialogs that give a mouse button a function (SingleKeyView, TkeyView): a list button that
// opens what to pick from, OK and Cancel. They edit a copy of the button's record. OK, with
// something picked, writes it into the record (saveData), marks the profile changed and closes
// the window; with nothing picked it gives the list button the focus and says why it waits.
// Cancel closes the window and leaves the record as it was. The list button is a combo box to
// the keyboard: Space, Return, Up, Down, Alt+Down and F4 open its list.
class ButtonFunctionView : public RirImageView {
    Q_OBJECT
public:
    const _BTN_INFO& tmpBtnInfo() const { return tmpBtnInfo_; }
    HvButton* okBtn() const { return okBtn_; }
    HvButton* cancelBtn() const { return cancelBtn_; }

    void buttonAction(QObject* sender) override;

protected:
    ButtonFunctionView(const QSize& size, int okTag, int cancelTag, QWidget* parent);

    // Enter is OK, Escape is Cancel; made by the derived constructor once the controls exist.
    DialogKeys* addDialogKeys();
    // What the list button is, what it opens and whether something is picked.
    virtual HvButton* pickButton() const = 0;
    virtual HvMenulist* pickList() const = 0;
    virtual bool hasPick() const = 0;
    // Whether an entry of the list is the one picked (the list opens on it).
    virtual bool isPicked(const HvTreeNode& entry) const = 0;
    // Why OK waits while nothing is picked ("Choose a function from the list first.").
    virtual QString whyOkWaits() const = 0;

    HvButton* okBtn_ = nullptr;
    HvButton* cancelBtn_ = nullptr;
    _BTN_INFO tmpBtnInfo_{};

private:
    void ok();
    void cancel();

    HvAnnouncer* announcer_ = nullptr;
};
