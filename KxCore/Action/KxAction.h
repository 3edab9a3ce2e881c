#pragma once

#include "KxProtocol.h"
#include "KxRecords.h"
#include "SettingsBlock.h"

#include <QString>
#include <QVariant>
#include <QVariantList>
#include <QVariantMap>

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>

class HvButton;
class HvMenulist;
class HvMenulistDelegate;
class HvNumberTextField;
class HvProgressBar;
class HvTextField;
class HvTreeNode;
class QImage;
class QObject;
class QPoint;
class QRect;
class QSize;
class QWidget;
class RirImageView;
namespace KxLayout {
struct Control;
}
namespace pugi {
class xml_node;
}
class ProfieController;
class MacroInfo;
class MenuInfo;

// The shared operations of the configuration window and the daemon, as class operations over
// the process-wide state of KxGlobals.h.
//
// Command channel: the mouse is driven through HID feature reports on its interface 1 (the
// reports, addresses and pauses are in KxProtocol.h).
class KxAction {
public:
    // printMessages: the device library's diagnostic lines on standard output (a program whose
    // output is read by others, kxctl, leaves them out).
    static void startListenDev(bool printMessages = true);
    static bool checkListenDev();

    // One HID class control request each on interface 1; 1 when all length bytes were
    // transferred, else 0 (a read that ends short has not read the report).
    static int GetCommand(uint8_t* buffer, uint16_t length);  // GET_REPORT feature 4
    static int SetCommand(uint8_t* buffer, uint16_t length);  // SET_REPORT feature 4
    static int GetCommand2(uint8_t* buffer, uint16_t length); // GET_REPORT feature 3
    static int SetCommand2(uint8_t* buffer, uint16_t length); // SET_REPORT feature 3

    static void setAdrrData(uint8_t data, uint16_t address);
    static void setDeviceReadyToRead(uint16_t address, uint8_t count);
    // buffer holds at least 16 bytes; the data is at buffer[4] onward.
    static void getDeviceData(uint16_t address, uint8_t count, uint8_t* buffer);
    static void refreshDeviceData();
    static uint16_t getOffsetAdrBy(uint32_t baseAddress, uint32_t profileIndex);
    static void setProfileToDevice(uint32_t profileIndex, bool isTemp);
    // The selection, its commit and the mouse made ready to say which profile runs; false, the
    // rest not sent, as soon as a report does not go across. setProfileToDevice is this.
    static bool writeActiveProfile(uint32_t profileIndex);
    static int getProfileByDevice();
    // As getProfileByDevice; none when the read did not reach the mouse.
    static std::optional<int> readProfileByDevice();

    // A read whose result says whether both of its requests reached the mouse.
    static bool readDeviceData(uint16_t address, uint8_t count, uint8_t* buffer);
    // A prepare-read report, without the pause that follows it.
    static int sendPrepareReport(uint16_t address, uint8_t count);
    // A write-bytes report of up to 12 bytes at address, without the pause that follows it.
    static int sendWriteReport(uint16_t address, const uint8_t* data, uint8_t count);
    // Sleeps the calling thread between reports.
    static void pause(unsigned microseconds);

    // Test hook: when set, pauses call it with their length instead of sleeping. The programs
    // never set it.
    using PauseHook = std::function<void(unsigned microseconds)>;
    static void setPauseHookForTesting(PauseHook hook);
    // Told of each pause after it slept, on the pausing thread, for a trace (steady clock,
    // nanoseconds); does not change the pause. One relaxed load per pause when none is set.
    using PauseObserver = std::function<void(int64_t startNs, int64_t endNs)>;
    static void setPauseObserver(PauseObserver observer);

