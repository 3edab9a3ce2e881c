#pragma once

#include "HvDaemon/HvUSBDealwithObj.h"
#include "Notifications/Notification.h"

#include <QDBusServiceWatcher>
#include <QObject>
#include <QString>
#include <QTimer>

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>

class AppProfileSwitcher;
class AppRulesService;
class FrontApplicationSource;
class HvNoTitleWindow;
class NotificationDisplay;
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
    std::optional<QString> notifyDevStatusStr() override;
    void andDevPro() override;
    void didEndInit() override;
    void dealWithMsg(const uint8_t* report) override;
    // SIGHUP: reload the profiles, as for a "KxSettingChange" 101.
    void reloadRequested() override;

    // The profile follows the application in front, by the user's rules, as far as the source
    // tells it (AppProfileSwitcher.h); the rules' answers go on the session bus. The display
    // says "Profile 2 · GIMP" for each switch the rules make.
    void startApplicationRules(std::unique_ptr<FrontApplicationSource> source);
    AppProfileSwitcher* applicationRules() const { return switcher_.get(); }

    // One "KxSettingChange" notification. Nothing here waits on the event loop: a reload is
    // made kReloadDelayMs after the first request of a burst, covering the whole burst, and a
    // relaunch request does nothing while one is pending or the window is starting.
    //
    // A relaunch is asked for by the window that is ending, and it still owns its bus name for
    // a while (it waits up to 10 s for a transfer still running): when it still runs once
    // kRelaunchDelayMs have passed, the new window is started as soon as its name is gone, or
    // not at all if it has not gone within oldWindowWaitMs (which is logged).
    void apReportPro(const Notification& notification);
    // Reloads the profile library from disk now.
    void refrshSetting();
    // Starts the configuration window unless it runs; true unless it runs. The window then
    // counts as starting until it owns its bus name, or for kWindowStartMs at most.
    bool openDrive();
    // Whether the configuration window runs (it owns its id on the session bus).
    bool checkApLaunch();
    // The on-screen display, placed and brought to the front; null while it is switched off.
    // Where the display goes to the desktop's notifications, a view without a window.
    ShowMsgView* getShowFrmView();

    // Whether the display goes to the desktop's notification service rather than a window of
    // its own: on Wayland (decided from the platform when the handler is made), where a window
    // would take the keyboard and land wherever the compositor puts it.
    bool displaysAsNotifications() const { return asNotifications_; }
    // For tests: the choice above, before the first display.
    void setDisplaysAsNotifications(bool value) { asNotifications_ = value; }
    static bool platformNeedsNotifications();

    void dealWithReport(const uint8_t* report);
    void setDpiWithReport(const uint8_t* report);
    void setRateWithReport(const uint8_t* report);
    void setProfileWithReport(const uint8_t* report);
    void setLockWithReport(const uint8_t* report);
    void dealyLaunchAp(const uint8_t* report);
    void launchAppByPath(const QString& path);

    static constexpr int kReloadDelayMs = 100;
    // A live read that waited longer than this for its turn at the mouse (another program's
    // whole read or write holds it) is still told to the window, but no longer shown. The read
    // itself, paced by the mouse, does not count.
    static constexpr int kLiveReadShowMs = 1000;
    static constexpr int kRelaunchDelayMs = 500;
    static constexpr int kWindowStartMs = 10000;
    // The ending window's 10 s for its transfer, and time to end after it.
    static constexpr int kOldWindowWaitMs = 15000;
    // For tests: how long a relaunch waits for the window that asked for it to end.
    void setOldWindowWaitMs(int ms) { oldWindowGone_.setInterval(ms); }

    bool isOsd() const { return isOsd_; }
    void setIsOsd(bool value) { isOsd_ = value; }
    // The display's window once made (for tests and the program's shutdown).
    HvNoTitleWindow* showMsgFrm() const { return showMsgFrm_.get(); }

    // The configuration window's path: its desktop entry, else the program beside this one.
    static QString applicationPath();

private:
    // The relaunch's delay has passed: start the window, or wait for the old one to end.
    void relaunchDue();
    // Reads the mouse's new state after one of its own buttons in the turn every program takes
    // at the mouse: queued to the process's device queue, whose worker waits for the turn, so
    // this thread never does. A read still waiting when the next of its kind comes is replaced
    // by it (a burst of presses shows where the mouse ended). tell runs here once the read
    // reached the mouse, told whether it came in time to be shown.
    void readLive(const QString& what, std::function<bool()> read,
                  std::function<void(bool inTime)> tell);
    // readLive of one register's value; none when the read did not reach the mouse.
    void readLiveValue(const QString& what, std::function<std::optional<int>()> read,
                       std::function<void(int value, bool inTime)> tell);
    // A stage or polling rate the mouse moved to by its own buttons, with the window closed:
    // every profile file takes it (the window, when it runs, takes it into its library and saves
    // it). Before any program has saved the library there are no files to keep it in: the first
    // whole read takes everything.
    void keepInFiles(int status, int value);

    bool isOsd_ = true;
    bool asNotifications_ = false;
    std::unique_ptr<HvNoTitleWindow> showMsgFrm_;
    // The display's view and output where it goes to notifications.
    std::unique_ptr<ShowMsgView> notifiedView_;
    std::unique_ptr<NotificationDisplay> notifications_;
    ProfieController* sysProCon_ = nullptr;
    QObject liveReads_; // receives the live reads' outcomes; gone with the handler
    quint64 settingObserver_ = 0;
    QTimer reloadTimer_;    // a reload is pending
    QTimer relaunchTimer_;  // a relaunch of the window is pending
    QTimer oldWindowGone_;  // a relaunch waits for the window that asked for it to end
    QTimer windowStarting_; // the window was started and has not yet claimed its bus name
    // Its bus name claimed and released: the window started, or ended.
    QDBusServiceWatcher windowWatcher_;
    std::unique_ptr<FrontApplicationSource> front_;
    std::unique_ptr<AppProfileSwitcher> switcher_;
    std::unique_ptr<AppRulesService> rulesService_;
};
