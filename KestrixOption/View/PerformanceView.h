#pragma once

#include "HvSetpPanelObj.h"
#include "LiveMouseValue.h"
#include "Notifications/NotificationCenter.h"
#include "RirImageView.h"

class HvButton;
class HvNumberTextField;
class HvProgressBar;

// The mouse's performance: which DPI stage is active and the DPI of that stage, the polling
// rate, the desktop's three pointer speeds and the on-screen display switch. It edits the working
// copy selProfile in place. The stage and the rate go to the mouse as they are chosen; the
// speeds go to the desktop at once; the stages' DPI go with OK, Apply or Reset, and Cancel writes
// the stored settings back. OK and Apply keep the settings alike: in the mouse, in every profile
// (the mouse holds them once) and on disk. While open it follows the mouse's own DPI and rate
// buttons ("Notify_DPIChange", "Notify_FWRateChange", relayed by the main window).
//
// Runs fully modal: OK ends the run with 1, Cancel with 0; every other end of the run (Escape,
// the window closed or hidden, the run stopped from outside) runs Cancel first.
// Enter is OK, with a DPI still being typed taken first.
class PerformanceView : public RirImageView, public HvSetpPanelDelegate {
    Q_OBJECT
public:
    static constexpr int kDpiLevelTag = 5051;
    static constexpr int kDoubleSpeedTag = 5052;
    static constexpr int kMouseSpeedTag = 5053;
    static constexpr int kScrSpeedTag = 5054;
    static constexpr int kRate125Tag = 5055;
    static constexpr int kRate500Tag = 5057;
    static constexpr int kRate1000Tag = 5058;
    static constexpr int kOneScreenTag = 5059;
    static constexpr int kOkTag = 5060;
    static constexpr int kCancelTag = 5061;
    static constexpr int kApplyTag = 5062;
    static constexpr int kReDefTag = 5063;
    static constexpr int kDpiTag = 5064;
    // The view's DPI range, in units of 100 (the field shows 100..3500).
    static constexpr int kMinDpiLevel = 1;
    static constexpr int kMaxDpiLevel = 35;

    explicit PerformanceView(QWidget* parent = nullptr);
    ~PerformanceView() override;

    HvProgressBar* dpiLevelPro() const { return dpiLevelPro_; }
    HvProgressBar* doubleSpeedPro() const { return doubleSpeedPro_; }
    HvProgressBar* mouseSpeedPro() const { return mouseSpeedPro_; }
    HvProgressBar* scrSpeedPro() const { return scrSpeedPro_; }
    HvProgressBar* dpiPro() const { return dpiPro_; }
    HvNumberTextField* dpiTxt() const { return dpiTxt_; }
    HvSetpPanelObj* rateSetp() const { return rateSetp_; }
    HvButton* oneScreenBtn() const { return oneScreenBtn_; }
    HvButton* okBtn() const { return okBtn_; }
    HvButton* cancelBtn() const { return cancelBtn_; }
    HvButton* applyBtn() const { return applyBtn_; }
    HvButton* reDefBtn() const { return reDefBtn_; }
    bool hasSaved() const { return hasSaved_; }

    void initControls() override;
    void refreshData() override;
    void initNotify() override;
    void deallocNotify() override;
    void fillSettingData() override;
    void buttonAction(QObject* sender) override;
    void onNumTextChange(QObject* sender) override;
    void onSelectIndex(int index, int oldIndex, HvSetpPanelObj* sender) override;

    void fillDPIData();
    // The current stage's DPI in units of 100 for each axis; -1 leaves an axis as it is.
    void setDPIData(int x, int y);
    void reDefPro();
    void progessBarAction(QObject* sender) override;
    // The mouse's own buttons, relayed by the main window.
    void dpiChangePro(const QVariantMap& values);
    void rateChangePro(int rateIndex);

private:
    int currentStage() const;
    void ok();
    void cancel();
    void apply();
    void reset();
    void showChangesOnScreen(bool shown);
    // A DPI typed but not yet committed (Enter went to OK) is taken before OK or Apply.
    void takeTypedDpi();

    HvProgressBar* dpiLevelPro_ = nullptr;
    HvProgressBar* doubleSpeedPro_ = nullptr;
    HvProgressBar* mouseSpeedPro_ = nullptr;
    HvProgressBar* scrSpeedPro_ = nullptr;
    HvProgressBar* dpiPro_ = nullptr;
    HvNumberTextField* dpiTxt_ = nullptr;
    HvSetpPanelObj* rateSetp_ = nullptr;
    HvButton* oneScreenBtn_ = nullptr;
    HvButton* okBtn_ = nullptr;
    HvButton* cancelBtn_ = nullptr;
    HvButton* applyBtn_ = nullptr;
    HvButton* reDefBtn_ = nullptr;
    bool hasSaved_ = false;
    bool isFillData_ = false;
    // The display switch as the view opened or last applied it, for Cancel to put back.
    bool keptOsd_ = true;
    // The stage and the rate the mouse takes as they are picked.
    LiveMouseValue liveStage_;
    LiveMouseValue liveRate_;
    NotificationCenter::Token dpiObserver_ = 0;
    NotificationCenter::Token rateObserver_ = 0;
};