    // Key codes and device values (KxActionKeyCodes.cpp). Desktop key codes are the codes the
    // records and macros hold; the mouse stores HID keyboard usage ids.
    static uint8_t GetFWKeyCode(uint32_t keyCode);
    static uint8_t GetKeyCodeByFW(uint32_t usageId);
    // The desktop key code of a key the window system reports by its native scan code, which is
    // the evdev code + 8 on X11 and Wayland: evdev → HID usage → GetKeyCodeByFW. Modifiers give
    // their own codes (Super 55 / right 54, Shift 56 / 60, Caps Lock 57, Alt 58 / 61, Ctrl 59 /
    // 62, Fn 63). None for a key the records cannot hold (no usage, or none in the table).
    static std::optional<int32_t> getKeyCodeByScanCode(uint32_t nativeScanCode);
    static std::optional<int32_t> getKeyCodeByEvdev(uint32_t evdevCode);
    // Whether a desktop key code is one of the modifier codes above.
    static bool isModifierKeyCode(int32_t keyCode);
    static uint8_t getMacroType(uint32_t runMode);
    static uint32_t getMacroType2(uint8_t modeByte);
    static uint32_t getBtnIndexBy(uint32_t buttonIndex);
    static uint32_t getBtnAppLaunchIndex(uint32_t profileIndex, uint32_t buttonIndex);

    // Device settings (KxActionSettings.cpp): live registers, the stored block at 6..11 with its
    // commit, and their reads.
    static void setSettingToDev_Dpi(uint8_t stage, uint8_t value);
    static void setSettingToDev_Rate(uint32_t poRate);
    static void setWhellColorToDevice();
    static void setLogoColorToDevice();
    static void setColorToDevice();
    static void setSettingToDev();
    // As setColorToDevice and setSettingToDev (from currSetProfile); false as soon as a report
    // does not go across, the rest then not sent.
    static bool writeColorToDevice();
    static bool writeSettingToDevice();
    // The same writes with their values given, for a request queued from the window's thread
    // (KxDeviceQueue.h), which must not read the globals that thread changes; false as soon as
    // a report does not go across. light is kLogoLight or kWheelLight (islightOnArr's indexes).
    static constexpr int kLogoLight = 0;
    static constexpr int kWheelLight = 1;
    static bool writeLiveDpi(uint8_t stage, uint8_t value);
    static bool writeLiveRate(uint32_t poRate);
    static bool writeLiveLight(int light, bool on);
    // The lights of the profile, with the stage the mouse holds (read first), not the profile's.
    static bool writeColorsOf(const _Kx_PROFILE& profile);
    // The block; anySent, when given, hears whether any of its reports went across.
    static bool writeSettingsOf(const _Kx_PROFILE& profile, bool* anySent = nullptr);
    static void setCurrColorToDev();
    static void setCurrSettingToDev();
    static void getSettingFromDevice();
    // As getSettingFromDevice; false when a read did not reach the mouse.
    static bool readSettingFromDevice();
    // The settings block the mouse stores, in one read; none when the read did not reach it.
    static std::optional<SettingsBlock> readSettingsBlock();
    static void getSettingFromDev_Dpi(int* stage, int* value);
    static int getSettingFromDev_Rate();
    static int getFWLockState();
    // The live reads, saying whether they reached the mouse: a failed read is no value (the
    // reads above give zeros then, which look like stage 0 or 1000 Hz).
    static bool readSettingFromDev_Dpi(int* stage, int* value);
    static std::optional<int> readSettingFromDev_Rate();
    static std::optional<int> readFWLockState();
    // The settings byte at address 7: stage in bits 0..3, wheel light 0x10, logo light 0x20.
    static uint8_t settingsByte(const _Kx_PROFILE& profile);

    // Button records (KxActionButtonRecords.cpp): per button up to 40 two-byte steps, a mode
    // byte and a repeat count (KxProtocol::recordAddress), written in 12-byte chunks.
    static void getBtnDataInfoBy(const _BTN_INFO& btnInfo, uint8_t* buffer, uint32_t* length);

