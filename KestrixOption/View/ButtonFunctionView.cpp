#include "ButtonFunctionView.h"

#include "DialogKeys.h"
#include "HvButton.h"
#include "KxAction.h"
#include "KxWidgetGlobals.h"

ButtonFunctionView::ButtonFunctionView(const QSize& size, int okTag, int cancelTag, QWidget* parent)
    : RirImageView(QRect(QPoint(0, 0), size), parent) {
    setDialogButtons({{okTag, [this] { ok(); }}, {cancelTag, [this] { cancel(); }}});
}

DialogKeys* ButtonFunctionView::addDialogKeys() {
    return new DialogKeys(
        this, [this] { ok(); }, [this] { cancel(); }, cancelBtn_);
}

void ButtonFunctionView::buttonAction(QObject* sender) {
    if (sender && sender == pickButton())
        KxAction::showMenulistWithBtn(pickButton(), pickList());
    else
        RirImageView::buttonAction(sender);
}

void ButtonFunctionView::ok() {
    if (!hasPick()) {
        pickButton()->setFocus(Qt::OtherFocusReason);
        return;
    }
    isNeedSave = true;
    saveData();
    window()->close();
}

void ButtonFunctionView::cancel() {
    window()->close();
}
