#include "CreateMacroView.h"

#include "CreateMacroLayout.h"
#include "DialogKeys.h"
#include "HvButton.h"
#include "HvModal.h"
#include "HvTextField.h"
#include "HvTreeNode.h"
#include "KxAction.h"
#include "KxControls.h"
#include "KxGlobals.h"

#include <QApplication>
#include <QCoreApplication>

CreateMacroView::CreateMacroView(QWidget* parent)
    : RirImageView(QRect(QPoint(0, 0), CreateMacroLayout::kView.size), parent) {
    setImageByName(QStringLiteral("CreateMacro_Normal.png"));
    init();
    setDialogButtons(
        {{kOkTag, [this] { ok(); }}, {kCancelTag, [this] { HvModal::stopModal(window(), 0); }}});
    new DialogKeys(
        this, [this] { ok(); }, [this] { HvModal::stopModal(window(), 0); }, cancelBtn_);
}

void CreateMacroView::initControls() {
    const KxControls controls(CreateMacroLayout::kView, this);
    nameTxt_ = controls.get<HvTextField>("nameTxt");
    QFont system = QApplication::font();
    system.setPixelSize(13);
    nameTxt_->setFont(system);
    nameTxt_->setMaxLength(kMaxNameLength);
    nameTxt_->setPlaceholderText(QCoreApplication::translate("CreateMacroView", "Macro name"));
    okBtn_ = controls.button("okBtn");
    cancelBtn_ = controls.button("cancelBtn");
}

bool CreateMacroView::checkMacroName(const QString& name) {
    if (name.isEmpty())
        return false;
    if (!macroNode)
        return true;
    for (const auto& child : macroNode->children())
        if (child->nodeData() && child->nodeData()->titleStr() == name)
            return false;
    return true;
}

void CreateMacroView::makeTxtFirstRes() {
    nameTxt_->setFocus(Qt::OtherFocusReason);
    nameTxt_->selectAll();
}

void CreateMacroView::ok() {
    const QString name = nameTxt_->text().trimmed();
    if (!checkMacroName(name)) {
        makeTxtFirstRes();
        return;
    }
    nameStr_ = name;
    HvModal::stopModal(window(), 1);
}
