// Random sequences of what a user does with the window, run on the real main view in this
// process beside kx-virtual-mouse and KestrixDeamon, each step checked against a small model of
// what the mouse, the window and the files must hold:
// - the mouse changes only on Apply, OK or a reset, and then by exactly what the model encodes
//   (so a button nobody touched keeps its bytes, and a macro changed in the editor reaches the
//   profile it is applied on, and only that one);
// - a dropped edit is gone, an edit left by the mouse's own switch waits on its profile;
// - the window shows the model's records, its Apply is on exactly when the profile has edits;
// - the profile files and the launch paths hold what the mouse holds, never an edit;
// - a macro id is never given to a second macro;
// - a second actor, the mouse's own DPI and rate buttons, pressed between steps and during the
//   window's whole read and writes (the test holds the turn at the mouse so that they wait
//   together), and kxctl beside the window and while it is closed: the stage and rate the
//   mouse runs are every profile's, the working copy's and the files', and no program's request
//   ever fell inside another's read (the emulated mouse counts those).
// CTest runs a fixed set of seeds; RC_PARAMS (for instance "max_success=200 max_size=60") runs
// longer by hand and the seed of a failure is printed.
#include "Buttons.h"
#include "EventLoopWait.h"
#include "FreshStart.h"
#include "HeldRecord.h"
#include "HvMenulist.h"
#include "HvNoTitleWindow.h"
#include "HvNumberTextField.h"
#include "HvTreeNode.h"
#include "KxAction.h"
#include "KxGlobals.h"
#include "KxMessages.h"
#include "KxMouseLock.h"
#include "KxProtocol.h"
#include "KxWidgetGlobals.h"
#include "MacroInfo.h"
#include "MacroKeyInfo.h"
#include "MacroView.h"
#include "MainView.h"
#include "MainWindowUnderTest.h"
#include "MenuInfo.h"
#include "PopUps.h"
#include "PrivateHome.h"
#include "ProfieController.h"
#include "Programs.h"
#include "ShownWindows.h"
#include "SingleKeyView.h"
#include "TkeyRepeatView.h"
#include "TkeyView.h"

#include <QDBusConnection>
#include <QDir>
#include <QListWidget>
#include <QTest>

#include <rapidcheck.h>
#include <rapidcheck/gtest.h>
#include <rapidcheck/state.h>

#include <array>
#include <cstring>
#include <functional>
#include <map>
#include <memory>
#include <set>
#include <tuple>

namespace {

const auto* const kHome = testing::AddGlobalTestEnvironment(new PrivateHome);

// A profile's five buttons.
using Row = std::array<_BTN_INFO, 5>;
constexpr const char* kPaths[] = {"/usr/bin/true", "/usr/bin/false", "/opt/Tool/run.sh"};
// Desktop key codes the macros use (each has a HID usage and comes back as itself).
constexpr int32_t kKeys[] = {0, 1, 2, 3, 11, 13, 14, 15, 17, 31, 32, 34};

struct Step {
    int32_t key;
    bool up;
    int32_t delay;
};

// What must hold, kept apart from the window's own structures.
struct Model {
    int slot = 0;   // the window's profile and the mouse's active one
    int button = 0; // the selected button
    std::array<Row, 5> stored{};
    std::array<std::optional<Row>, 5> edits;
    // The meaningful bytes of each record on the mouse: its steps to the last, mode and count.
    std::array<std::array<QByteArray, 5>, 5> mouse;
    std::map<int32_t, std::vector<Step>> macros; // the library's shown macros, by id
    std::set<int32_t> idsGiven;                  // every id a macro ever had
    std::array<Row, 5> defaults{};
    std::array<std::pair<int, int>, 5> defaultSettings{}; // each preset's stage and rate
    int stage = 0;                                        // the stage the mouse runs, 0..3
    int rate = 0; // its polling rate as poRate: 0 = 125 Hz, 1 = 500 Hz, 2 = 1000 Hz

    // The mouse's own buttons: the stage goes round, the rate goes 1000, 500, 125 Hz and round.
    void pressed(bool dpi, int times = 1) {
        for (int i = 0; i < times; ++i)
            if (dpi)
                stage = (stage + 1) % 4;
            else
                rate = (rate + 2) % 3;
    }

