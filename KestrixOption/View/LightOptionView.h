#pragma once

#include "HvButton.h"
#include "HvSetpPanelObj.h"
#include "LiveMouseValue.h"
#include "RirImageView.h"

// The mouse's two lights, the logo and the wheel, each on or off. The user picks a light on the
// drawing of the mouse (or none: then On and Off act on both) and switches it; the mouse shows
// the change at once, OK or Apply keeps it, Cancel puts the stored lights back. It edits the
// working copy selProfile (islightOnArr: 0 the logo, 1 the wheel; 1 on, 0 off).
//
// Runs fully modal: OK ends the run with 1, Cancel with 0; every other end of the run (Escape,
// the window closed or hidden, the run stopped from outside) runs Cancel first.
class LightOptionView : public RirImageView, public HvSetpPanelDelegate, public HvButtonDelegate {
    Q_OBJECT
public:
    static constexpr int kLogoLightTag = 150;
    static constexpr int kMidLightTag = 152;
    static constexpr int kLightOnTag = 162;
    static constexpr int kLightOffTag = 163;
    static constexpr int kOkTag = 164;
    static constexpr int kCancelTag = 165;
    static constexpr int kApplyTag = 166;

    explicit LightOptionView(QWidget* parent = nullptr);

    HvButton* logoLightBtn() const { return logoLightBtn_; }
    HvButton* midLightBtn() const { return midLightBtn_; }
    HvButton* logoLightTagBtn() const { return logoLightTagBtn_; }
    HvButton* midLightTagBtn() const { return midLightTagBtn_; }
    HvSetpPanelObj* lightBtnSetp() const { return lightBtnSetp_; }
    HvSetpPanelObj* lightOnOffSetp() const { return lightOnOffSetp_; }
    HvButton* okBtn() const { return okBtn_; }
    HvButton* cancelBtn() const { return cancelBtn_; }
    HvButton* applyBtn() const { return applyBtn_; }
    // 0: no light picked (both), 1: the logo, 2: the wheel.
    int currSelectedBtn() const { return currSelectedBtn_; }
    bool hasSaved() const { return hasSaved_; }

    void initControls() override;
    void refreshData() override;
    void initNotify() override;
    void fillSettingData() override;
    void buttonAction(QObject* sender) override;
    void onSelectIndex(int index, int oldIndex, HvSetpPanelObj* sender) override;

    void fillBtnOnOff();
    void setBtnOnOff(bool on);
    // Checks the i-th light's box (0 the logo, 1 the wheel) exactly when that light is on.
    void setLightSelImage(int light);
    int getTmpColorIndex() const { return currSelectedBtn_ - 1; }

private:
    void keep();
    void ok();
    void cancel();
    void apply();

    HvButton* logoLightBtn_ = nullptr;
    HvButton* midLightBtn_ = nullptr;
    HvButton* logoLightTagBtn_ = nullptr;
    HvButton* midLightTagBtn_ = nullptr;
    HvButton* bothLightTagBtn_ = nullptr;
    HvSetpPanelObj* lightBtnSetp_ = nullptr;
    HvSetpPanelObj* lightOnOffSetp_ = nullptr;
    HvButton* okBtn_ = nullptr;
    HvButton* cancelBtn_ = nullptr;
    HvButton* applyBtn_ = nullptr;
    int currSelectedBtn_ = 0;
    bool hasSaved_ = false;
    bool isFillData_ = false;
    // Each light as the mouse takes it when switched (islightOnArr's order: logo, wheel).
    LiveMouseValue liveLogo_;
    LiveMouseValue liveWheel_;
    LiveMouseValue& liveLight(int light) { return light == 0 ? liveLogo_ : liveWheel_; }
    void writeLight(int light);
    // Puts a light's state on the view and in the edited profile, writing nothing.
    void showLight(int light, bool on);
};
