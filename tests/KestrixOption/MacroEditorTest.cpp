// The macro editor in its window: recording through key and mouse events as the window system
// delivers them, the delays, the limits, the editing of steps, the macros and their files, OK /
// Apply / Cancel over the library; then a recorded macro bound to a button, through the mouse
// and back.
#include "CreateMacroView.h"
#include "DeviceProtocolTest.h"
#include "EventLoopWait.h"
#include "HvButton.h"
#include "HvNoTitleWindow.h"
#include "HvNumberTextField.h"
#include "HvTextField.h"
#include "HvTreeNode.h"
#include "KxWidgetGlobals.h"
#include "MacroCapacityMeter.h"
#include "MacroStepModel.h"
#include "MacroView.h"
#include "MacroViewLayout.h"
#include "PopUps.h"
#include "QtPrinters.h"
#include "RigthMouseTBView.h"
#include "ShownWindows.h"
#include "TooltipManager.h"
#include "ViewControls.h"

#include <QAbstractItemModelTester>
#include <QAccessible>
#include <QApplication>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QLineEdit>
#include <QTest>
#include <QTimer>

#include <sys/stat.h>

#include <climits>
#include <cstring>
#include <functional>

namespace {

// evdev codes of the keys the tests press.
constexpr uint32_t kA = 30, kB = 48, kTab = 15, kEsc = 1, kLeftShift = 42, kRightCtrl = 97;
constexpr uint32_t kPause = 119, kMute = 113;

using Step = std::tuple<int32_t, int32_t, int32_t>; // code, flag, delay
std::vector<Step> steps(const MacroInfo& macro) {
    std::vector<Step> out;
    for (const MacroKeyInfo& s : macro.keyInfoArr())
        out.emplace_back(s.keyCode(), s.keyFlag(), s.delay());
    return out;
}

// Qt's own checks of a model's rules, kept while it lives: a rule the model breaks fails the test.
class ModelRules {
public:
    explicit ModelRules(QAbstractItemModel* model) {
        previous_ = qInstallMessageHandler(&ModelRules::handle);
        tester_ = std::make_unique<QAbstractItemModelTester>(
            model, QAbstractItemModelTester::FailureReportingMode::Warning);
    }
    ~ModelRules() {
        tester_.reset();
        qInstallMessageHandler(previous_);
    }

private:
    static void handle(QtMsgType type, const QMessageLogContext& context, const QString& text) {
        if (context.category && std::strcmp(context.category, "qt.modeltest") == 0)
            ADD_FAILURE() << "the step table breaks a model rule: " << qPrintable(text);
        previous_(type, context, text);
    }
    static inline QtMessageHandler previous_ = nullptr;
    std::unique_ptr<QAbstractItemModelTester> tester_;
};

class MacroEditorTest : public DeviceProtocolTest {
protected:
    void SetUp() override {
        DeviceProtocolTest::SetUp();
        static const bool installed = (KxWidgets::install(), true);
        (void)installed;
        MacroView::delayTime = MacroView::defDelayTime = 0;
        MacroView::delayType = MacroView::kRealDelay;
        sysTooltip = TooltipManager::shareTooltipManager();
        window =
            std::make_unique<HvNoTitleWindow>(QRect(QPoint(0, 0), MacroViewLayout::kView.size));
        view = show(*window);
        view->setClockForTesting([this] { return clock; });
        // Every insert, delete, move, recording and delay edit below goes through the table.
        stepRules = std::make_unique<ModelRules>(stepModel());
    }
    void TearDown() override {
        stepRules.reset();
        window.reset();
        DeviceProtocolTest::TearDown();
    }