    Row working(int s) const { return edits[size_t(s)].value_or(stored[size_t(s)]); }
    _BTN_INFO selected() const { return working(slot)[size_t(button)]; }
    // One button keeps the left click.
    bool canReassign() const {
        const Row w = working(slot);
        const auto left = [](const _BTN_INFO& b) { return b.FuncID == KxFuncId::kLeftClick; };
        return !left(w[size_t(button)]) || std::count_if(w.begin(), w.end(), left) >= 2;
    }
    void edit(const _BTN_INFO& record) {
        Row w = working(slot);
        w[size_t(button)] = record;
        edits[size_t(slot)] = w;
    }
    bool hasMacroButton() const {
        const Row w = working(slot);
        return std::any_of(w.begin(), w.end(),
                           [](const _BTN_INFO& b) { return b.FuncID == KxFuncId::kMacro; });
    }
    // A shown macro, picked by a generated number.
    int32_t macroId(size_t which) const {
        return std::next(macros.begin(), long(which % macros.size()))->first;
    }
};

// The mode byte of a macro's run mode: once and a count share one.
uint8_t modeByte(uint32_t runMode) {
    return runMode == uint32_t(KxSetup::RunMode::Hold)     ? KxProtocol::kModeWhileHeld
           : runMode == uint32_t(KxSetup::RunMode::Toggle) ? KxProtocol::kModeToggle
                                                           : KxProtocol::kModeOnce;
}

// A record as the mouse holds it, encoded here independently of the window's encoder: steps of
// a code and flags (release, last, the delay after it), then mode and count. Empty for what the
// window does not write (a deleted macro, the functions the mouse keeps).
QByteArray encode(const _BTN_INFO& r, const Model& model) {
    using namespace KxProtocol;
    QByteArray steps;
    uint8_t mode = kModeOnce, count = 0;
    const auto add = [&steps](uint32_t code, uint8_t flags) {
        if (steps.size() < kModeOffset)
            steps.append(char(code)).append(char(flags));
    };
    switch (r.FuncTableId) {
    case KxFuncTable::kFirmware:
    case KxFuncTable::kLaunch:
    case KxFuncTable::kDisabled:
        add(r.KeyBit[0], 0);
        break;
    case KxFuncTable::kKeys:
        for (const uint32_t key : r.KeyBit) {
            if (uint8_t(key) == 0)
                break;
            add(key, 0);
            add(key, kStepRelease);
        }
        break;
    case KxFuncTable::kMacro: {
        const auto macro = model.macros.find(int32_t(r.MacroID));
        if (macro == model.macros.end())
            return {};
        for (const Step& step : macro->second)
            add(KxAction::GetFWKeyCode(uint32_t(step.key)),
                uint8_t(std::min(step.delay / kStepDelayUnitMs, int(kStepDelayMask)) |
                        (step.up ? kStepRelease : 0)));
        mode = modeByte(r.KeyBit[0]);
        count = uint8_t(std::min<uint32_t>(r.KeyBit[1], 255));
        break;
    }
    default:
        return {};
    }
    if (steps.isEmpty())
        return {};
    steps[steps.size() - 1] = char(uint8_t(steps.back()) | kStepLast);
    return steps.append(char(mode)).append(char(count));
}

// The meaningful bytes of a whole record: its steps to the last, mode and count.
QByteArray meaningful(const QByteArray& record) {
    return record.left(2 * qsizetype(HeldRecord(record).steps.size())) +
           record.mid(KxProtocol::kModeOffset, 2);
}

// Same meaning: what the caption, the mouse and the daemon go by. A macro run once and one
// repeated once are the same bytes to the mouse, and read back as once.
bool sameMeaning(const _BTN_INFO& a, const _BTN_INFO& b) {
    if (a.FuncID != b.FuncID || a.FuncTableId != b.FuncTableId)
        return false;
    if (a.FuncID == KxFuncId::kMacro)
        return a.MacroID == b.MacroID && modeByte(a.KeyBit[0]) == modeByte(b.KeyBit[0]) &&
               std::min<uint32_t>(a.KeyBit[1], 255) == std::min<uint32_t>(b.KeyBit[1], 255);
    if (a.FuncID == KxFuncId::kLaunch)
        return a.KeyBit[0] == b.KeyBit[0] && std::strcmp(a.app_path, b.app_path) == 0;
    return std::equal(std::begin(a.KeyBit), std::end(a.KeyBit), std::begin(b.KeyBit));
}

std::string describe(const _BTN_INFO& r) {
    return "{func " + std::to_string(r.FuncID) + " table " + std::to_string(r.FuncTableId) +
           " keys " + std::to_string(r.KeyBit[0]) + "," + std::to_string(r.KeyBit[1]) + " macro " +
           std::to_string(r.MacroID) + " path '" + r.app_path + "'}";
}
std::string at(int s, int b) {
    return "profile " + std::to_string(s + 1) + " button " + std::to_string(b + 1);
}
std::string settings(int stage, int rate) {
    return "stage " + std::to_string(stage + 1) + ", rate " + std::to_string(rate);
}
std::string settings(const _Kx_PROFILE& p) {
    return settings(int(p.currSelectDPI), int(p.poRate));
}

// The system under test: the emulated mouse and the daemon as programs, the window here.
class Sut : public MainWindowUnderTest {
public:
    Sut() {
        freshStart();
        QFile::remove(MouseProgram::flashPath());
        QDir(PrivateHome::dir("data") + "/com.vlak.KxOption").removeRecursively();
        QFile::remove(PrivateHome::dir("config") + "/com.vlak.KxOption.conf");
        RC_ASSERT(mouse_.serve());
        RC_ASSERT(daemon_.serve());
        // The window's writes are not paced here: the emulated mouse takes them at any speed.
        KxAction::setPauseHookForTesting([](unsigned) {});
        QDBusConnection::sessionBus().registerService(QStringLiteral("com.vlak.KxOption"));
    }
    ~Sut() {
        closeMainWindow();
        QDBusConnection::sessionBus().unregisterService(QStringLiteral("com.vlak.KxOption"));
        KxAction::setPauseHookForTesting({});
        daemon_.stop();
        mouse_.stop();
        freshStart();
        library_.reset();
    }