    // What a write of a slot's five buttons did, button by button. The mouse acknowledges
    // nothing, so a button counts as written when every report of its record went across.
    struct ButtonWriteResult {
        enum class Outcome : uint8_t {
            Written,     // its record went across whole
            AlreadyHeld, // the mouse holds these very bytes: nothing was sent
            LeftAsIs,    // nothing to write (a deleted macro, a button the mouse keeps)
            Failed,      // a report of its record did not go across
            NotReached,  // it needed writing, and the write had stopped before it
            // Its record went across whole, but the mouse stopped answering before it could be
            // read back: it may hold it or not.
            Unconfirmed,
        };
        uint32_t slot = 0;
        _BTN_INFO buttons[5] = {}; // the records the write was given
        Outcome outcome[5] = {Outcome::NotReached, Outcome::NotReached, Outcome::NotReached,
                              Outcome::NotReached, Outcome::NotReached};
        // Set by a transfer that also writes the settings block (a reset): whether it went
        // across; when it did not, the block the mouse then holds (part of the write may have
        // gone across), read back, or none when the mouse did not answer.
        std::optional<bool> settingsWritten;
        std::optional<SettingsBlock> settingsHeld;

        // Whether the mouse now holds button b as given.
        bool holds(int b) const {
            return outcome[b] == Outcome::Written || outcome[b] == Outcome::AlreadyHeld;
        }
        bool reached(int b) const {
            return outcome[b] != Outcome::Failed && outcome[b] != Outcome::NotReached &&
                   outcome[b] != Outcome::Unconfirmed;
        }
        // Every button reached and, when written, the settings block too.
        bool complete() const;
    };

    // Writes the five records of currSetProfile into slot currSetProfileID. A record the mouse
    // is known to hold already is not sent again (so a button nobody touched keeps its bytes),
    // and the write stops at the first report that does not go across: a stalled or vanished
    // mouse ends it at once instead of after every remaining pause. With readBack, each record
    // sent is read back before the next: one that reads otherwise fails, one whose read is not
    // answered is unconfirmed, and either stops the write.
    static ButtonWriteResult setBtnInfoToDevice(bool readBack = false);
    // The same for the given slot and records, touching no global.
    using SlotButtons = std::array<_BTN_INFO, 5>;
    static ButtonWriteResult writeSlotButtons(uint32_t slot, const SlotButtons& buttons,
                                              bool readBack);
    // The five records of a slot, or none when one could not be read whole (macros read with
    // them then leave the library again).
    static std::optional<SlotButtons> readSlotButtons(uint32_t slot);
    static void getBtnInfoFromDevice();
    // As getBtnInfoFromDevice; false when a record could not be read whole (it then reads as a
    // disabled button and adds nothing to the macro library). Stops at the first record that
    // could not be read.
    static bool readBtnInfoFromDevice();
    static _BTN_INFO readBtnRecord(uint16_t address, bool* complete);
    static void setCurrBtnInfoToDevice();
    // What this program knows the mouse's button records hold (from reads and writes), used to
    // leave a record alone that would be written as it is. Forgotten whenever the mouse may have
    // changed behind the program's back (a new whole read, a failed write).
    static void forgetKnownRecords();
    // The mouse holds this record for the button, as read in this turn at the mouse.
    static void knowRecord(uint32_t slot, uint32_t button, const _BTN_INFO& record);
    // A record read back, as the profile holding `profiles` sees it: a macro of one tap reads as
    // the key's function, and stays the profile's macro while the mouse's bytes are that macro's.
    static _BTN_INFO asTheProfileHolds(const _BTN_INFO& read, const _BTN_INFO& profiles);
    // The library macro whose record would be these very step bytes (keys, chords, flags and
    // delays at the mouse's 100 ms resolution), or none.
    static std::shared_ptr<MacroInfo> getMacroByRecordSteps(const uint8_t* steps, int length);

