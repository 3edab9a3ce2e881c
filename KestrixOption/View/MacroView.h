#pragma once

#include "HvButton.h"
#include "HvMenulist.h"
#include "MacroInfo.h"
#include "MacroKeyInfo.h"
#include "RirImageView.h"

#include <QList>
#include <QSet>

#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

class HvNumberTextField;
class HvTreeNode;
class MacroCapacityMeter;
class MacroStepModel;
class MenuInfo;
class RigthMouseTBView;

// The macro editor: creates, deletes, imports and exports the macros of the library and edits
// the steps of one, recording keys and mouse clicks with their timing, inserting commands of the
// macro insert menu, setting delays, moving and deleting steps.
//
// It edits the library's macros in place. Apply writes the library to "MenuInfo.xml"; OK writes
// it and closes; Cancel (or the window closing any other way) closes and puts the library back
// as it was when the editor opened or was last applied.
//
// Recording (RECORD to STOP, or the Pause key): every key the keyboard sends in the editor's
// window becomes a press and a release step (native scan code → desktop key code, modifiers by
// their own codes); key repeat is ignored, and so is a release whose press came before the
// recording. Clicks anywhere in the window become mouse steps (120 left, 121 right, 122 other;
// flag 3 down, 4 up), except on STOP. The pause before each event is measured on a monotonic
// clock, limited to what a step holds (5000 ms), and given to the step before it by the delay
// type. A press is taken only while there is room for it and for the releases of every key held,
// so a macro never ends with a key down; at the limit the recording stops and says so. Room is
// counted in the steps the mouse holds (40), where an inserted command is a press and a release
// per key of its chord.
//
// Definitions: MacroView.cpp (controls, enabling, recording, steps and delays),
// MacroViewMacros.cpp (the macros, files, OK / Apply / Cancel).
class MacroView : public RirImageView, public HvMenulistDelegate, public HvButtonDelegate {
    Q_OBJECT
public:
    enum Tag {
        kRecordTag = 5100,
        kStopTag = 5101,
        kDelKeyTag = 5102,
        kKeyUpTag = 5103,
        kKeyDownTag = 5104,
        kNewMacroTag = 5105,
        kLoadMacroTag = 5106,
        kSaveMacroTag = 5107,
        kDelMacroTag = 5108,
        kMacroNameTag = 5109,
        kInsertDelayTag = 5110,
        kInsertDefDelayTag = 5111,
        kInsertComTag = 5112,
        kAdjustDelayUpTag = 5113,
        kAdjustDelayDownTag = 5114,
        kLgnoreDelayChkTag = 5115,
        kInsertDefLayChkTag = 5116,
        kComSelTag = 5117,
        kOkTag = 5118,
        kCancelTag = 5119,
        kApplyTag = 5120,
    };
    enum DelayType { kRealDelay = 0, kNoDelay = 1, kDefaultDelay = 2 };
    static constexpr int kMaxSteps = 40;
    static constexpr int kMaxDelay = 5000;
    static constexpr int kMacroListWidth = 141;
    static constexpr int kComListWidth = 167;
    static constexpr int kDragHeight = 60;
    static constexpr int kNameDialogDragHeight = 50;
    // Mouse buttons in recorded steps.
    static constexpr int32_t kLeftButtonCode = 120;
    static constexpr int32_t kRightButtonCode = 121;
    static constexpr int32_t kOtherButtonCode = 122;

    // Editor-wide values, kept while the program runs: the adjust field, the default delay, the
    // delay type recordings use, and the step of the delays.
    static int delayTime;
    static int defDelayTime;
    static int delayType;
    static constexpr int delaySetpTime = 100;

    explicit MacroView(QWidget* parent = nullptr);
    ~MacroView() override;

    void initControls() override;
    void initNotify() override;
    void refreshData() override;
    void fillSettingData() override;
    void buttonAction(QObject* sender) override;
    void onNumTextChange(QObject* sender) override;
    void onMenulistSelected(HvMenulist* list, HvTreeNode* node) override;
    bool checkMouseEvent(QObject* sender, QMouseEvent* event) override;
    void onMouseEvent(QObject* sender, QMouseEvent* event, MouseEventType type) override;

    // The macro shown; none shows no steps.
    void setSelMacroByNode(HvTreeNode* node);
    void setSelMacro(std::shared_ptr<MenuInfo> entry);
    // The node of macroNode whose entry holds that macro; null when none does.
    static HvTreeNode* getNodeByData(const MacroInfo& macro);
    // Selects the shown macro of that object.
    void selectMacro(const MacroInfo* macro);
    // The name dialog, then a new macro of that name.
    void showCreatProfileView();
    // A new empty macro; false (and "Maximum number of macros reached") at 100 shown macros.
    bool addMacorByName(const QString& name);
    void addMacroPro(std::shared_ptr<MacroInfo> macro);
    static bool checkMacroName(const QString& name);
    void delMacro();
    // The save and open panels in the Documents folder, then the file operations below.
    void extentMacro();
    void importMacro();
    // The shown macro into a ".mac" file (the extension added when missing), written whole or
    // not at all; false, after saying why, when it could not be.
    bool exportMacroTo(QString path);
    // A macro from a ".mac" file, named by the file, with a new id; false, after saying why, for
    // a file that is not a macro this editor can hold, or a name that is taken. Delays a step
    // does not hold are brought within 0..kMaxDelay in steps of 100 ms, and the user is told.
    bool importMacroFrom(const QString& path);