    // A start of the program: a library of its own, the mouse read whole. With duringRead, the
    // test holds the turn at the mouse: duringRead runs while the whole read waits, then the
    // turn is given back and the read ends.
    void openWindow(const std::function<void()>& duringRead = {}) {
        closeMainWindow();
        isNeedSave = false;
        library_ = std::make_unique<ProfieController>();
        sysProCon = library_.get();
        KxMouseLock turn;
        if (duringRead)
            takeTurn(turn);
        openMainWindow();
        if (duringRead)
            duringRead();
        turn.release();
        RC_ASSERT(idle());
    }
    static void takeTurn(KxMouseLock& turn) {
        QString why;
        RC_ASSERT(turn.acquire(KxMouseLock::path(), {}, &why));
    }
    // Ends the window with its OK or Cancel.
    void end(int tag) {
        view->control(tag)->click();
        RC_ASSERT(KxTest::waitFor([&] { return ended.has_value(); }, 30000));
    }
    // How many "KxDevStatus" of a type the daemon has sent.
    int devStatusCount(int type) const { return statuses_.count(type); }
    // The mouse's own DPI or rate button.
    void press(bool dpi, int times = 1) {
        for (int i = 0; i < times; ++i)
            MouseProgram::command(dpi ? QStringLiteral("press dpi") : QStringLiteral("press rate"));
    }
    // The stage and the rate (as poRate) the mouse runs, then those its stored block holds, so
    // that they survive a replug (-1 without a block).
    std::array<int, 4> mouseSettings() {
        const QString dump = MouseProgram::dump();
        const QByteArray bytes = MouseDump::storedBlock(dump);
        const int hz = MouseDump::rateHz(dump);
        const int stage = MouseDump::stage(dump) - 1;
        const int rate = int(std::find(std::begin(kPollingRatesHz), std::end(kPollingRatesHz), hz) -
                             std::begin(kPollingRatesHz));
        if (bytes.size() < 3)
            return {stage, rate, -1, -1};
        const auto byte = [&](int address) {
            return uint8_t(bytes[address - KxProtocol::kAddrActiveProfile]);
        };
        return {stage, rate, byte(KxProtocol::kAddrSettings) & KxProtocol::kStageMask,
                2 - byte(KxProtocol::kAddrRate)};
    }
    int brokenReads() {
        return MouseDump::count(MouseProgram::command(QStringLiteral("status")),
                                QStringLiteral("reads another connection broke into"));
    }
    // Whether the library, its every profile and the working copy hold the stage and rate.
    static bool libraryHolds(int stage, int rate) {
        const auto holds = [&](const _Kx_PROFILE& p) {
            return p.currSelectDPI == uint32_t(stage) && p.poRate == uint32_t(rate);
        };
        if (!sysProCon || !holds(selProfile))
            return false;
        const auto& profiles = sysProCon->profileArr();
        return std::all_of(profiles.begin(), profiles.end(),
                           [&](const auto& profile) { return holds(profile->profileData()); });
    }
    // The window's library follows the mouse's presses (told by the daemon) and is saved.
    void waitForLibrary(int stage, int rate) {
        RC_ASSERT(KxTest::waitFor([&] { return libraryHolds(stage, rate); }, 60000));
        RC_ASSERT(KxAction::waitForTransfers(30000));
    }
    // kxctl started, and run to its end, which is a success.
    static std::unique_ptr<Program> startKxctl(const QStringList& arguments) {
        auto kxctl = std::make_unique<Program>(QStringLiteral(KX_CTL_PATH));
        RC_ASSERT(kxctl->start(arguments));
        return kxctl;
    }
    static void finishKxctl(std::unique_ptr<Program> kxctl) {
        const Program::Ran ran = kxctl->finish(120000);
        if (ran.exit != 0)
            RC_FAIL("kxctl " + kxctl->process.arguments().join(' ').toStdString() + " ended with " +
                    std::to_string(ran.exit) + ": " + ran.err.toStdString());
    }

    std::array<std::array<QByteArray, 5>, 5> mouseRecords() {
        auto records = MouseDump::records(MouseProgram::dump());
        for (auto& profile : records)
            for (QByteArray& record : profile)
                record = meaningful(record);
        return records;
    }

