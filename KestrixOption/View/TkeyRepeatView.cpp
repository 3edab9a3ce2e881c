#include "TkeyRepeatView.h"

#include "DialogKeys.h"
#include "HvButton.h"
#include "HvModal.h"
#include "HvNumberTextField.h"
#include "KxAction.h"
#include "KxControls.h"
#include "TKeyRepeatViewLayout.h"

#include <QCoreApplication>

TkeyRepeatView::TkeyRepeatView(QWidget* parent)
    : RirImageView(QRect(QPoint(0, 0), TKeyRepeatViewLayout::kView.size), parent) {
    setImageByName(QStringLiteral("TKeyRepeatView_Normal.png"));
    init();
    setDialogButtons({{kOkTag, [this] { ok(); }}, {kCancelTag, [this] { end(0); }}});
    new DialogKeys(
        this, [this] { ok(); }, [this] { end(0); }, cancelBtn_);
}

void TkeyRepeatView::initControls() {
    const KxControls controls(TKeyRepeatViewLayout::kView, this);
    countTxt_ = controls.get<HvNumberTextField>("countTxt");
    countTxt_->setAlignment(Qt::AlignCenter);
    QFont arial(QStringLiteral("Arial"));
    arial.setPixelSize(15);
    countTxt_->setFont(arial);
    connect(countTxt_, &HvTextField::textChanged, this, &TkeyRepeatView::showLimit);

    limitTxt_ = controls.get<HvTextField>("limitTxt");
    QFont small = font();
    small.setPixelSize(10);
    limitTxt_->setFont(small);
    // The accent's hue, light enough to read on the dark window.
    const QColor accent = HvButton::accentColor();
    limitTxt_->setTextColor(QColor::fromHsl(accent.hslHue(), 190, 150));
    limitTxt_->setText(
        QCoreApplication::translate("TkeyRepeatView", "At most %1 times on the mouse")
            .arg(kMouseMaxCount));
    limitTxt_->setCursorPosition(0);
    limitTxt_->hide();

    okBtn_ = controls.button("okBtn");
    cancelBtn_ = controls.button("cancelBtn");
}

void TkeyRepeatView::makeTxtFirstRes() {
    countTxt_->setIntValue(repeatCount_ == 0 ? 1 : repeatCount_);
    countTxt_->setFocus(Qt::OtherFocusReason);
    // The whole number is selected, so typing replaces it.
    countTxt_->selectAll();
}

// Said while the count is typed, not after the mouse has quietly run fewer.
void TkeyRepeatView::showLimit(const QString& text) {
    bool isNumber = false;
    const int typed = text.toInt(&isNumber);
    limitTxt_->setVisible(isNumber && typed > kMouseMaxCount);
}

void TkeyRepeatView::ok() {
    countTxt_->commit(); // what was typed, brought into 1..9999
    repeatCount_ = countTxt_->intValue();
    end(1);
}

void TkeyRepeatView::end(int code) {
    HvModal::stopModal(window(), code);
}
