#include "PopDialogView.h"

#include "HvButton.h"
#include "HvModal.h"
#include "KxAction.h"
#include "KxLayout.h"
#include "PopupLayout.h"

#include <QKeyEvent>

PopDialogView::PopDialogView(const QRect& frame, const QString& imageName, bool isChoose,
                             QWidget* parent)
    : RirImageView(frame, parent), imageNameStr_(imageName), isChoose_(isChoose) {
    // "<name>_Normal.png" serves as the disabled picture too.
    using KxLayout::State;
    const QString png = QStringLiteral("png");
    const QImage normal = getImageByName(imageName, State::Normal, png);
    setBgImage(normal);
    setImages(getImageByName(imageName, State::Over, png),
              getImageByName(imageName, State::Down, png), normal);
    init();
    setDialogButtons({{kOkTag, [this] { end(1); }}, {kCancelTag, [this] { end(0); }}});
}

void PopDialogView::addButtons(const QPoint& okOrigin, const QPoint& cancelOrigin) {
    // The buttons are named by their text and described by what they do in this pop-up.
    const PopupLayout::Popup* popup = PopupLayout::find(imageNameStr_.toStdString());
    const KxLayout::Control ok{.name = "okBtn",
                               .tag = kOkTag,
                               .frame = QRect(okOrigin, kButtonSize),
                               .label = "OK",
                               .spoken = "OK"};
    okBtn_ = qobject_cast<HvButton*>(KxAction::AddControl(ok, this));
    if (popup)
        okBtn_->setAccessibleDescription(KxLayout::text(popup->okDoes));
    if (isChoose_) {
        const KxLayout::Control cancel{.name = "cancelBtn",
                                       .tag = kCancelTag,
                                       .frame = QRect(cancelOrigin, kButtonSize),
                                       .label = "CANCEL",
                                       .spoken = "Cancel"};
        cancelBtn_ = qobject_cast<HvButton*>(KxAction::AddControl(cancel, this));
        if (popup)
            cancelBtn_->setAccessibleDescription(KxLayout::text(popup->cancelDoes));
        setTabOrder(okBtn_, cancelBtn_);
    }
    okBtn_->setFocus(Qt::OtherFocusReason);
}

void PopDialogView::end(int code) {
    answer_ = code;
    HvModal::stopModal(window(), code);
}

void PopDialogView::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        // Enter on a focused Cancel is Cancel; anywhere else it is OK.
        end(cancelBtn_ && cancelBtn_->hasFocus() ? 0 : 1);
        return;
    case Qt::Key_Escape:
        end(isChoose_ ? kDismissed : 1);
        return;
    default:
        RirImageView::keyPressEvent(event);
    }
}
