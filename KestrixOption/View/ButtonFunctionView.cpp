#include "ButtonFunctionView.h"

#include "DialogKeys.h"
#include "HvAnnouncer.h"
#include "HvButton.h"
#include "KxAction.h"
#include "KxWidgetGlobals.h"

ButtonFunctionView::ButtonFunctionView(const QSize& size, int okTag, int cancelTag, QWidget* parent)
    : RirImageView(QRect(QPoint(0, 0), size), parent) {
    setDialogButtons({{okTag, [this] { ok(); }}, {cancelTag, [this] { cancel(); }}});
    announcer_ = new HvAnnouncer(this);
}

DialogKeys* ButtonFunctionView::addDialogKeys() {
    auto* keys = new DialogKeys(
        this, [this] { ok(); }, [this] { cancel(); }, cancelBtn_);
    // Return on the list button opens its list, as on a combo box.
    keys->setEnterTaker([this](const QObject* control) { return control == pickButton(); });
    return keys;
}

void ButtonFunctionView::buttonAction(QObject* sender) {
    if (sender && sender == pickButton())
        KxAction::showMenulistWithBtn(pickButton(), pickList(),
                                      [this](const HvTreeNode& entry) { return isPicked(entry); });
    else
        RirImageView::buttonAction(sender);
}

void ButtonFunctionView::ok() {
    if (!hasPick()) {
        const QString why = whyOkWaits();
        pickButton()->setFocus(Qt::OtherFocusReason);
        announcer_->announce(why);
        return;
    }
    isNeedSave = true;
    saveData();
    window()->close();
}

void ButtonFunctionView::cancel() {
    window()->close();
}
