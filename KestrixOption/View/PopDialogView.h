#pragma once

#include "RirImageView.h"

class HvButton;

// The picture pop-up's content: the picture carries the message; OK (tag 6000) and, when
// isChoose, Cancel (tag 6001) end the modal run with 1 and 0. Enter is OK, Escape is Cancel (OK
// when there is no Cancel).
class PopDialogView : public RirImageView {
    Q_OBJECT
public:
    static constexpr int kOkTag = 6000;
    static constexpr int kCancelTag = 6001;
    static constexpr QSize kButtonSize{92, 26};

    PopDialogView(const QRect& frame, const QString& imageName, bool isChoose,
                  QWidget* parent = nullptr);

    const QString& imageNameStr() const { return imageNameStr_; }
    bool isChoose() const { return isChoose_; }
    HvButton* okBtn() const { return okBtn_; }
    HvButton* cancelBtn() const { return cancelBtn_; }
    // Adds the buttons at their origins (top-left corners, from the view's top-left corner).
    void addButtons(const QPoint& okOrigin, const QPoint& cancelOrigin);

    void buttonAction(QObject* sender) override;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void end(int code);

    QString imageNameStr_;
    bool isChoose_ = false;
    HvButton* okBtn_ = nullptr;
    HvButton* cancelBtn_ = nullptr;
};
