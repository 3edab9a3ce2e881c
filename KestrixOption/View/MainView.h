#pragma once

#include "HvButton.h"
#include "HvNoTitleWindow.h"
#include "HvSetpPanelObj.h"
#include "KxAction.h"
#include "KxRecords.h"
#include "Notifications/NotificationCenter.h"
#include "RirImageView.h"
#include "WindowEditState.h"

#include <QImage>
#include <QPointer>
#include <QSet>
#include <QStringList>

#include <array>
#include <memory>
#include <optional>
#include <string_view>

class AppMenu;
class HvAnnouncer;
class KxWriteSession;
class HvNoTitleWindow;
class HvTextField;
class QLabel;
struct Notification;
namespace KxSetup {
struct Target;
}

// The main window's content: the mouse with its five buttons, the five on-board profiles, what
// the selected button does, and the ways to change it. Edits go to the working copy selProfile;
// Apply writes its buttons to the mouse, OK writes them and closes, Cancel closes.
//
// The view follows the mouse through the daemon's "KxDevStatus" notifications (profile switched
// on the mouse, DPI and rate relayed to the other views, mouse plugged and unplugged) and
// serialises the user's actions against device transfers with isModalSeron.
//
// Definitions by concern: MainView.cpp (start-up, the bars, what is shown), MainViewActions.cpp
// (the controls and the windows they open), MainViewDevice.cpp (transfers, device reports, the
// display switch, ending).
class MainView : public RirImageView, public HvSetpPanelDelegate, public HvButtonDelegate {
    Q_OBJECT
public:
    enum Tag {
        kReDefTag = 100,
        kHomeTag = 101,
        kHelpTag = 102,
        kCloseTag = 103,
        kProfile1Tag = 104, // .. 108
        kLightOptionTag = 111,
        kMacroTag = 112,
        kSettingTag = 113,
        kTkeyTag = 114,
        kSingleTag = 115,
        kDefaultTag = 116,
        kLaunchProTag = 117,
        kApplyTag = 118,
        kOkTag = 119,
        kCancelTag = 120,
        kLeftClickTag = 121,
        kMiddleClickTag = 122,
        kRightTag = 123,
        kLeft1Tag = 124,
        kLeft2Tag = 125,
        kMenuTag = 126,
        kAppRulesTag = 127,
    };
    // The two function dialogs' windows are moved by this strip; the main window by its own.
    static constexpr int kDialogDragHeight = 40;
    static constexpr int kMainDragHeight = 130;
    // app_path holds this many bytes and its terminating NUL.
    static constexpr int kMaxAppPathBytes = 255;

    explicit MainView(QWidget* parent = nullptr);
    ~MainView() override;

    void initData() override;
    void initControls() override;
    void initNotify() override;
    void deallocNotify() override;
    void buttonAction(QObject* sender) override;

    // The radio groups' callbacks: profileStep (the profiles) and selBtnSetp (the buttons).
    bool shouldSelectIndex(int index, int oldIndex, HvSetpPanelObj* sender) override;
    void onSelectIndex(int index, int oldIndex, HvSetpPanelObj* sender) override;

    // What the selected button (or the one under the pointer) does.
    static QString getBtnCaption(const _BTN_INFO& info);
    void displayBtnInfo();
    void displayBtnInfo2();
    void disPlayDefaultBtn();
    void refreshApplyBtn();
    // False for the only button left doing the left click: it must keep it.
    bool checkOnlyLeft(int index) const;
    // checkOnlyLeft for the selected button; "WarningNeedLeft" when it must keep it.
    bool checkOnlyLeftPro();

    // Makes slot p the mouse's active profile and shows it.
    void setBtnCurrProfile(int profile);
    // A profile switch made on the mouse (a "KxDevStatus" of type 1).
    void changeProfilePro(int profile);
    // The mouse's own DPI or rate button (a "KxDevStatus" of that type): the stage and rate the
    // mouse holds are read in this program's turn at the mouse (the daemon's word may be older
    // than another program's write) and the library, every profile and the files take them.
    void followMouseSettings();
    void takeMouseSettings(int stage, int rate);