    PopUps popUps;

private:
    MouseProgram mouse_;
    DaemonProgram daemon_;
    std::unique_ptr<ProfieController> library_;
    DevStatuses statuses_;
};

void check(const Model& m, Sut& sut) {
    MainView* view = sut.view;
    RC_ASSERT(sut.profiles()->selectIndex() == m.slot + 1);
    RC_ASSERT(view->selBtnIndex() == m.button + 1);
    const Row working = m.working(m.slot);
    for (int b = 0; b < 5; ++b) {
        if (!sameMeaning(selProfile.btnInfo[b], working[size_t(b)]))
            RC_FAIL("button " + std::to_string(b + 1) + " shows " +
                    describe(selProfile.btnInfo[b]) + ", the model has " +
                    describe(working[size_t(b)]));
    }
    RC_ASSERT(view->control(MainView::kApplyTag)->isEnabled() ==
              m.edits[size_t(m.slot)].has_value());
    const _BTN_INFO shown = m.selected();
    if (shown.FuncID == KxFuncId::kMacro) {
        // A macro of the read is hidden and named by the window; a shown one the model knows.
        const auto macro = KxAction::getMacroById(int32_t(shown.MacroID));
        if (!macro) {
            RC_ASSERT(!m.macros.count(int32_t(shown.MacroID)));
            RC_ASSERT(sut.caption() == QStringLiteral("Deleted macro"));
        } else if (!macro->isNoDisplay()) {
            RC_ASSERT(m.macros.count(int32_t(shown.MacroID)) == 1u);
            RC_ASSERT(sut.caption() == macro->nameStr());
        }
    } else {
        RC_ASSERT(sut.caption() == MainView::getBtnCaption(shown));
    }

    const auto mouse = sut.mouseRecords();
    ProfieController disk;
    for (int s = 0; s < 5; ++s)
        for (int b = 0; b < 5; ++b) {
            const QByteArray& bytes = m.mouse[size_t(s)][size_t(b)];
            if (mouse[size_t(s)][size_t(b)] != bytes)
                RC_FAIL("the mouse's " + at(s, b) + " holds " +
                        mouse[size_t(s)][size_t(b)].toHex(' ').toStdString() + ", the model " +
                        bytes.toHex(' ').toStdString());
            const _BTN_INFO saved = disk.profileArr()[s]->profileData().btnInfo[b];
            const _BTN_INFO& held = m.stored[size_t(s)][size_t(b)];
            if (!sameMeaning(saved, held))
                RC_FAIL("the file of " + at(s, b) + " holds " + describe(saved) + ", the mouse " +
                        describe(held));
            if (held.FuncID == KxFuncId::kLaunch && held.app_path[0])
                RC_ASSERT(disk.getLaunchPath(s, b) == QString::fromUtf8(held.app_path));
        }

    // The second actor: the stage and rate the mouse runs are the library's and the files', and
    // no program's request fell inside another's read.
    const auto [stage, rate, storedStage, storedRate] = sut.mouseSettings();
    const std::string model = "; the model " + settings(m.stage, m.rate);
    if (storedStage >= 0 && (storedStage != m.stage || storedRate != m.rate))
        RC_FAIL("the mouse's stored block holds " + settings(storedStage, storedRate) + model);
    if (stage != m.stage || rate != m.rate)
        RC_FAIL("the mouse runs " + settings(stage, rate) + model);
    if (!Sut::libraryHolds(m.stage, m.rate))
        RC_FAIL("the working copy holds " + settings(selProfile) + ", profile 1 " +
                settings(sysProCon->profileArr()[0]->profileData()) + model);
    for (int s = 0; s < 5; ++s) {
        const _Kx_PROFILE saved = disk.profileArr()[s]->profileData();
        if (saved.currSelectDPI != uint32_t(m.stage) || saved.poRate != uint32_t(m.rate))
            RC_FAIL("the file of profile " + std::to_string(s + 1) + " holds " + settings(saved));
    }
    RC_ASSERT(sut.brokenReads() == 0);

    std::set<int32_t> shownIds, modelIds;
    for (const auto& macro : std::as_const(macroListArrs))
        if (!macro->isNoDisplay())
            shownIds.insert(macro->macroId());
    for (const auto& [id, steps] : m.macros)
        modelIds.insert(id);
    RC_ASSERT(shownIds == modelIds);
}

// The model after a write of the working copy: what the mouse now holds, and its stored copy.
void written(Model& m, int s, const Row& buttons) {
    for (int b = 0; b < 5; ++b) {
        const QByteArray bytes = encode(buttons[size_t(b)], m);
        if (bytes.isEmpty())
            continue; // left as the mouse holds it
        m.mouse[size_t(s)][size_t(b)] = bytes;
        m.stored[size_t(s)][size_t(b)] = buttons[size_t(b)];
    }
    m.edits[size_t(s)].reset();
}

// A new start of the window: nothing of the edits is left (no write was cut short here); what
// it reads is what the mouse holds: the records the model stored, or, for a macro the library
// no longer has as the mouse holds it, a hidden macro of the read.
// editsKept: the window ended without asking (an unplug), so the edits it kept on disk as they
// were made come back, but for those the mouse holds already.
void restarted(Model& m, Sut& sut, bool open = true, bool editsKept = false) {
    if (open)
        sut.openWindow();
    if (!editsKept)
        m.edits = {};
    m.button = 0;
    for (int s = 0; s < 5; ++s) {
        const _Kx_PROFILE read = sysProCon->profileArr()[s]->profileData();
        for (int b = 0; b < 5; ++b) {
            _BTN_INFO& held = m.stored[size_t(s)][size_t(b)];
            const bool asLibrary =
                held.FuncID != KxFuncId::kMacro || encode(held, m) == m.mouse[size_t(s)][size_t(b)];
            if (asLibrary && !sameMeaning(read.btnInfo[b], held))
                RC_FAIL("read back, " + at(s, b) + " is " + describe(read.btnInfo[b]) +
                        "; the mouse holds " + describe(held));
            held = read.btnInfo[b];
        }
        const auto& edits = m.edits[size_t(s)];
        if (edits &&
            std::equal(edits->begin(), edits->end(), m.stored[size_t(s)].begin(), sameMeaning))
            m.edits[size_t(s)].reset();
    }
    for (const auto& macro : std::as_const(macroListArrs))
        m.idsGiven.insert(macro->macroId());
}

// A step of the user. What the model allows is asked when a sequence is made and again when it
// runs (a restart can change what holds), where a step that no longer applies is left out.
struct Command : rc::state::Command<Model, Sut> {
    virtual bool applicable(const Model&) const { return true; }
    void checkPreconditions(const Model& m) const override { RC_PRE(applicable(m)); }
    // A restart reads the mouse: the model takes the window's reading once the step has run.
    virtual void restart(Model&, Sut&) const {}
};

struct ClickProfile : Command {
    int profile = *rc::gen::inRange(0, 5);
    bool ok = *rc::gen::arbitrary<bool>();
    bool applicable(const Model& m) const override { return profile != m.slot; }
    void apply(Model& m) const override {
        if (m.edits[size_t(m.slot)]) {
            if (!ok)
                return;
            m.edits[size_t(m.slot)].reset();
        }
        m.slot = profile;
    }
    void run(const Model& m, Sut& sut) const override {
        sut.popUps.answer({ok});
        const qsizetype before = sut.popUps.seen.size();
        sut.view->control(MainView::kProfile1Tag + profile)->click();
        RC_ASSERT((sut.popUps.seen.size() > before) == m.edits[size_t(m.slot)].has_value());
    }
    void show(std::ostream& os) const override {
        os << "click profile " << profile + 1 << (ok ? ", OK" : ", Cancel");
    }
};

struct SelectButton : Command {
    int button = *rc::gen::inRange(0, 5);
    void apply(Model& m) const override { m.button = button; }
    void run(const Model&, Sut& sut) const override {
        sut.view->selBtnSetp()->items()[size_t(button)]->click();
    }
    void show(std::ostream& os) const override { os << "select button " << button + 1; }
};

// The dialog of the main window a button opens, while it is open.
template <class Dialog>
Dialog* openDialog(Sut& sut, int tag) {
    sut.view->control(tag)->click();
    HvNoTitleWindow* window = sut.view->dialogWindow();
    return window ? qobject_cast<Dialog*>(window->contentView()) : nullptr;
}

void pick(HvMenulist* list, const HvTreeNode* node) {
    RC_ASSERT(list && list->isVisible());
    const auto& children = list->node()->children();
    const auto at = std::find_if(children.begin(), children.end(),
                                 [node](const auto& child) { return child.get() == node; });
    RC_ASSERT(at != children.end());
    list->listWidget()->setCurrentRow(int(at - children.begin()));
    QTest::keyClick(list->listWidget(), Qt::Key_Return);
}

std::vector<HvTreeNode*> functions() {
    std::vector<HvTreeNode*> out;
    for (const auto& node : singleMenuNode->children())
        if (node->nodeData()->type() != MenuInfo::kTypeHeading)
            out.push_back(node.get());
    return out;
}

// A catalogue entry's record, read from the entry itself.
_BTN_INFO functionRecord(const HvTreeNode* node) {
    const auto e = std::static_pointer_cast<MenuInfo>(node->nodeData());
    return Buttons::single(uint32_t(e->functionTableID()),
                           {uint32_t(e->KeyBit1()), uint32_t(e->KeyBit2()), uint32_t(e->KeyBit3()),
                            uint32_t(e->KeyBit4())},
                           uint32_t(e->functionID()));
}

struct AssignFunction : Command {
    size_t entry = size_t(*rc::gen::inRange(0, 1000));
    bool ok = *rc::gen::arbitrary<bool>();
    const HvTreeNode* node() const {
        const auto entries = functions();
        return entries[entry % entries.size()];
    }
    void apply(Model& m) const override {
        if (ok && m.canReassign())
            m.edit(functionRecord(node()));
    }
    void run(const Model& m, Sut& sut) const override {
        auto* dialog = openDialog<SingleKeyView>(sut, MainView::kSingleTag);
        RC_ASSERT(bool(dialog) == m.canReassign());
        if (!dialog)
            return;
        QTest::mouseClick(dialog->selComBtn(), Qt::LeftButton);
        pick(dialog->comMenuList(), node());
        QTest::mouseClick(ok ? dialog->okBtn() : dialog->cancelBtn(), Qt::LeftButton);
        RC_ASSERT(!sut.view->dialogWindow());
    }
    void show(std::ostream& os) const override {
        os << "function #" << entry << (ok ? ", OK" : ", Cancel");
    }
};

HvTreeNode* macroNodeOf(int32_t id) {
    for (const auto& node : macroNode->children())
        if (std::static_pointer_cast<MenuInfo>(node->nodeData())->macroInfo()->macroId() == id)
            return node.get();
    return nullptr;
}

struct AssignMacro : Command {
    size_t which = size_t(*rc::gen::inRange(0, 1000));
    int mode = *rc::gen::inRange(0, 4);
    int count = *rc::gen::inRange(1, 300);
    bool ok = *rc::gen::arbitrary<bool>();
    bool applicable(const Model& m) const override { return !m.macros.empty(); }
    void apply(Model& m) const override {
        if (!ok || !m.canReassign())
            return;
        MacroInfo macro;
        macro.setMacroId(m.macroId(which));
        const bool repeat = KxSetup::RunMode(mode) == KxSetup::RunMode::Repeat;
        m.edit(Buttons::macro(macro, KxSetup::RunMode(mode),
                              repeat ? uint32_t(std::min(count, 255)) : 0));
    }
    void run(const Model& m, Sut& sut) const override {
        auto* dialog = openDialog<TkeyView>(sut, MainView::kTkeyTag);
        RC_ASSERT(bool(dialog) == m.canReassign());
        if (!dialog)
            return;
        QTest::mouseClick(dialog->selMacroBtn(), Qt::LeftButton);
        pick(macroMenuList, macroNodeOf(m.macroId(which)));
        // The count window opens for the repeat mode: the count typed, Enter.
        QTimer answer;
        answer.setInterval(0);
        QObject::connect(&answer, &QTimer::timeout, [&] {
            if (auto* view = shownView<TkeyRepeatView>()) {
                view->countTxt()->setText(QString::number(count));
                QTest::keyClick(view->countTxt(), Qt::Key_Return);
            }
        });
        answer.start();
        QTest::mouseClick(dialog->macroTypeSetp()->items()[size_t(mode)], Qt::LeftButton);
        answer.stop();
        QTest::mouseClick(ok ? dialog->okBtn() : dialog->cancelBtn(), Qt::LeftButton);
        RC_ASSERT(!sut.view->dialogWindow());
    }
    void show(std::ostream& os) const override {
        os << "macro #" << which << " mode " << mode << " count " << count
           << (ok ? ", OK" : ", Cancel");
    }
};

struct AssignLauncher : Command {
    size_t path = size_t(*rc::gen::inRange(0, 3));
    bool applicable(const Model& m) const override { return m.canReassign(); }
    void apply(Model& m) const override {
        _BTN_INFO r = Buttons::launch(uint32_t(m.slot), uint32_t(m.button));
        std::strcpy(r.app_path, kPaths[path]);
        m.edit(r);
    }
    void run(const Model&, Sut& sut) const override {
        RC_ASSERT(sut.view->setLaunchPath(QString::fromUtf8(kPaths[path])));
    }
    void show(std::ostream& os) const override { os << "launcher " << kPaths[path]; }
};

struct AssignDefault : Command {
    bool enabled(const Model& m) const {
        const _BTN_INFO now = m.selected();
        const _BTN_INFO& preset = m.defaults[size_t(m.slot)][size_t(m.button)];
        return now.FuncID != preset.FuncID || now.FuncTableId != preset.FuncTableId ||
               !std::equal(std::begin(now.KeyBit), std::end(now.KeyBit), std::begin(preset.KeyBit));
    }
    void apply(Model& m) const override {
        if (enabled(m) && m.canReassign())
            m.edit(m.defaults[size_t(m.slot)][size_t(m.button)]);
    }
    void run(const Model& m, Sut& sut) const override {
        HvButton* button = sut.view->control(MainView::kDefaultTag);
        RC_ASSERT(button->isEnabled() == enabled(m));
        button->click();
    }
    void show(std::ostream& os) const override { os << "default"; }
};

// A step that writes the profile's edits, which it needs.
struct WritesEdits : Command {
    bool applicable(const Model& m) const override { return m.edits[size_t(m.slot)].has_value(); }
    void apply(Model& m) const override { written(m, m.slot, m.working(m.slot)); }
};

struct Apply : WritesEdits {
    void run(const Model&, Sut& sut) const override {
        sut.view->control(MainView::kApplyTag)->click();
        RC_ASSERT(sut.idle());
    }
    void show(std::ostream& os) const override { os << "Apply"; }
};

struct Reset : Command {
    bool ok = *rc::gen::arbitrary<bool>();
    void apply(Model& m) const override {
        if (!ok)
            return;
        written(m, m.slot, m.defaults[size_t(m.slot)]);
        // A reset writes the preset's settings block too, which the mouse holds for all.
        std::tie(m.stage, m.rate) = m.defaultSettings[size_t(m.slot)];
    }
    void run(const Model&, Sut& sut) const override {
        sut.popUps.answer({ok});
        sut.view->control(MainView::kReDefTag)->click();
        RC_ASSERT(sut.idle());
    }
    void show(std::ostream& os) const override { os << "reset" << (ok ? ", OK" : ", Cancel"); }
};

// OK writes and ends the window; Cancel ends it dropping every edit. The program is started
// again.
struct EndWindow : Command {
    bool ok = *rc::gen::arbitrary<bool>();
    bool applicable(const Model& m) const override {
        return !ok || m.edits[size_t(m.slot)].has_value();
    }
    void apply(Model& m) const override {
        // OK writes this profile's edits, then those the mouse's own switch left on others.
        if (ok) {
            written(m, m.slot, m.working(m.slot));
            for (int s = 0; s < 5; ++s)
                if (m.edits[size_t(s)])
                    written(m, s, *m.edits[size_t(s)]);
        }
        m.edits = {};
    }
    void run(const Model&, Sut& sut) const override {
        sut.end(ok ? MainView::kOkTag : MainView::kCancelTag);
    }
    void restart(Model& m, Sut& sut) const override { restarted(m, sut); }
    void show(std::ostream& os) const override { os << (ok ? "OK" : "Cancel"); }
};

struct MouseProfileButton : Command {
    void apply(Model& m) const override { m.slot = (m.slot + 1) % 5; }
    void run(const Model& m, Sut& sut) const override {
        MouseProgram::command(QStringLiteral("press profile"));
        RC_ASSERT(
            KxTest::waitFor([&] { return sut.profiles()->selectIndex() == (m.slot + 1) % 5 + 1; }));
    }
    void show(std::ostream& os) const override { os << "the mouse's profile button"; }
};

// Unplugged and plugged again: the window closes and the program is started again; the edits
// it kept on disk as they were made come back.
struct Replug : Command {
    void apply(Model&) const override {}
    void run(const Model&, Sut& sut) const override {
        // The daemon's word of each change is awaited: a window started later must not hear
        // one meant for the window before it.
        const int removed = sut.devStatusCount(KxMessages::kStatusRemoved);
        MouseProgram::command(QStringLiteral("unplug"));
        RC_ASSERT(KxTest::waitFor([&] { return sut.ended.has_value(); }));
        RC_ASSERT(KxTest::waitFor(
            [&] { return sut.devStatusCount(KxMessages::kStatusRemoved) > removed; }));
        const int arrived = sut.devStatusCount(KxMessages::kStatusArrived);
        MouseProgram::command(QStringLiteral("plug"));
        RC_ASSERT(KxTest::waitFor(
            [&] { return sut.devStatusCount(KxMessages::kStatusArrived) > arrived; }));
    }
    void restart(Model& m, Sut& sut) const override { restarted(m, sut, true, true); }
    void show(std::ostream& os) const override { os << "unplug, plug, start again"; }
};

// The macro editor: one change, then OK or Cancel. OK offers Apply when the profile has a macro
// button.
struct EditMacros : Command {
    enum Kind { Delay, Delete, Create };
    Kind kind = *rc::gen::element(Delay, Delete, Create);
    size_t which = size_t(*rc::gen::inRange(0, 1000));
    int step = *rc::gen::inRange(0, 40);
    int delay = *rc::gen::inRange(0, 6000);
    size_t key = size_t(*rc::gen::inRange(0, int(std::size(kKeys))));
    bool ok = *rc::gen::arbitrary<bool>();

