#pragma once

#include "HvDaemon/HvUSBDealwithObj.h"
#include "Notifications/Notification.h"

#include <QObject>
#include <QString>

#include <cstdint>
#include <memory>
#include <optional>

class HvNoTitleWindow;
class ProfieController;
class ShowMsgView;

// The daemon's event handler: turns the mouse's own button reports into the on-screen display
// and "KxDevStatus" notifications, starts applications bound to buttons, and obeys the window's
// "KxSettingChange" messages. Everything runs on the main thread's event loop.
class DealwithMessage : public HvUSBDealwithObj {
public:
    static constexpr const char* kApplicationId = "com.vlak.KxOption";

    // Registers for "KxSettingChange", takes the shared profile library and reads the display
    // switch from the preferences.
    DealwithMessage();
    ~DealwithMessage() override;

    // The base's removal handling, and its "no companion application on arrival", serve as they
    // are.
    std::optional<QString> notifyDevStatusStr() override { return QStringLiteral("KxDevStatus"); }
    void andDevPro() override;
    void didEndInit() override;
    void dealWithMsg(const uint8_t* report) override;

    // One "KxSettingChange" notification.
    void apReportPro(const Notification& notification);
    void refrshSetting();
    void reSetCurrProfile();
    // Starts the configuration window unless it runs; true unless it runs.
    bool openDrive();
    // Whether the configuration window runs (it owns its id on the session bus).
    bool checkApLaunch();
    // The on-screen display, placed and brought to the front; null while it is switched off.
    ShowMsgView* getShowFrmView();

    void dealWithReport(const uint8_t* report);
    void setDpiWithReport(const uint8_t* report);
    void setRateWithReport(const uint8_t* report);
    void setProfileWithReport(const uint8_t* report);
    void setLockWithReport(const uint8_t* report);
    void dealyLaunchAp(const uint8_t* report);
    void launchAppByPath(const QString& path);

    bool isOsd() const { return isOsd_; }
    void setIsOsd(bool value) { isOsd_ = value; }
    // The display's window once made (for tests and the program's shutdown).
    HvNoTitleWindow* showMsgFrm() const { return showMsgFrm_.get(); }

    // The configuration window's path: its desktop entry, else the installed program.
    static QString applicationPath();

private:
    bool isOsd_ = true;
    std::unique_ptr<HvNoTitleWindow> showMsgFrm_;
    ProfieController* sysProCon_ = nullptr;
    QObject context_; // owns the delayed calls: none outlives the handler
};
