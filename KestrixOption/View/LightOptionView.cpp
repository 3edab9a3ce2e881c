#include "LightOptionView.h"

#include "DialogKeys.h"
#include "KxAction.h"
#include "KxControls.h"
#include "KxGlobals.h"
#include "LightOptionViewLayout.h"
#include "MouseWrites.h"
#include "ProfieController.h"
#include "ProfileSaves.h"

namespace {

constexpr int kLogo = 0;
constexpr int kWheel = 1;

} // namespace

LightOptionView::LightOptionView(QWidget* parent)
    : RirImageView(QRect(QPoint(0, 0), LightOptionViewLayout::kView.size), parent),
      liveLogo_(QStringLiteral(QT_TRANSLATE_NOOP("MouseWrites", "logo light")),
                QStringLiteral("live logo light"), [this](int on) { showLight(kLogo, on != 0); }),
      liveWheel_(QStringLiteral(QT_TRANSLATE_NOOP("MouseWrites", "wheel light")),
                 QStringLiteral("live wheel light"),
                 [this](int on) { showLight(kWheel, on != 0); }) {
    setImageByName(QStringLiteral("LightOptionView_Normal.png"));
    init();
    setDialogButtons({{kOkTag, [this] { ok(); }},
                      {kCancelTag, [this] { cancel(); }},
                      {kApplyTag, [this] { apply(); }}});
    new DialogKeys(
        this, [this] { ok(); }, [this] { cancel(); }, cancelBtn_);
}

void LightOptionView::initControls() {
    const KxControls controls(LightOptionViewLayout::kView, this);
    midLightTagBtn_ = controls.button("midLightTagBtn");
    logoLightTagBtn_ = controls.button("logoLightTagBtn");
    for (HvButton* selector : {midLightTagBtn_, logoLightTagBtn_})
        selector->setHvBtnDelege(this);
    bothLightTagBtn_ = controls.button("bothLightTagBtn");
    lightBtnSetp_ = controls.group("Light to switch");
    logoLightBtn_ = controls.button("logoLightBtn");
    midLightBtn_ = controls.button("midLightBtn");
    lightOnOffSetp_ = controls.group("Picked light");
    applyBtn_ = controls.button("applyBtn");
    okBtn_ = controls.button("okBtn");
    cancelBtn_ = controls.button("cancelBtn");
}

void LightOptionView::refreshData() {
    fillSettingData();
}

void LightOptionView::initNotify() {
    // A run ended any other way than by OK or Cancel (the window closed or hidden, the main
    // window ending the run when the mouse goes away) drops the edits as Cancel does.
    onRunEndedOtherwise([this] { cancel(); });
}

void LightOptionView::fillSettingData() {
    isFillData_ = true;
    // On and Off switch both lights until one is picked.
    currSelectedBtn_ = 0;
    lightBtnSetp_->setSelectIndex(lightBtnSetp_->indexOf(bothLightTagBtn_));
    fillBtnOnOff();
    setLightSelImage(kLogo);
    setLightSelImage(kWheel);
    isFillData_ = false;
    for (const int light : {kLogo, kWheel})
        liveLight(light).setHeld(selProfile.islightOnArr[light] != 0 ? 1 : 0);
}

void LightOptionView::showLight(int light, bool on) {
    selProfile.islightOnArr[light] = on ? 1 : 0;
    fillBtnOnOff();
    setLightSelImage(light);
}

void LightOptionView::writeLight(int light) {
    const bool on = selProfile.islightOnArr[light] != 0;
    liveLight(light).write(on ? 1 : 0, [light, on] { return KxAction::writeLiveLight(light, on); });
}

void LightOptionView::fillBtnOnOff() {
    const bool filling = isFillData_;
    isFillData_ = true;
    const bool on =
        currSelectedBtn_ == 1 || currSelectedBtn_ == 2
            ? selProfile.islightOnArr[currSelectedBtn_ - 1] != 0
            : selProfile.islightOnArr[kLogo] != 0 || selProfile.islightOnArr[kWheel] != 0;
    lightOnOffSetp_->setSelectIndex(on ? 1 : 2);
    isFillData_ = filling;
}

void LightOptionView::setLightSelImage(int light) {
    if (light != kLogo && light != kWheel)
        return;
    (light == kLogo ? logoLightBtn_ : midLightBtn_)
        ->setChecked(selProfile.islightOnArr[light] == 1);
}

void LightOptionView::setBtnOnOff(bool on) {
    if (isFillData_)
        return;
    hasSaved_ = true;
    if (currSelectedBtn_ == 1 || currSelectedBtn_ == 2) {
        selProfile.islightOnArr[currSelectedBtn_ - 1] = on ? 1 : 0;
    } else {
        selProfile.islightOnArr[kLogo] = on ? 1 : 0;
        selProfile.islightOnArr[kWheel] = on ? 1 : 0;
    }
}

void LightOptionView::onSelectIndex(int index, int /*oldIndex*/, HvSetpPanelObj* sender) {
    if (isFillData_)
        return;
    if (sender == lightBtnSetp_) {
        // The group lists the lights as the drawing does, the wheel's first, then both.
        const HvButton* picked = sender->items()[size_t(index - 1)];
        const int light = picked == logoLightTagBtn_ ? 1 : picked == midLightTagBtn_ ? 2 : 0;
        if (light != currSelectedBtn_) {
            currSelectedBtn_ = light;
            fillBtnOnOff();
        }
        return;
    }
    if (sender != lightOnOffSetp_)
        return;
    setBtnOnOff(index == 1);
    switch (currSelectedBtn_) {
    case 1:
        setLightSelImage(kLogo);
        writeLight(kLogo);
        break;
    case 2:
        setLightSelImage(kWheel);
        writeLight(kWheel);
        break;
    default:
        // No light picked: the switch was made on both, so both are shown and both go to the
        // mouse (sending only one would leave the mouse and the boxes showing the old logo).
        setLightSelImage(kLogo);
        setLightSelImage(kWheel);
        writeLight(kLogo);
        writeLight(kWheel);
        break;
    }
}

void LightOptionView::buttonAction(QObject* sender) {
    const auto* button = qobject_cast<HvButton*>(sender);
    if (!button)
        return;
    switch (button->tag()) {
    case kLogoLightTag:
    case kMidLightTag: {
        // A light's box switches that light, at once, as On and Off do.
        const int light = button->tag() == kLogoLightTag ? kLogo : kWheel;
        hasSaved_ = true;
        showLight(light, button->isChecked());
        writeLight(light);
        break;
    }
    default:
        RirImageView::buttonAction(sender);
        break;
    }
}

// What OK and Apply keep: the lights on the mouse (when switched), in every profile and on disk.
void LightOptionView::keep() {
    ProfieController* library = KxAction::profileLibrary();
    if (hasSaved_)
        MouseWrites::postLights(selProfile,
                                MouseWrites::whileShown(this, &LightOptionView::hasSaved_));
    library->saveSelProfileToData();
    library->applySettingToAll();
    ProfileSaves::save();
}

void LightOptionView::ok() {
    keep();
    endWindowRun(1);
}

void LightOptionView::cancel() {
    if (hasSaved_) {
        KxAction::profileLibrary()->refreshSelProfileFromData();
        MouseWrites::postLights(selProfile,
                                MouseWrites::whileShown(this, &LightOptionView::hasSaved_));
    }
    endWindowRun(0);
}

void LightOptionView::apply() {
    if (!hasSaved_)
        return;
    keep();
    hasSaved_ = false;
}