    bool applicable(const Model& m) const override { return kind == Create || !m.macros.empty(); }
    void apply(Model& m) const override {
        if (!ok)
            return;
        if (kind == Delay) {
            auto& steps = m.macros[m.macroId(which)];
            steps[size_t(step) % steps.size()].delay = std::min(delay, 5000) / 100 * 100;
        } else if (kind == Delete) {
            m.macros.erase(m.macroId(which));
        }
        // A new macro's id and steps are the editor's: taken in run.
        if (m.hasMacroButton() && !m.edits[size_t(m.slot)])
            m.edits[size_t(m.slot)] = m.working(m.slot);
    }
    void run(const Model& m, Sut& sut) const override {
        auto* editor = openDialog<MacroView>(sut, MainView::kMacroTag);
        RC_ASSERT(editor);
        if (kind == Create) {
            const QString name = QStringLiteral("Made %1").arg(m.idsGiven.size());
            RC_ASSERT(editor->addMacorByName(name));
            editor->AddNewKey(kKeys[key], 0);
            editor->AddNewKey(kKeys[key], 1);
        } else {
            const auto macro = KxAction::getMacroById(m.macroId(which));
            RC_ASSERT(macro);
            editor->selectMacro(macro.get());
            if (kind == Delay) {
                editor->selectRow(step % int(macro->keyInfoArr().size()));
                named<HvNumberTextField>(editor, "adjustDelayTxt")->setText(QString::number(delay));
                QTest::mouseClick(editor->control(MacroView::kInsertDelayTag), Qt::LeftButton);
            } else {
                sut.popUps.answer({true}); // "Are you sure you want to delete this macro?"
                QTest::mouseClick(editor->control(MacroView::kDelMacroTag), Qt::LeftButton);
            }
        }
        QTest::mouseClick(editor->control(ok ? MacroView::kOkTag : MacroView::kCancelTag),
                          Qt::LeftButton);
        RC_ASSERT(KxTest::waitFor([&] { return !sut.view->dialogWindow(); }));
    }
    void show(std::ostream& os) const override {
        static const char* names[] = {"delay", "delete", "new"};
        os << "editor: " << names[kind] << " #" << which << " step " << step << " delay " << delay
           << (ok ? ", OK" : ", Cancel");
    }
};

// The mouse's own DPI or rate button between the user's steps.
struct MouseSettingButton : Command {
    bool dpi = *rc::gen::arbitrary<bool>();
    void apply(Model& m) const override { m.pressed(dpi); }
    void run(const Model& m, Sut& sut) const override {
        Model after = m;
        apply(after);
        sut.press(dpi);
        sut.waitForLibrary(after.stage, after.rate);
    }
    void show(std::ostream& os) const override {
        os << "the mouse's " << (dpi ? "DPI" : "rate") << " button";
    }
};

// The mouse's own buttons pressed while Apply's write waits for the turn at the mouse (held by
// the test, as another program would): the daemon's reads of them wait in the same turn.
struct ApplyWithPresses : WritesEdits {
    int presses = *rc::gen::inRange(1, 4);
    bool dpi = *rc::gen::arbitrary<bool>();
    void apply(Model& m) const override {
        WritesEdits::apply(m);
        m.pressed(dpi, presses);
    }
    void run(const Model& m, Sut& sut) const override {
        Model after = m;
        apply(after);
        {
            KxMouseLock turn;
            Sut::takeTurn(turn);
            sut.view->control(MainView::kApplyTag)->click();
            sut.press(dpi, presses);
        }
        RC_ASSERT(sut.idle());
        sut.waitForLibrary(after.stage, after.rate);
    }
    void show(std::ostream& os) const override {
        os << "Apply with " << presses << (dpi ? " DPI" : " rate") << " presses in its turn";
    }
};

// Cancel, and the program started again while the mouse's buttons are pressed during its whole
// read (the read and the daemon's reads wait for the turn together).
struct RestartWithPresses : Command {
    int presses = *rc::gen::inRange(1, 4);
    bool dpi = *rc::gen::arbitrary<bool>();
    void apply(Model& m) const override {
        m.edits = {};
        m.pressed(dpi, presses);
    }
    void run(const Model& m, Sut& sut) const override {
        Model after = m;
        apply(after);
        sut.end(MainView::kCancelTag);
        sut.openWindow([&] { sut.press(dpi, presses); });
        sut.waitForLibrary(after.stage, after.rate);
    }
    void restart(Model& m, Sut& sut) const override { restarted(m, sut, false); }
    void show(std::ostream& os) const override {
        os << "Cancel, start again with " << presses << (dpi ? " DPI" : " rate")
           << " presses during the read";
    }
};

// kxctl reading the whole mouse beside the window's Apply: both answer truly.
struct KxctlShowBesideApply : WritesEdits {
    void run(const Model&, Sut& sut) const override {
        auto show = Sut::startKxctl({QStringLiteral("show"), QStringLiteral("--all")});
        sut.view->control(MainView::kApplyTag)->click();
        RC_ASSERT(sut.idle());
        Sut::finishKxctl(std::move(show));
    }
    void show(std::ostream& os) const override { os << "kxctl show --all beside Apply"; }
};

// The window closed (Cancel), kxctl sets the rate, the program is started again.
struct KxctlRateWithTheWindowClosed : Command {
    int rate = *rc::gen::inRange(0, 3);
    void apply(Model& m) const override {
        m.edits = {};
        m.rate = rate;
    }
    void run(const Model&, Sut& sut) const override {
        sut.end(MainView::kCancelTag);
        sut.closeMainWindow();
        QDBusConnection::sessionBus().unregisterService(QStringLiteral("com.vlak.KxOption"));
        Sut::finishKxctl(
            Sut::startKxctl({QStringLiteral("rate"), QString::number(kPollingRatesHz[rate])}));
        QDBusConnection::sessionBus().registerService(QStringLiteral("com.vlak.KxOption"));
    }
    void restart(Model& m, Sut& sut) const override { restarted(m, sut); }
    void show(std::ostream& os) const override {
        os << "closed, kxctl rate " << kPollingRatesHz[rate] << ", start again";
    }
};

// The macros the window made (a new macro's id and steps) taken into the model.
void takeNewMacros(Model& m) {
    for (const auto& macro : std::as_const(macroListArrs)) {
        if (macro->isNoDisplay() || m.macros.count(macro->macroId()))
            continue;
        if (m.idsGiven.count(macro->macroId()))
            RC_FAIL("macro id " + std::to_string(macro->macroId()) + " was given again");
        std::vector<Step> steps;
        for (const MacroKeyInfo& s : macro->keyInfoArr())
            steps.push_back({s.keyCode(), s.keyFlag() == MacroKeyInfo::kFlagKeyUp, s.delay()});
        m.macros[macro->macroId()] = steps;
        m.idsGiven.insert(macro->macroId());
    }
}

// The library the window starts with: macros of a few steps, none encoded like another.
void makeLibrary() {
    KxAction::getSysPath();
    KxAction::initMenuList();
    for (int n = 0; n < 3; ++n) {
        auto macro = KxAction::addMacorByName(QStringLiteral("Macro %1").arg(n + 1));
        for (int i = 0; i < 2 + 2 * n; ++i)
            macro->keyInfoArr() << MacroKeyInfo(kKeys[size_t(n + i / 2)], i % 2, 100 * (i + n));
    }
    RC_ASSERT(KxAction::saveMenuList());
}

Model initialModel(Sut& sut) {
    Model m;
    m.slot = sut.profiles()->selectIndex() - 1;
    for (int s = 0; s < 5; ++s) {
        const _Kx_PROFILE data = sysProCon->profileArr()[s]->profileData();
        std::copy(std::begin(data.btnInfo), std::end(data.btnInfo), m.stored[size_t(s)].begin());
        const _Kx_PROFILE preset = sysProCon->defaultProfileArrs()[s]->profileData();
        std::copy(std::begin(preset.btnInfo), std::end(preset.btnInfo),
                  m.defaults[size_t(s)].begin());
        m.defaultSettings[size_t(s)] = {int(preset.currSelectDPI), int(preset.poRate)};
    }
    m.mouse = sut.mouseRecords();
    const auto settings = sut.mouseSettings();
    m.stage = settings[0];
    m.rate = settings[1];
    takeNewMacros(m);
    return m;
}

} // namespace

RC_GTEST_PROP(WindowModel, WhatTheUserSetsIsWhatTheMouseAndTheFilesHold, ()) {
    static const bool installed = (KxWidgets::install(), true);
    (void)installed;
    RC_PRE(QDBusConnection::sessionBus().isConnected());
    Sut sut;
    makeLibrary();
    sut.openWindow();
    Model model = initialModel(sut);
    check(model, sut);

    const auto commands = *rc::state::gen::commands(
        model,
        rc::state::gen::execOneOfWithArgs<ClickProfile, SelectButton, AssignFunction, AssignMacro,
                                          AssignLauncher, AssignDefault, Apply, Reset, EndWindow,
                                          MouseProfileButton, Replug, EditMacros,
                                          MouseSettingButton, ApplyWithPresses, RestartWithPresses,
                                          KxctlShowBesideApply, KxctlRateWithTheWindowClosed>());
    for (const auto& step : commands) {
        const auto* command = static_cast<const Command*>(step.get());
        if (!command->applicable(model))
            continue;
        command->run(model, sut);
        command->apply(model);
        takeNewMacros(model);
        command->restart(model, sut);
        check(model, sut);
    }
}