    // Whole-device transfers and the desktop's speeds (KxActionDeviceSync.cpp).
    // Reads the five on-board profiles and the settings block into the library and saves it;
    // false (and nothing stored) when the mouse could not be read whole.
    static bool getAllFWData();
    // getAllFWData without posting "Notify_HideLoad_Event".
    static bool readAllFWData();
    static void applyFWData();
    // The outcome of the last button write a transfer made (Apply, OK or a reset), taken once by
    // the thread that handles its "Notify_HideLoad_Event".
    static std::optional<ButtonWriteResult> takeButtonWriteResult();
    // Kept by the transfer's worker before it posts "Notify_HideLoad_Event".
    static void keepButtonWriteResult(const ButtonWriteResult& result);
    // Start the transfer on a detached worker, then show the loading view.
    static void getAllFWDataPro();
    // The window's first read, all on the worker: the profile the mouse runs is asked and
    // selected again (as a click on it would), the whole mouse is read, and the profile it runs
    // then is asked once more; the answers are in startReadProfiles() when the loading view
    // hides. Posted before the window is built, so that its pauses overlap the building: its
    // first requests touch only the mouse, and it waits for windowBuilt() before it reads into
    // the library the window is still setting up. The loading view is shown by showLoadViewPro
    // once there is a window to show it over.
    static void getAllFWDataAtStartPro();
    static void windowBuilt();
    // Its body, on the calling thread, without the end of the read posted.
    static bool readAllFWDataAtStart();
    struct StartReadProfiles {
        int selected = 0;           // the profile selected before the read (0..4)
        std::optional<int> running; // the one the mouse ran after a whole read, if it said
    };
    static StartReadProfiles startReadProfiles();
    static void applyFWDataPro();
    static void setCurrBtnInfoToDevicePro();
    // The five records of another slot (edits left there), written like the edited profile's.
    static void setSlotBtnInfoToDevicePro(uint32_t slot, const std::array<_BTN_INFO, 5>& buttons);
    // Any other transfer (a whole set-up read or written) the same way; the body ends by posting
    // sendHideLoadView.
    static void startTransferPro(std::function<void()> body);
    // A transfer whose end is heard by done on the receiver's thread (unless the receiver is gone
    // by then), when its body has run; nothing is posted.
    static void startTransfer(const QString& name, std::function<void()> body, QObject* receiver,
                              std::function<void()> done);
    // Waits for the transfers started above, every other request queued to the mouse and the
    // profile saves handed to ProfileSaver to end; false when some still run after timeoutMs.
    static bool waitForTransfers(int timeoutMs);
    // At the program's end, its event loop over: waits for the transfers, runs the outcomes they
    // posted to this thread (a write the mouse did not take puts back what the files claimed),
    // and waits for the saves those ask for.
    static bool finishTransfersAtExit(int timeoutMs);
    // Whether a transfer started above is queued or running: its worker may be filling the
    // library, which the window's thread then leaves alone.
    static bool transferRunning();
    // Posts "Notify_HideLoad_Event" with the code: 1 after a full read, 0 after a write, 2 after
    // a read that did not reach the whole mouse (nothing of it was stored).
    static constexpr int kHideAfterWrite = 0;
    static constexpr int kHideAfterRead = 1;
    static constexpr int kHideAfterFailedRead = 2;
    static void sendHideLoadView(int code);
    // The window's loading view registers here; the core only starts the workers.
    using LoadViewHandler = std::function<void()>;
    static void setLoadViewHandler(LoadViewHandler handler);
    static void initSysPrePro();
    static void updateSysPreSettingPro();
    // type: HvMouseAction::kPointerSpeed, kScrollSpeed or kDoubleClickSpeed.
    static void setSysPreSettingValue(int value, int type);
    static void resetSysProSettingToDef();
    static void applySysPreSettingToDef();
    // The profile library the transfers work on: sysProCon, else the shared one.
    static ProfieController* profileLibrary();
    // currSetProfile = selProfile, currSetProfileID = the library's active on-board slot.
    static void takeEditedProfileForTransfer();

    // Messages (KxActionMessages.cpp): "KxSettingChange" to the daemon, with the code as its
    // object and the values under "value1", "value2", ...
    static void sendMessageToDaemon(int code);
    static void sendMessageToDaemon(int code, const QVariantList& values);
    static void sendProfileChangeToDaemon(int profileIndex);
    static void sendModeChangeToDaemon(int mode);
    static void sendDPiChangeToDaemon(int stage, int x, int y);
    static void sendRateChangeToDaemon(int rateIndex);
    static void sendRelaunchDaemon();
    // Local "Notify_CloseWindow_Event" with "type" and, when valid, "value".
    static void sendFinishWinMsg(int type, const QVariant& value);
    static QVariantMap indexedValues(const QVariantList& values);

