#pragma once

#include "RirImageView.h"

#include <optional>

class HvButton;

// The picture pop-up's content: the picture carries the message; OK (tag 6000) and, when
// isChoose, Cancel (tag 6001) end the modal run with 1 and 0. Enter is OK; Escape dismisses a
// pop-up with Cancel (kDismissed, which callers that need no third answer take as Cancel) and
// is OK on one without.
class PopDialogView : public RirImageView {
    Q_OBJECT
public:
    static constexpr int kOkTag = 6000;
    static constexpr int kCancelTag = 6001;
    static constexpr QSize kButtonSize{92, 26};
    static constexpr int kDismissed = -1;

    PopDialogView(const QRect& frame, const QString& imageName, bool isChoose,
                  QWidget* parent = nullptr);

    const QString& imageNameStr() const { return imageNameStr_; }
    bool isChoose() const { return isChoose_; }
    HvButton* okBtn() const { return okBtn_; }
    HvButton* cancelBtn() const { return cancelBtn_; }
    // How the run was ended: 1 OK, 0 Cancel, kDismissed; none while it runs or when its window
    // was closed otherwise.
    std::optional<int> answer() const { return answer_; }
    // Adds the buttons at their origins (top-left corners, from the view's top-left corner).
    void addButtons(const QPoint& okOrigin, const QPoint& cancelOrigin);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void end(int code);

    QString imageNameStr_;
    bool isChoose_ = false;
    std::optional<int> answer_;
    HvButton* okBtn_ = nullptr;
    HvButton* cancelBtn_ = nullptr;
};