    // Delays.
    void upDelayPro();
    void downDelayPro();
    void insertAdjustTim();
    void insertDefaultDelayTim();
    void setDelayType();

    // Steps.
    void insertCom();
    // Adds a recorded step at currInsertIndex; false when it was not added (a repeat of the last
    // step, or the limit).
    bool AddNewKey(int32_t code, int32_t flag);
    void delCommand();
    void delAllCommand();
    void moveCom(bool down);
    void upCom() { moveCom(false); }
    void downCom() { moveCom(true); }

    // Recording and what may be used.
    void setRecState(bool recording);
    void setConEnable();
    void setConEnableWithMacro();
    void setConEnableWithKey();
    void setConEnableWithDelayTxt();
    void setConCaptureEvent(bool capture);

    // OK: the library written (and the profiles), the window closed; Apply: written; Cancel:
    // the library put back, the window closed.
    void ok();
    bool apply();
    void cancel();

    // State, for the main window and the tests; the controls themselves are reached by the names
    // their layout gives them.
    int endTag() const { return endTag_; }
    const std::shared_ptr<MacroInfo>& currMacroInfo() const { return currMacroInfo_; }
    bool isRecord() const { return isRecord_; }
    // Changes since the editor opened or was last applied.
    bool isChanged() const { return changed_; }
    // Whether Apply or OK wrote changed macros to the library's file, and the ids of the macros
    // whose steps changed or that are new: a button that runs one holds other steps on the mouse.
    bool hasSavedChanges() const { return savedChanges_; }
    const QSet<int32_t>& changedMacroIds() const { return changedMacroIds_; }
    HvButton* control(int tag) const;
    HvMenulist* macroComList() const { return macroComList_; }
    // The selected step's row, -1 when none.
    int selectedRow() const;
    void selectRow(int row);

    // Test hook: the monotonic clock of the recorded pauses, in milliseconds. The program never
    // sets it.
    using Clock = std::function<qint64()>;
    void setClockForTesting(Clock clock);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    void recordKey(const QKeyEvent& event, bool press);
    void recordButton(int32_t code, bool press);
    // The steps the shown macro takes on the mouse (an inserted command's chord counts each
    // press and release), which a button holds kMaxSteps of.
    int deviceSteps() const;
    // Room on the mouse for a press and the releases of every key and button held after it.
    bool roomForPress() const;
    void limitReached();
    void onSelectionChanged();
    void stepsChanged();
    void markChanged();
    void refreshMeter();
    void takeSnapshot();
    void restoreSnapshot();
    void windowClosing();
    void showNoMacroTitle();
    qint64 now() const;

    std::array<HvButton*, kApplyTag - kRecordTag + 1> controls_{};
    HvNumberTextField* adjustDelayTxt_ = nullptr;
    HvNumberTextField* defDelayTxt_ = nullptr;
    RigthMouseTBView* keytbView_ = nullptr;
    MacroStepModel* stepModel_ = nullptr;
    MacroCapacityMeter* capacityMeter_ = nullptr;
    HvMenulist* macroComList_ = nullptr;

    std::shared_ptr<MenuInfo> currMacroData_;
    std::shared_ptr<MacroInfo> currMacroInfo_;
    HvTreeNode* selMacroNode_ = nullptr;
    QList<MacroKeyInfo>* keyArrs_ = nullptr;
    std::shared_ptr<MenuInfo> currMacroMenuData_;

    bool isRecord_ = false;
    bool isAddDelay_ = false;
    int currInsertIndex_ = 0;
    // The step added last while recording, by row; -1 when none.
    int lastKeyRow_ = -1;
    std::optional<std::pair<int32_t, int32_t>> lastKeyInfo_; // its code and flag
    std::optional<qint64> oldTime_;
    // Keys and mouse buttons whose press this recording took.
    QSet<int32_t> heldKeys_;
    QSet<int32_t> heldButtons_;

    int endTag_ = 0;
    bool ended_ = false;
    bool changed_ = false;
    bool savedChanges_ = false;
    QSet<int32_t> changedMacroIds_;
    // The library as it was when the editor opened or was last applied.
    std::vector<std::pair<std::shared_ptr<MacroInfo>, MacroInfo>> snapshot_;
    Clock clock_;
};