    // Data folder (KxActionPaths.cpp)
    // Sets sysPath to ${XDG_DATA_HOME:-~/.local/share}/com.vlak.KxOption, creates the folder and
    // writes it to the debug log.
    static void getSysPath();

    // Preferences (KxActionPreferences.cpp), in UserPreferences. The daemon's reads open the
    // file afresh on every call and never write it.
    // "FirstUp" (absent = false); stores true when it was false. Returns the value read.
    static bool firstUp();
    // "OSDTag"; true when the file or the key is missing or unreadable.
    static bool daemonGetOsd();
    // "ProfileLaunch%0x" of a launch slot code; none when the file or the key is missing.
    static std::optional<QString> daemonGetLaunchPath(uint32_t code);
    // The key of a launch slot: "ProfileLaunch" and the code in lower-case hex (160 → "a0").
    static QString launchPathKey(uint32_t code);

    // Function catalogue (KxActionMenus.cpp): "MenuInfo.xml" in the data folder holds the
    // single-function menu, the macro insert menu and the macro library. Lookups yield none
    // while the menus are not built.
    static void initMenuList();
    // The macro library alone, again from MenuInfo.xml (another program may have added to it):
    // safe on the mouse's worker while the window's thread leaves the library alone (a whole
    // read); the macro menus are rebuilt by refreshMenuList on the window's thread.
    static void reloadMacroLibrary();
    static void initMacroList(const pugi::xml_node& macroList);
    static void initSingleMenulist(const pugi::xml_node& singleMenu);
    static void initMacroInsertMenulist(const pugi::xml_node& macroComMenu);
    static void initMenuPro(HvTreeNode& root, const pugi::xml_node& menu, bool isTooltip);
    static HvTreeNode* addNodeByEle(const pugi::xml_node& item, HvTreeNode& parent);
    static void initNodeTooltip(HvTreeNode& root);
    // Rebuilds macroNode from the shown macros, then hands it to the macro list handler.
    static void refreshMenuList();
    // The window's macro list widget registers here to be given macroNode after each rebuild.
    using MacroNodeHandler = std::function<void(HvTreeNode& macroNode)>;
    static void setMacroMenuListHandler(MacroNodeHandler handler);
    // Writes the shown macros into "MacroList" (made when missing); false when nothing was
    // written (one log line says why).
    static bool saveMenuList();
    static pugi::xml_node addElementByNode(const MacroInfo& macro, pugi::xml_node& parent,
                                           const std::optional<QString>& itemName = std::nullopt);
    static std::shared_ptr<MenuInfo> getSingleById(int32_t functionId);
    static std::optional<QString> getSingleNameById(int32_t functionId);
    // Compares the table and the four key bits only.
    static std::shared_ptr<MenuInfo> getSingleByBtnInfo(const _BTN_INFO& btnInfo);
    static std::shared_ptr<MenuInfo> getMacroMenuByFunid(int32_t functionId);
    static std::optional<QString> getMacroMenuNameById(int32_t functionId);