    // A new editor in a window, as the main window opens it.
    static MacroView* show(HvNoTitleWindow& in) {
        auto* editor = new MacroView;
        in.setContentView(editor);
        in.show();
        return editor;
    }
    HvButton* button(int tag) const { return view->control(tag); }
    // The editor's controls by the names its layout gives them.
    RigthMouseTBView* table() const { return named<RigthMouseTBView>(view, "keytbView"); }
    MacroStepModel* stepModel() const { return qobject_cast<MacroStepModel*>(table()->model()); }
    HvNumberTextField* adjustDelayField() const {
        return named<HvNumberTextField>(view, "adjustDelayTxt");
    }
    HvNumberTextField* defaultDelayField() const {
        return named<HvNumberTextField>(view, "defDelayTxt");
    }
    MacroCapacityMeter* meter() const { return named<MacroCapacityMeter>(view, "capacityMeter"); }
    void click(int tag, Qt::MouseButton which = Qt::LeftButton) {
        QTest::mouseClick(button(tag), which);
    }
    // A key as X11 or Wayland delivers it, to whatever has the focus.
    void key(uint32_t evdev, bool press, bool repeat = false, Qt::Key qtKey = Qt::Key_unknown) {
        QKeyEvent event(press ? QEvent::KeyPress : QEvent::KeyRelease, qtKey, Qt::NoModifier,
                        evdev == 0 ? 0 : evdev + 8, 0, 0, QString(), repeat);
        QWidget* focus = QApplication::focusWidget();
        QApplication::sendEvent(focus ? focus : table(), &event);
    }
    void tap(uint32_t evdev) {
        key(evdev, true);
        key(evdev, false);
    }
    // A new macro of the library, shown.
    std::shared_ptr<MacroInfo> newMacro(const QString& name, int stepCount = 0) {
        EXPECT_TRUE(view->addMacorByName(name));
        auto macro = view->currMacroInfo();
        for (int i = 0; i < stepCount; ++i)
            macro->keyInfoArr().append(MacroKeyInfo(i % 10, i % 2, 100));
        stepModel()->reload();
        return macro;
    }
    void startRecording() {
        click(MacroView::kRecordTag);
        ASSERT_TRUE(view->isRecord());
    }
    // The first entry of the commands a step can insert that the test asks for.
    static HvTreeNode* command(const std::function<bool(const MenuInfo&)>& wanted) {
        for (const auto& node : macroInsertMenuNode->children())
            if (wanted(*std::static_pointer_cast<MenuInfo>(node->nodeData())))
                return node.get();
        return nullptr;
    }
    // A file of the test's folder; as an export writes it, of an object, or of a macro of
    // these steps.
    QString filePath(const QString& name) const {
        QDir().mkpath(home.filePath(QStringLiteral("files")));
        return home.filePath(QStringLiteral("files/") + name);
    }
    QString writeFile(const QString& name, const QByteArray& bytes) const {
        QFile file(filePath(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return file.fileName();
    }
    QString writeArchive(const QString& name, const QJsonObject& object) const {
        return writeFile(name, QJsonDocument(QJsonObject{{"format", "com.vlak.KxOption.archive"},
                                                         {"version", 1},
                                                         {"object", object}})
                                   .toJson());
    }
    QString writeMacro(const QString& name, const QJsonArray& steps) const {
        return writeArchive(name, QJsonObject{{"keyInfoArr", steps}});
    }
    static QJsonObject step(int code, int flag, int delay = 0) {
        return QJsonObject{{"keyCode", code}, {"keyFlag", flag}, {"delay", delay}};
    }

    std::unique_ptr<HvNoTitleWindow> window;
    MacroView* view = nullptr;
    std::unique_ptr<ModelRules> stepRules;
    qint64 clock = 5000;
};

TEST_F(MacroEditorTest, OpensWithNothingChosenAndOnlyWhatNeedsNoMacroEnabled) {
    EXPECT_FALSE(view->currMacroInfo());
    EXPECT_EQ(button(MacroView::kMacroNameTag)->text(), "No macros yet");
    EXPECT_EQ(button(MacroView::kComSelTag)->text(), "Commands");
    for (int tag :
         {MacroView::kRecordTag, MacroView::kStopTag, MacroView::kDelKeyTag, MacroView::kKeyUpTag,
          MacroView::kKeyDownTag, MacroView::kInsertDelayTag, MacroView::kInsertComTag,
          MacroView::kSaveMacroTag, MacroView::kDelMacroTag, MacroView::kApplyTag})
        EXPECT_FALSE(button(tag)->isEnabled()) << tag;
    for (int tag : {MacroView::kNewMacroTag, MacroView::kLoadMacroTag, MacroView::kOkTag,
                    MacroView::kCancelTag, MacroView::kMacroNameTag, MacroView::kComSelTag})
        EXPECT_TRUE(button(tag)->isEnabled()) << tag;
    EXPECT_FALSE(defaultDelayField()->isEnabled()) << "only with the default delay checked";
    EXPECT_EQ(button(MacroView::kRecordTag)->toolTip(), "Start recording");
    EXPECT_EQ(button(MacroView::kRecordTag)->accessibleName(), "Record");
    EXPECT_EQ(button(MacroView::kMacroNameTag)->accessibleName(), "Macro");
    EXPECT_EQ(table()->accessibleName(), "Steps");
    EXPECT_EQ(meter()->text(), "No macro chosen");

    newMacro("First");
    EXPECT_EQ(button(MacroView::kMacroNameTag)->text(), "First");
    EXPECT_TRUE(button(MacroView::kRecordTag)->isEnabled());
    EXPECT_FALSE(button(MacroView::kStopTag)->isEnabled());
    EXPECT_FALSE(button(MacroView::kDelKeyTag)->isEnabled()) << "no steps";
    EXPECT_TRUE(button(MacroView::kApplyTag)->isEnabled()) << "a new macro is a change";
    EXPECT_EQ(meter()->text(), "0 of 40 steps on the mouse");
}

TEST_F(MacroEditorTest, RecordingTakesKeysOnceWithTheirPausesAndModifiersByTheirCodes) {
    const auto macro = newMacro("Keys");
    startRecording();
    EXPECT_EQ(window->focusWidget(), table());
    EXPECT_TRUE(button(MacroView::kStopTag)->isEnabled());
    for (int tag = MacroView::kDelKeyTag; tag <= MacroView::kApplyTag; ++tag)
        EXPECT_FALSE(button(tag)->isEnabled()) << tag;
    EXPECT_EQ(meter()->text(), "Recording · 0 of 40 steps on the mouse");

    key(kLeftShift, true);
    clock += 1234;
    key(kA, true);
    clock += 40;
    key(kA, false, true); // the key's repeat: a release and a press marked as such
    key(kA, true, true);
    key(kA, true); // a repeat not marked as one (the key is still down)
    clock += 250;
    key(kA, false);
    clock += 99;
    key(kLeftShift, false);
    key(kB, false); // a release whose press came before the recording
    key(0, true);   // a key without a scan code the mouse can hold
    key(kMute, true);
    clock += 3000;
    tap(kTab); // recorded, not a move of the focus
    tap(kEsc); // recorded, not Cancel
    tap(kRightCtrl);
    EXPECT_EQ(window->focusWidget(), table());
    EXPECT_TRUE(window->isVisible());
    key(kPause, true, false, Qt::Key_Pause); // the keyboard's way out
    EXPECT_FALSE(view->isRecord());
    key(kPause, false, false, Qt::Key_Pause);

    EXPECT_EQ(steps(*macro), (std::vector<Step>{{56, 0, 1200},
                                                {0, 0, 200},
                                                {0, 1, 0},
                                                {56, 1, 3000},
                                                {48, 0, 0},
                                                {48, 1, 0},
                                                {53, 0, 0},
                                                {53, 1, 0},
                                                {62, 0, 0},
                                                {62, 1, 0}}))
        << "each pause goes to the step before it, down to 100 ms; the last keeps 0";
    EXPECT_EQ(view->selectedRow(), 9) << "the step added last is selected";
    EXPECT_TRUE(button(MacroView::kApplyTag)->isEnabled());
    EXPECT_EQ(stepModel()->data(stepModel()->index(0, 1)).toString(), "Press Shift");
    EXPECT_EQ(stepModel()->data(stepModel()->index(0, 2)).toString(), "1200 ms");
    // A screen reader reads each cell for itself, under its column's name.
    const auto spoken = [&](int column) {
        return stepModel()->data(stepModel()->index(0, column), Qt::AccessibleTextRole).toString();
    };
    EXPECT_EQ(spoken(MacroStepModel::kIconColumn), "Key down");
    EXPECT_EQ(spoken(MacroStepModel::kTextColumn), "Press Shift");
    EXPECT_EQ(spoken(MacroStepModel::kDelayColumn), "1200 ms");
    QStringList columns;
    for (int column = 0; column < MacroStepModel::kColumnCount; ++column)
        columns << stepModel()->headerData(column, Qt::Horizontal).toString();
    EXPECT_EQ(columns, (QStringList{"Kind", "Step", "Delay"}));

    // A second recording appends, and its first step's pause is measured from its own start.
    startRecording();
    clock += 700;
    tap(kB);
    click(MacroView::kStopTag);
    EXPECT_EQ(macro->keyInfoArr().size(), 12);
    EXPECT_EQ(steps(*macro)[9], (Step{62, 1, 0}));
    EXPECT_EQ(steps(*macro)[10], (Step{11, 0, 0}));
}

TEST_F(MacroEditorTest, DelayTypeChangesOnlyWhenConfiguredAndAWallClockJumpCannotMakeItNegative) {
    const auto macro = newMacro("Delays");
    HvButton* without = button(MacroView::kLgnoreDelayChkTag);
    HvButton* withDefault = button(MacroView::kInsertDefLayChkTag);
    QTest::mouseClick(without, Qt::LeftButton);
    EXPECT_TRUE(without->Checked());
    // A recorded over again: A and B, each held 500 ms with 500 ms after it.
    const auto recordAB = [&] {
        macro->keyInfoArr().clear();
        startRecording();
        for (const uint32_t evdev : {kA, kB}) {
            key(evdev, true);
            clock += 500;
            key(evdev, false);
            clock += 500;
        }
        click(MacroView::kStopTag);
    };
    recordAB();
    EXPECT_EQ(macro->keyInfoArr()[0].delay(), 500) << "checked but not configured: real delays";

    click(MacroView::kInsertDefDelayTag);
    EXPECT_EQ(MacroView::delayType, MacroView::kNoDelay);
    recordAB();
    for (const MacroKeyInfo& step : macro->keyInfoArr())
        EXPECT_EQ(step.delay(), 0);

    QTest::mouseClick(withDefault, Qt::LeftButton);
    EXPECT_TRUE(withDefault->Checked());
    EXPECT_FALSE(without->Checked()) << "at most one is checked";
    ASSERT_TRUE(defaultDelayField()->isEnabled());
    defaultDelayField()->setText(QStringLiteral("350"));
    click(MacroView::kInsertDefDelayTag); // takes what was typed, down to 100 ms
    EXPECT_EQ(MacroView::defDelayTime, 300);
    EXPECT_EQ(defaultDelayField()->text(), "300");
    EXPECT_EQ(MacroView::delayType, MacroView::kDefaultDelay);
    recordAB();
    EXPECT_EQ(steps(*macro),
              (std::vector<Step>{{0, 0, 300}, {0, 1, 300}, {11, 0, 300}, {11, 1, 0}}));

    // Real delays again: the clock going back (as a wall clock can) gives 0, not a huge or
    // negative pause; a pause longer than a step holds is recorded as the longest it holds, as
    // the table shows and the mouse plays it.
    QTest::mouseClick(withDefault, Qt::LeftButton);
    click(MacroView::kInsertDefDelayTag);
    EXPECT_EQ(MacroView::delayType, MacroView::kRealDelay);
    for (const auto& [pause, recorded] : {std::pair{-60000, 0}, {12000, MacroView::kMaxDelay}}) {
        macro->keyInfoArr().clear();
        startRecording();
        key(kA, true);
        clock += pause;
        key(kA, false);
        click(MacroView::kStopTag);
        EXPECT_EQ(macro->keyInfoArr()[0].delay(), recorded) << pause;
    }
}

TEST_F(MacroEditorTest, ClicksAnywhereButOnStopAreRecordedAsMouseSteps) {
    const auto macro = newMacro("Clicks");
    startRecording();
    click(MacroView::kDelMacroTag); // off while recording, still a click
    QTest::mouseClick(table()->viewport(), Qt::RightButton);
    QTest::mouseClick(view, Qt::MiddleButton, Qt::NoModifier, QPoint(700, 20));
    click(MacroView::kStopTag);
    EXPECT_FALSE(view->isRecord());
    EXPECT_EQ(steps(*macro),
              (std::vector<Step>{
                  {120, 3, 0}, {120, 4, 0}, {121, 3, 0}, {121, 4, 0}, {122, 3, 0}, {122, 4, 0}}));
    const MacroStepModel* model = stepModel();
    EXPECT_EQ(model->data(model->index(0, 1)).toString(), "L Button Down");
    EXPECT_EQ(model->data(model->index(3, 1)).toString(), "R Button Up");
    EXPECT_EQ(model->data(model->index(4, 1)).toString(), "M Button Down");
    // Out of recording the buttons act again.
    int before = int(macroListArrs.size());
    PopUps messages;
    messages.answer({false});
    click(MacroView::kDelMacroTag);
    EXPECT_EQ(messages.texts, QStringList{"Are you sure you want to delete this macro?"});
    EXPECT_EQ(macroListArrs.size(), before);
}

// Key codes 120-122 are mouse buttons only in click steps; as keys they are F2, Page Down, F1.
TEST_F(MacroEditorTest, StepTextsNameEachKindOfStep) {
    EXPECT_EQ(MacroStepModel::stepText(MacroKeyInfo(120, 0, 0)), "Press F2");
    EXPECT_EQ(MacroStepModel::stepText(MacroKeyInfo(121, 1, 0)), "Release Page Down");
    EXPECT_EQ(MacroStepModel::stepText(MacroKeyInfo(122, 0, 0)), "Press F1");
    EXPECT_EQ(MacroStepModel::stepText(MacroKeyInfo(120, 3, 0)), "L Button Down");
    EXPECT_EQ(MacroStepModel::stepText(MacroKeyInfo(122, 4, 0)), "M Button Up");
    EXPECT_EQ(MacroStepModel::stepText(MacroKeyInfo(56, 0, 0)), "Press Shift");
    const auto command =
        std::static_pointer_cast<MenuInfo>(macroInsertMenuNode->children().front()->nodeData());
    EXPECT_EQ(MacroStepModel::stepText(MacroKeyInfo(command->functionID(), 2, 0)),
              command->titleStr());
}

TEST_F(MacroEditorTest, FortyStepsNeverEndingWithAKeyHeldAndAHundredMacros) {
    const auto macro = newMacro("Full", 37);
    PopUps messages;
    startRecording();
    key(kLeftShift, true); // 38, with room for its release
    key(kA, true);         // no room for A and both releases: the recording ends
    EXPECT_FALSE(view->isRecord());
    EXPECT_EQ(messages.texts, QStringList{"Maximum number of macros reached"});
    ASSERT_EQ(macro->keyInfoArr().size(), 39);
    EXPECT_EQ(steps(*macro).back(), (Step{56, 1, 0})) << "the held key is released";
    key(kA, false);

    macro->keyInfoArr().append(MacroKeyInfo(0, 0, 0));
    view->selectMacro(macro.get());
    EXPECT_FALSE(view->AddNewKey(11, 0));
    view->selectRow(0);
    view->onMenulistSelected(view->macroComList(), command([](const MenuInfo&) { return true; }));
    click(MacroView::kInsertComTag);
    EXPECT_EQ(macro->keyInfoArr().size(), 40);
    EXPECT_EQ(messages.texts.size(), 3);
    EXPECT_EQ(meter()->text(), "40 of 40 steps on the mouse");

    while (macroNode->numberOfChildren() < KxAction::kMaxMacroCount)
        view->addMacorByName(KxAction::getNewMacorName());
    const int count = int(macroListArrs.size());
    EXPECT_FALSE(view->addMacorByName("One too many"));
    EXPECT_EQ(macroListArrs.size(), count);
    EXPECT_EQ(messages.texts.back(), "Maximum number of macros reached");
}

// A command's chord is several steps on the mouse: the meter counts those.
TEST_F(MacroEditorTest, InsertingACommandWithNoRowSelectedPutsItFirstAndTheMeterCountsItsChord) {
    const auto macro = newMacro("Commands", 2);
    EXPECT_EQ(view->selectedRow(), -1);
    click(MacroView::kInsertComTag);
    EXPECT_EQ(macro->keyInfoArr().size(), 2) << "no command chosen: nothing";
    HvTreeNode* chord = command([](const MenuInfo& entry) {
        return entry.type() != MenuInfo::kTypeHeading && entry.KeyBit2() != 255;
    });
    ASSERT_TRUE(chord);
    const auto entry = std::static_pointer_cast<MenuInfo>(chord->nodeData());
    view->onMenulistSelected(view->macroComList(), chord);
    EXPECT_EQ(button(MacroView::kComSelTag)->text(), entry->titleStr());
    click(MacroView::kInsertComTag);
    ASSERT_EQ(macro->keyInfoArr().size(), 3);
    EXPECT_EQ(steps(*macro).front(), (Step{entry->functionID(), 2, 0}));
    EXPECT_EQ(view->selectedRow(), 0);
    const int device = int(macro->getMacroCount());
    EXPECT_GT(device, 3);
    EXPECT_EQ(meter()->count(), device);
}

// What a screen reader is told of the editor's choosers and of the way out of a recording: the
// macro and the command say the entry chosen, not only what they choose; STOP says its key.
TEST_F(MacroEditorTest, TheChoosersSayTheirEntryAndStopSaysItsKey) {
    const auto value = [](QWidget* control) {
        QAccessibleInterface* a = QAccessible::queryAccessibleInterface(control);
        if (!a->text(QAccessible::Value).isEmpty())
            return a->text(QAccessible::Value);
        return a->textInterface()
                   ? a->textInterface()->text(0, a->textInterface()->characterCount())
                   : QString();
    };
    QWidget* chooser = button(MacroView::kComSelTag);
    QWidget* macroName = button(MacroView::kMacroNameTag);
    EXPECT_EQ(QAccessible::queryAccessibleInterface(chooser)->text(QAccessible::Name), "Command");
    EXPECT_EQ(value(chooser), "Commands");
    newMacro("RepB");
    EXPECT_EQ(QAccessible::queryAccessibleInterface(macroName)->text(QAccessible::Name), "Macro");
    EXPECT_EQ(value(macroName), "RepB");
    HvTreeNode* entry =
        command([](const MenuInfo& e) { return e.type() != MenuInfo::kTypeHeading; });
    ASSERT_TRUE(entry);
    view->onMenulistSelected(view->macroComList(), entry);
    EXPECT_EQ(value(chooser), entry->nodeData()->titleStr());

    QAccessibleInterface* stop = QAccessible::queryAccessibleInterface(button(MacroView::kStopTag));
    EXPECT_EQ(stop->text(QAccessible::Name), "Stop recording");
    EXPECT_EQ(stop->text(QAccessible::Description), "Stop recording (Pause)");
}

// The limit is the mouse's 40 steps, not the table's rows: an inserted command takes as many
// steps as its chord has presses and releases, and a recording counts them too.
TEST_F(MacroEditorTest, InsertsAndRecordingsThatWouldPassFortyStepsOnTheMouseAreRefused) {
    HvTreeNode* copy = command([](const MenuInfo& entry) { return entry.titleStr() == "Copy"; });
    ASSERT_TRUE(copy);
    const auto macro = newMacro("Copying", 38);
    PopUps messages;
    view->onMenulistSelected(view->macroComList(), copy);
    view->selectRow(37);
    click(MacroView::kInsertComTag);
    EXPECT_EQ(macro->keyInfoArr().size(), 38) << "38 and the chord's 4 would be 42 on the mouse";
    EXPECT_EQ(macro->getMacroCount(), 38u);
    EXPECT_EQ(messages.texts, QStringList{"Maximum number of macros reached"});

    // With room for the chord it goes in; a recording then has room for what the mouse holds.
    macro->keyInfoArr().remove(34, 4);
    stepModel()->reload();
    view->selectRow(33);
    click(MacroView::kInsertComTag);
    ASSERT_EQ(macro->keyInfoArr().size(), 35);
    EXPECT_EQ(macro->getMacroCount(), 38u);
    EXPECT_EQ(messages.texts.size(), 1);
    startRecording();
    tap(kA);       // 40 on the mouse
    key(kB, true); // no room for B and its release: the recording ends
    EXPECT_FALSE(view->isRecord());
    key(kB, false);
    EXPECT_EQ(macro->keyInfoArr().size(), 37);
    EXPECT_EQ(macro->getMacroCount(), 40u);
    EXPECT_EQ(messages.texts.size(), 2);
    EXPECT_FALSE(view->AddNewKey(11, 0)) << "37 rows, but 40 steps on the mouse";
    EXPECT_EQ(macro->keyInfoArr().size(), 37);
    EXPECT_EQ(meter()->text(), "40 of 40 steps on the mouse");
}

TEST_F(MacroEditorTest, MovesAndDeletesKeepTheSelectionWhereAPersonExpectsIt) {
    const auto macro = newMacro("Edit", 3);
    const auto original = steps(*macro);
    view->selectRow(0);
    EXPECT_FALSE(button(MacroView::kKeyUpTag)->isEnabled());
    EXPECT_TRUE(button(MacroView::kKeyDownTag)->isEnabled());
    click(MacroView::kKeyDownTag);
    EXPECT_EQ(view->selectedRow(), 1);
    EXPECT_EQ(steps(*macro)[1], original[0]);
    click(MacroView::kKeyDownTag);
    EXPECT_EQ(view->selectedRow(), 2);
    EXPECT_FALSE(button(MacroView::kKeyDownTag)->isEnabled()) << "the last row";
    click(MacroView::kKeyUpTag);
    EXPECT_EQ(view->selectedRow(), 1);

    // A press below the last row keeps the selection.
    QTest::mouseClick(table()->viewport(), Qt::LeftButton, Qt::NoModifier, QPoint(50, 300));
    EXPECT_EQ(view->selectedRow(), 1);

    view->selectRow(2);
    click(MacroView::kDelKeyTag); // the last: the new last is selected
    EXPECT_EQ(view->selectedRow(), 1);
    view->selectRow(0);
    QTest::keyClick(table(), Qt::Key_Delete); // the keyboard's way
    EXPECT_EQ(view->selectedRow(), 0);
    click(MacroView::kDelKeyTag); // the only one: no selection
    EXPECT_TRUE(macro->keyInfoArr().isEmpty());
    EXPECT_EQ(view->selectedRow(), -1);
    EXPECT_FALSE(button(MacroView::kDelKeyTag)->isEnabled());

    // A double click on DELETE asks, then clears.
    macro->keyInfoArr() << MacroKeyInfo(0, 0, 0) << MacroKeyInfo(0, 1, 0);
    stepModel()->reload();
    view->selectRow(0);
    PopUps messages;
    messages.answer({false, true});
    QTest::mouseDClick(button(MacroView::kDelKeyTag), Qt::LeftButton);
    EXPECT_EQ(messages.texts, QStringList{"Are you sure you want to Clear Commands?"});
    EXPECT_FALSE(macro->keyInfoArr().isEmpty()) << "Cancel keeps them";
    macro->keyInfoArr() << MacroKeyInfo(0, 0, 0);
    stepModel()->reload();
    view->selectRow(0);
    QTest::mouseDClick(button(MacroView::kDelKeyTag), Qt::LeftButton);
    EXPECT_TRUE(macro->keyInfoArr().isEmpty());
}

TEST_F(MacroEditorTest, DelaysFromTheFieldTheButtonsAndTheTableAreKept) {
    const auto macro = newMacro("Pauses", 2);
    MacroView::delayTime = 150;
    view->upDelayPro();
    EXPECT_EQ(MacroView::delayTime, 200);
    MacroView::delayTime = 150;
    view->downDelayPro();
    EXPECT_EQ(MacroView::delayTime, 50);
    EXPECT_EQ(adjustDelayField()->text(), "50");
    MacroView::delayTime = 5000;
    click(MacroView::kAdjustDelayUpTag);
    EXPECT_EQ(MacroView::delayTime, 5000);
    MacroView::delayTime = 0;
    click(MacroView::kAdjustDelayDownTag);
    EXPECT_EQ(MacroView::delayTime, 0);

    adjustDelayField()->setText(QStringLiteral("1234"));
    view->selectRow(1);
    click(MacroView::kInsertDelayTag);
    EXPECT_EQ(MacroView::delayTime, 1200);
    EXPECT_EQ(macro->keyInfoArr()[1].delay(), 1200);
    EXPECT_EQ(view->selectedRow(), 1);

    // Typed into the table: shown bare while edited, stored on Enter, down to 100 ms.
    const QModelIndex cell = stepModel()->index(0, MacroStepModel::kDelayColumn);
    table()->setCurrentIndex(cell);
    table()->edit(cell);
    auto* editor = table()->findChild<QLineEdit*>();
    ASSERT_TRUE(editor);
    EXPECT_EQ(editor->text(), "100");
    editor->setText(QStringLiteral("2345"));
    QTest::keyClick(editor, Qt::Key_Return);
    ASSERT_TRUE(KxTest::waitFor([&] { return macro->keyInfoArr()[0].delay() != 100; }));
    EXPECT_EQ(macro->keyInfoArr()[0].delay(), 2300);
    EXPECT_EQ(stepModel()->data(cell).toString(), "2300 ms");
    EXPECT_FALSE(stepModel()->setData(cell, QStringLiteral("many")));
    stepModel()->setData(cell, 99999);
    EXPECT_EQ(macro->keyInfoArr()[0].delay(), 5000);
    EXPECT_FALSE(stepModel()->flags(stepModel()->index(0, 1)) & Qt::ItemIsEditable);
}

TEST_F(MacroEditorTest, ExportedMacrosComeBackWithIdsOfTheirOwn) {
    const auto macro = newMacro("Dash", 6);
    macro->setLoopTime(3);
    ASSERT_TRUE(view->exportMacroTo(filePath("dash"))); // the extension is added
    ASSERT_TRUE(QFile::copy(filePath("dash.mac"), filePath("dash copy.mac")));

    ASSERT_TRUE(view->importMacroFrom(filePath("dash.mac")));
    const auto first = view->currMacroInfo();
    ASSERT_TRUE(view->importMacroFrom(filePath("dash copy.mac")));
    const auto second = view->currMacroInfo();
    EXPECT_EQ(first->nameStr(), "dash");
    EXPECT_EQ(second->nameStr(), "dash copy");
    EXPECT_EQ(steps(*first), steps(*macro));
    EXPECT_EQ(first->loopTime(), 3);
    EXPECT_NE(first->macroId(), 0);
    EXPECT_NE(first->macroId(), macro->macroId());
    EXPECT_NE(second->macroId(), first->macroId()) << "a button bound to one plays that one";
    EXPECT_EQ(KxAction::getMacroById(second->macroId()), second);
    EXPECT_EQ(button(MacroView::kMacroNameTag)->text(), "dash copy");

    PopUps messages;
    EXPECT_FALSE(view->importMacroFrom(filePath("dash.mac")));
    EXPECT_EQ(messages.texts.back(), "A macro of this name already exists.");
    EXPECT_FALSE(view->exportMacroTo(filePath("no such folder/x.mac")));
    EXPECT_TRUE(messages.texts.back().startsWith("The macro could not be saved"))
        << qPrintable(messages.texts.back());
}

TEST_F(MacroEditorTest, AFileThatIsNotAMacroThisEditorCanHoldIsRefusedWithAReason) {
    // One step more than the mouse holds: 41 rows, or 38 whose last is the command Copy (Ctrl
    // and C pressed and released).
    QJsonArray tooMany, chordTooMany;
    for (int i = 0; i <= KxProtocol::kMaxRecordSteps; ++i)
        tooMany.append(step(0, i % 2));
    for (int i = 0; i < 37; ++i)
        chordTooMany.append(step(0, i % 2));
    chordTooMany.append(step(0x200, 2));
    const QString fifo = filePath(QStringLiteral("pipe.mac"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    const std::pair<QString, const char*> files[] = {
        {writeFile("text.mac", "not json at all"), "is damaged"},
        {writeFile("foreign.mac", R"({"nameStr": "x", "keyInfoArr": []})"), "not an archive"},
        {writeArchive("profile.mac", {{"colour", 3}}), "it is not a macro"},
        {writeMacro("long.mac", tooMany), "41 steps"},
        {writeMacro("chord.mac", chordTooMany), "41 steps on the mouse"},
        {writeMacro("odd.mac", {step(0, 9)}), "does not know"},
        {writeMacro("neg.mac", {step(0, 0, -5)}), "does not know"},
        {writeMacro(".mac", {}), "has no name"},
        {fifo, "not a regular file"},
    };
    PopUps messages;
    const int before = int(macroListArrs.size());
    for (const auto& [path, reason] : files) {
        EXPECT_FALSE(view->importMacroFrom(path)) << qPrintable(path);
        ASSERT_FALSE(messages.texts.isEmpty());
        EXPECT_TRUE(messages.texts.back().contains("cannot be loaded") &&
                    messages.texts.back().contains(QLatin1String(reason)))
            << qPrintable(messages.texts.back());
    }
    EXPECT_EQ(macroListArrs.size(), before);
    EXPECT_FALSE(view->isChanged());
}

// A step holds at most 5000 ms here (the step table's limit, within the 6300 the mouse can
// play), in steps of 100 ms: delays beyond that in a file are brought within it on import, and
// the user is told, as the table does with a typed delay.
TEST_F(MacroEditorTest, ImportedDelaysAreBroughtWithinWhatAStepHoldsAndTheUserIsTold) {
    const auto write = [&](const QString& name, const QList<int>& delays) {
        QJsonArray keys;
        for (int i = 0; i < delays.size(); ++i)
            keys.append(step(0, i % 2, delays[i]));
        return writeMacro(name, keys);
    };
    PopUps messages;
    ASSERT_TRUE(view->importMacroFrom(write("slow.mac", {INT_MAX, 5000, 6300, 150, 0, 5100})));
    const auto macro = view->currMacroInfo();
    ASSERT_TRUE(macro);
    EXPECT_EQ(macro->nameStr(), "slow");
    std::vector<int> delays;
    for (const MacroKeyInfo& step : macro->keyInfoArr())
        delays.push_back(step.delay());
    EXPECT_EQ(delays, (std::vector<int>{5000, 5000, 5000, 100, 0, 5000}));
    EXPECT_EQ(stepModel()->data(stepModel()->index(0, 2)).toString(), "5000 ms");
    ASSERT_EQ(messages.texts.size(), 1);
    EXPECT_TRUE(messages.texts[0].startsWith("slow.mac") &&
                messages.texts[0].contains("4 delays") && messages.texts[0].contains("5000 ms"))
        << qPrintable(messages.texts[0]);

    // Delays a step holds load without a word.
    ASSERT_TRUE(view->importMacroFrom(write("quick.mac", {0, 100, 5000})));
    EXPECT_EQ(messages.texts.size(), 1);
}

TEST_F(MacroEditorTest, CancelPutsTheLibraryBackApplyAndOkWriteIt) {
    const auto kept = newMacro("Kept", 2);
    click(MacroView::kApplyTag);
    EXPECT_FALSE(button(MacroView::kApplyTag)->isEnabled());
    EXPECT_TRUE(window->isVisible()) << "Apply keeps the editor open";
    const auto before = steps(*kept);

    // Edits after Apply: a step deleted, a macro added, the kept one deleted.
    view->selectRow(0);
    click(MacroView::kDelKeyTag);
    newMacro("Dropped", 1);
    view->selectMacro(kept.get());
    PopUps messages;
    click(MacroView::kDelMacroTag);
    EXPECT_FALSE(KxAction::getMacroByName("Kept"));
    click(MacroView::kCancelTag);
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(view->endTag(), 0);
    EXPECT_EQ(KxAction::getMacroByName("Kept"), kept) << "the same object, as it was";
    EXPECT_EQ(steps(*kept), before);
    EXPECT_FALSE(KxAction::getMacroByName("Dropped"));

    // The file holds what Apply wrote; OK writes the rest.
    macroListArrs.clear();
    KxAction::initMenuList();
    ASSERT_TRUE(KxAction::getMacroByName("Kept"));
    EXPECT_EQ(steps(*KxAction::getMacroByName("Kept")), before);

    HvNoTitleWindow second(QRect(QPoint(0, 0), MacroViewLayout::kView.size));
    MacroView* reopened = show(second);
    EXPECT_TRUE(reopened->addMacorByName("Saved"));
    QTest::mouseClick(reopened->control(MacroView::kOkTag), Qt::LeftButton);
    EXPECT_EQ(reopened->endTag(), 1);
    EXPECT_FALSE(second.isVisible());
    macroListArrs.clear();
    KxAction::initMenuList();
    EXPECT_TRUE(KxAction::getMacroByName("Saved"));

    // Closed another way (the window manager): like Cancel.
    HvNoTitleWindow other(QRect(QPoint(0, 0), MacroViewLayout::kView.size));
    show(other)->addMacorByName("Unsaved");
    other.close();
    EXPECT_FALSE(KxAction::getMacroByName("Unsaved"));
}

// The name dialog keeps itself open, silently, for a name that cannot be taken.
TEST_F(MacroEditorTest, TheNameDialogTakesOnlyANewNameAndTheEditorShowsTheNewMacro) {
    newMacro("Taken");
    struct Typed {
        QString text;
        Qt::Key key;
        HvButton* (CreateMacroView::*button)() const = nullptr; // clicked in place of the key
    };
    std::vector<Typed> typing = {
        {"", Qt::Key_Return}, {"Taken", Qt::Key_Return}, {"  Fresh  ", Qt::Key_Return}};
    std::vector<bool> stillOpen;
    QTimer answer;
    answer.setInterval(0);
    QObject::connect(&answer, &QTimer::timeout, [&] {
        HvNoTitleWindow* window = nullptr;
        if (auto* dialog = shownView<CreateMacroView>(&window); dialog && !typing.empty()) {
            EXPECT_EQ(window->focusWidget(), dialog->nameTxt());
            const Typed next = typing.front();
            typing.erase(typing.begin());
            dialog->nameTxt()->setText(next.text);
            if (next.button)
                QTest::mouseClick((dialog->*next.button)(), Qt::LeftButton);
            else
                QTest::keyClick(dialog->nameTxt(), next.key);
            stillOpen.push_back(dialog->nameStr().isEmpty());
        }
    });
    answer.start();
    click(MacroView::kNewMacroTag);
    EXPECT_EQ(stillOpen, (std::vector<bool>{true, true, false}));
    ASSERT_TRUE(view->currMacroInfo());
    EXPECT_EQ(view->currMacroInfo()->nameStr(), "Fresh");
    EXPECT_EQ(view->currMacroInfo()->macroId(), KxAction::getNewMacorId() - 1);

    // Escape: no macro.
    typing = {{"Other", Qt::Key_Escape}};
    const int count = int(macroListArrs.size());
    click(MacroView::kNewMacroTag);
    EXPECT_EQ(macroListArrs.size(), count);

    // The buttons: Cancel adds no macro, OK the one named.
    typing = {{"Clicked", Qt::Key_unknown, &CreateMacroView::cancelBtn}};
    click(MacroView::kNewMacroTag);
    EXPECT_FALSE(KxAction::getMacroByName("Clicked"));
    typing = {{"Clicked", Qt::Key_unknown, &CreateMacroView::okBtn}};
    click(MacroView::kNewMacroTag);
    EXPECT_TRUE(KxAction::getMacroByName("Clicked"));
}

} // namespace