    void resetBtnDefault();
    void showSingKeyView();
    void showTKeyView();
    // The macro editor, in a modal session like the function dialogs.
    void showMacroView();
    void showLaunchPro();
    // The performance and lighting views, each run fully modal over the saved working copy.
    void showSettingView();
    void showLightOptionView();
    // The application rules, run fully modal like them; the mouse is not written.
    void showAppRulesView();
    // The launcher's assignment for a chosen path; false (and a message) when it cannot be
    // stored.
    bool setLaunchPath(const QString& path);
    void openHelpPro();
    void connectOrvaneSite();
    // The closing window of a function dialog gives its record back.
    void windowWillClose(HvNoTitleWindow* window);

    // The application menu's set-up items: a file panel, then the whole mouse read into a file,
    // or a file's changes shown and, confirmed, written as Apply writes (MainViewSetup.cpp).
    void exportSetupAsked();
    void importSetupAsked();
    // The same for a path; false (with a message, or the preview cancelled) when nothing was
    // started.
    bool exportSetupTo(const QString& path);
    bool importSetupFrom(const QString& path);

    // The application menu's display item: tag 2 "Hide the on-screen display" while it is on,
    // tag 1 "Show the on-screen display" while it is off.
    void refreshOsdMenu();
    void osdClick(int tag);
    void changeOSDPro();

    // Device transfers and reports.
    void getFWDataPro();
    // Hears the end of the transfers (the loading view's end), once.
    void observeTransfers();
    // The slot's edits kept on disk before its write starts (ProfieController::journalButtonEdits).
    void journalAheadOfWrite(int slot);
    // The working copy's edits kept as the slot's edits and on disk as they are made, so that a
    // window that ends without asking (an unplug, a kill, the session's end) loses none: the
    // next start offers them.
    void journalEditsAsMade();
    // Selects a profile the mouse runs, or is taken to run, unless it is shown already; only
    // with writeIt is the selection written to the mouse, as a click writes it.
    void showProfile(int profile, bool writeIt);
    void checkDevPro();
    void hideLoadView(const Notification& notification);
    void hideLoadViewPro(int code);
    void devReportPro(const Notification& notification);
    void outPlusePro();
    void reluanchAppPro();
    void ShowToolTip(const Notification& notification);
    void HideToolTip(const Notification& notification);

