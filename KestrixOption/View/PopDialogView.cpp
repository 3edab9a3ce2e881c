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
    const QImage normal =
        getImageByName(imageName, QStringLiteral("Normal"), QStringLiteral("png"));
    setBgImage(normal);
    setImages(getImageByName(imageName, QStringLiteral("Over"), QStringLiteral("png")),
              getImageByName(imageName, QStringLiteral("Down"), QStringLiteral("png")), normal);
    setFocusPolicy(Qt::StrongFocus);
    init();
}

void PopDialogView::addButtons(const QPoint& okOrigin, const QPoint& cancelOrigin) {
    // The buttons are named by what they do in this pop-up.
    const PopupLayout::Popup* popup = PopupLayout::find(imageNameStr_.toStdString());
    const KxLayout::Control ok{.name = "okBtn",
                               .tag = kOkTag,
                               .frame = QRect(okOrigin, kButtonSize),
                               .label = "OK",
                               .spoken = popup ? popup->okSpoken : "OK"};
    okBtn_ = qobject_cast<HvButton*>(KxAction::AddControl(ok, this));
    if (isChoose_) {
        const KxLayout::Control cancel{.name = "cancelBtn",
                                       .tag = kCancelTag,
                                       .frame = QRect(cancelOrigin, kButtonSize),
                                       .label = "CANCEL",
                                       .spoken = popup ? popup->cancelSpoken : "Cancel"};
        cancelBtn_ = qobject_cast<HvButton*>(KxAction::AddControl(cancel, this));
        setTabOrder(okBtn_, cancelBtn_);
    }
    okBtn_->setFocus(Qt::OtherFocusReason);
}

void PopDialogView::buttonAction(QObject* sender) {
    const auto* button = qobject_cast<HvButton*>(sender);
    if (!button)
        return;
    if (button->tag() == kOkTag)
        end(1);
    else if (button->tag() == kCancelTag)
        end(0);
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
