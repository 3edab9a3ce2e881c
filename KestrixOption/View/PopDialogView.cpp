#include "PopDialogView.h"

#include "HvButton.h"
#include "HvModal.h"
#include "KxAction.h"
#include "KxLayout.h"
#include "KxTextLook.h"
#include "PopupLayout.h"

#include <QKeyEvent>
#include <QPainter>

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
    setTextContext(PopupLayout::kContext);
    if (const PopupLayout::Popup* popup = PopupLayout::find(imageName.toStdString()))
        setTextPainter(
            [title =
                 KxTextLook::placePopupTitle(QRectF(PopupLayout::kTitleFrame), shown(popup->title)),
             message = KxTextLook::placePopupMessage(QRectF(PopupLayout::kMessageFrame),
                                                     shown(popup->message))](QPainter& painter) {
                KxTextLook::draw(painter, title);
                KxTextLook::draw(painter, message);
            });
    init();
    setDialogButtons({{kOkTag, [this] { end(1); }}, {kCancelTag, [this] { end(0); }}});
}

void PopDialogView::addButtons(const QPoint& okOrigin, const QPoint& cancelOrigin) {
    // The buttons are named by their text and described by what they do in this pop-up.
    const PopupLayout::Popup* popup = PopupLayout::find(imageNameStr_.toStdString());
    const KxLayout::Control ok{.name = "okBtn",
                               .tag = kOkTag,
                               .frame = QRect(okOrigin, kButtonSize),
                               .label = QT_TRANSLATE_NOOP("Popup", "OK"),
                               .spoken = QT_TRANSLATE_NOOP("Popup", "OK")};
    okBtn_ = qobject_cast<HvButton*>(KxAction::AddControl(ok, this));
    if (popup)
        okBtn_->setAccessibleDescription(shown(popup->okDoes));
    if (isChoose_) {
        const KxLayout::Control cancel{.name = "cancelBtn",
                                       .tag = kCancelTag,
                                       .frame = QRect(cancelOrigin, kButtonSize),
                                       .label = QT_TRANSLATE_NOOP("Popup", "CANCEL"),
                                       .spoken = QT_TRANSLATE_NOOP("Popup", "Cancel")};
        cancelBtn_ = qobject_cast<HvButton*>(KxAction::AddControl(cancel, this));
        if (popup)
            cancelBtn_->setAccessibleDescription(shown(popup->cancelDoes));
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