    // State, for the application and the tests; the controls themselves are reached by the
    // names their layout gives them.
    int isModalSeron() const { return state_.depth(); }
    int selBtnIndex() const { return selBtnIndex_; }
    bool isDevOnTag() const { return isDevOnTag_; }
    HvSetpPanelObj* selBtnSetp() const { return selBtnSetp_; }
    HvButton* control(int tag) const;
    // The function dialog's or the macro editor's window while one is open.
    HvNoTitleWindow* dialogWindow() const { return dialogWindow_; }
    // The performance or lighting view's window while one runs.
    HvNoTitleWindow* subViewWindow() const { return subViewWindow_; }
    QString osdMenuTitle() const { return osdMenuTitle_; }
    int osdMenuTag() const { return osdMenuTag_; }

Q_SIGNALS:
    // The window is done: quit, or quit after the daemon was asked to start it again.
    void terminateRequested(bool relaunch);
    void aboutRequested();

protected:
    void contextMenuEvent(QContextMenuEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    // The window closed by the desktop (Alt+F4, a task bar's Close) does what its own Close
    // does; at the session's end it closes asking nothing, its edits kept on disk for the next
    // start.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // A picture pop-up of PopupLayout by name, run modally; true for OK.
    static bool popUp(std::string_view name);
    // As popUp, telling Cancel (0) from a pop-up dismissed by Escape or closed (-1); OK is 1.
    static int popUpAnswer(std::string_view name);
    void moveMarkerTo(int index);
    void showTypeAndCaption(const _BTN_INFO* info);
    void openDialog(RirImageView* dialog, int dragHeight = kDialogDragHeight);
    // A window of its own for a view, centred on the screen.
    HvNoTitleWindow* makeViewWindow(RirImageView* view, int dragHeight = kDialogDragHeight);
    void runSubView(RirImageView* view);
    void apply();
    void okAndQuit();
    void closeAsked();
    void resetProfile();
    // Apply (this profile's buttons), OK (every profile's edits), a reset (the profile's
    // defaults and the settings block) and an import write through one write session
    // (KxWriteSession.h) behind the loading window; its end shows what the mouse took and tells
    // what it did not, which stays an edit with Apply enabled.
    enum class Write { Apply, Ok, Reset, Import };
    void startWrite(Write kind, KxSetup::Target target);
    void startWrite(Write kind, const std::shared_ptr<KxWriteSession>& session);
    void finishWrite(Write kind, const KxWriteSession& session);
    // The working copy's five buttons as the target of a write to the slot.
    KxSetup::Target buttonsTarget(int slot) const;
    // Edits a write left on disk when the program was ended or the mouse unplugged during it:
    // back as edits, said once.
    void takeJournalledEdits();
    // Quits without writing: every edit is dropped.
    void quitDroppingEdits();
    // Edits not yet written on this profile or on any other.
    bool hasUnwrittenEdits() const { return state_.anyUnwritten(); }
    // Buttons running a macro the editor changed hold its old steps on the mouse: their profiles
    // have edits to write (this one's with Apply, all with OK), kept on disk, asked about at
    // Close.
    void takeChangedMacros(const QSet<int32_t>& ids);
    void endModalActivity();
    // Follows a switch made on the mouse while a dialog or a transfer ran, and reads again a
    // stage and rate read while a transfer ran, once nothing modal runs.
    void takePendingMouseChanges();
    void terminate(bool relaunch);
    _BTN_INFO& selectedRecord();

    std::array<HvButton*, 28> controls_{}; // by tag - kReDefTag
    HvSetpPanelObj* profileStep_ = nullptr;
    HvSetpPanelObj* selBtnSetp_ = nullptr;
    HvAnnouncer* announcer_ = nullptr; // profile switches the window did not make
    QLabel* btnSelImageView_ = nullptr;
    QLabel* btnSelTagImageView_ = nullptr;
    HvTextField* btnSelTagCaptionTxt_ = nullptr;
    AppMenu* appMenu_ = nullptr;
    std::array<QImage, 4> selTagImageArrs_;
    QImage shownTypeImage_;

    int selBtnIndex_ = 0;
    int selOverBtnIndex_ = -1;
    WindowEditState state_;
    bool isFWChangeProfile_ = false;
    // A profile selected to show what the mouse already runs: nothing is written.
    bool profileWriteHeld_ = false;
    bool isDevOnTag_ = false;
    bool isOutPlus_ = false;
    // The user confirmed a profile switch that drops the edits of the profile being left.
    bool dropEditsOnSwitch_ = false;
    bool terminating_ = false;
    bool painted_ = false;
    // A switch, stage or rate made on the mouse while the window could not follow; taken when
    // it can.
    std::optional<int> pendingMouseProfile_;
    // A stage and rate read while a transfer ran (whose worker may fill the library, and which
    // may write the settings itself): read again once it has ended.
    bool readMouseSettingsAgain_ = false;
    QString lochelpPath_;
    QString osdMenuTitle_;
    int osdMenuTag_ = 0;

    QPointer<HvNoTitleWindow> dialogWindow_;
    QPointer<HvNoTitleWindow> subViewWindow_;
    bool modalSession_ = false;

    NotificationCenter::Token hideLoadObserver_ = 0;
    NotificationCenter::Token showTipObserver_ = 0;
    NotificationCenter::Token hideTipObserver_ = 0;
    quint64 devStatusObserver_ = 0;
};