    // Controls of the picture-drawn views (KxActionWidgets.cpp, in the widget library KxWidgets;
    // the headless core declares them only). Each adds the new control to the parent view and
    // returns it; a button's pictures are cut from the parent's at its frame (the pressed one
    // from the selected-state picture when the parent has one). A null action sends the control
    // to the parent's buttonAction.
    using ButtonAction = std::function<void(HvButton*)>;
    using SliderAction = std::function<void(HvProgressBar*)>;
    static HvButton* AddButton(const QRect& frame, ButtonAction action, ButtonAction rightAction,
                               RirImageView* parent);
    static HvButton* AddCheckBox(const QRect& frame, ButtonAction action, ButtonAction rightAction,
                                 RirImageView* parent);
    static HvProgressBar* AddProBar(const QRect& frame, SliderAction action, RirImageView* parent,
                                    const QImage& knob, int maximum, int minimum);
    static HvTextField* AddTextField(const QRect& frame, RirImageView* parent);
    static HvTextField* AddLabTextField(const QRect& frame, RirImageView* parent);
    // Its changes go to the parent's onNumTextChange.
    static HvNumberTextField* AddNumTextField(const QRect& frame, RirImageView* parent, int maxNum,
                                              int minNum, int maxLen, bool hasNeg);
    // The control of a layout row (KxLayout.h), the one way the views, the pop-ups and the
    // previews make theirs: made by its kind at its frame, with its tag, its object name (the
    // row's name), what assistive technology is told of it (role, name, description), its
    // tooltip, range and knob. Null for a row whose widget the view makes (a table).
    static QWidget* AddControl(const KxLayout::Control& row, RirImageView* parent);
    // A view's own widget of a row, placed, named and described as AddControl does.
    static void placeControl(QWidget* control, const KxLayout::Control& row, RirImageView* parent);
    // A button shaped by pictures of its own: "<name>_Normal.png", "_Over", "_Down", "_Disable".
    static void setBtnNoanomaly(HvButton* button, const QString& imageName, RirImageView* parent);
    // The rectangle (in points) of a picture, copied 1:1 at its density.
    static QImage GetImageFromRect(const QImage& image, const QRect& rect);
    // A button that opens a menu list: title cut at its tail, insets 2 and 40, white, centred.
    static void setBtnAtr(HvButton* button);
    // Makes the list once (colours and font of the look) and gives it the node; nothing when
    // node is null.
    static void refreshMenuListData(HvMenulist** list, HvMenulistDelegate* delegate,
                                    HvTreeNode* node, int width);
    // Opens the list under the button, on the entry isCurrent picks out (HvMenulist::showAt);
    // nothing when its node has no children.
    static void showMenulistWithBtn(HvButton* button, HvMenulist* list,
                                    const std::function<bool(const HvTreeNode&)>& isCurrent = {});
    // The picture pop-up: OK (and Cancel when both coordinates of its origin are non-zero) at the
    // origins, from the top-left corner; run modally; true for OK.
    static bool showPopView(const QString& imageName, const QSize& size, const QPoint& okOrigin,
                            const QPoint& cancelOrigin);
    // As showPopView: 1 for OK, 0 for Cancel, -1 when the pop-up was dismissed (Escape where it
    // has a Cancel, or its window closed) without an answer.
    static int runPopView(const QString& imageName, const QSize& size, const QPoint& okOrigin,
                          const QPoint& cancelOrigin);
    // The loading window, made once; hide may be called from any thread.
    static void showLoadViewPro();
    static void hideLoadViewPro();

    // Macro library (KxActionMacros.cpp): macroListArrs, hidden macros included.
    static constexpr int kMaxMacroCount = 100; // shown macros, counted in macroNode
    static void addMacroInfoByEle(const pugi::xml_node& item);
    static void SaveMacroInfoToEle(pugi::xml_node& element, const MacroInfo& macro);
    static std::shared_ptr<MacroInfo> getMacroById(int32_t macroId);
    static std::shared_ptr<MacroInfo> getMacroByName(const QString& name);
    static std::optional<QString> getMacroNameById(int32_t macroId);
    // Same number of steps with equal key codes and flags; delays are not compared.
    static bool CheckTwoMacro(const MacroInfo& data1, const MacroInfo& data2);
    static std::shared_ptr<MacroInfo> getMacroByData(const MacroInfo& macro);
    // An id no macro has had: above every id the library holds or held (macroIdHighWater, kept
    // in the catalogue) and every id a profile's button refers to, so that a deleted macro's
    // buttons never follow a new one. Raises the mark.
    static int32_t getNewMacorId();
    static QString getNewMacorName();
    // None at the limit of shown macros; the displayed list is not refreshed.
    static std::shared_ptr<MacroInfo> addMacorByName(const QString& name);
};
