// The button function dialogs, each in a window of its own with a record handed in and read
// back, driven by pointer and keyboard; then what they write, through the mouse and back.
#include "DeviceProtocolTest.h"
#include "EventLoopWait.h"
#include "HvAnnouncer.h"
#include "HvButton.h"
#include "HvMenulist.h"
#include "HvNoTitleWindow.h"
#include "HvNumberTextField.h"
#include "HvTreeNode.h"
#include "KxNames.h"
#include "KxWidgetGlobals.h"
#include "QtPrinters.h"
#include "ScreenReader.h"
#include "ShownWindows.h"
#include "SingleKeyView.h"
#include "TkeyRepeatView.h"
#include "TkeyView.h"

#include <QAccessible>
#include <QApplication>
#include <QKeySequence>
#include <QListWidget>
#include <QPointer>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <cstring>
#include <functional>

namespace {

std::vector<uint32_t> keyBits(const _BTN_INFO& info) {
    return {info.KeyBit, info.KeyBit + 4};
}

bool sameRecord(const _BTN_INFO& a, const _BTN_INFO& b) {
    return std::memcmp(&a, &b, sizeof a) == 0;
}

// A dialog in its own window, as the main window opens it, with the record the button holds
// handed in (and a macro chosen in the macro dialog); counts the window's closes.
template <class View>
struct Opened {
    Opened() {
        view = new View;
        window.setContentView(view);
        QObject::connect(&window, &HvNoTitleWindow::windowWillClose, [this] { ++closes; });
        window.show();
    }
    explicit Opened(const _BTN_INFO& start, std::shared_ptr<MacroInfo> macro = nullptr) : Opened() {
        view->setTmpBtnInfo(start);
        if constexpr (std::is_same_v<View, TkeyView>)
            if (macro)
                view->setSelMacro(macro);
    }
    HvNoTitleWindow window{QRect(0, 0, 300, 330)};
    View* view = nullptr;
    int closes = 0;
};

// Answers the repeat-count window from inside its modal run, once per window that opens.
class CountWindowAnswer {
public:
    explicit CountWindowAnswer(std::function<void(TkeyRepeatView&)> answer)
        : answer_(std::move(answer)) {
        timer_.setInterval(0);
        QObject::connect(&timer_, &QTimer::timeout, [this] { look(); });
        timer_.start();
    }
    int opened() const { return opened_; }

private:
    void look() {
        auto* view = shownView<TkeyRepeatView>();
        if (!view || view == answered_)
            return;
        answered_ = view;
        ++opened_;
        answer_(*view);
    }
    std::function<void(TkeyRepeatView&)> answer_;
    QTimer timer_;
    QPointer<TkeyRepeatView> answered_;
    int opened_ = 0;
};

void type(TkeyRepeatView& count, const char* text, Qt::Key end = Qt::Key_Return) {
    QTest::keyClicks(count.countTxt(), QLatin1String(text));
    QTest::keyClick(count.countTxt(), end);
}

// Picks a node of an open menu list by keyboard, as a person would.
void pick(HvMenulist* list, const HvTreeNode* node) {
    ASSERT_TRUE(list && list->isVisible()) << "the list is open";
    const auto& children = list->node()->children();
    const auto at = std::find_if(children.begin(), children.end(),
                                 [node](const auto& child) { return child.get() == node; });
    ASSERT_NE(at, children.end());
    list->listWidget()->setCurrentRow(int(at - children.begin()));
    QTest::keyClick(list->listWidget(), Qt::Key_Return);
}

// What a screen reader is told of a control.
QAccessibleInterface* spoken(QObject* control) {
    return QAccessible::queryAccessibleInterface(control);
}
// The chosen entry of a chooser as a screen reader reads it: its value, or its text.
QString chosen(QObject* control) {
    QAccessibleInterface* a = spoken(control);
    if (!a)
        return {};
    if (!a->text(QAccessible::Value).isEmpty())
        return a->text(QAccessible::Value);
    return a->textInterface() ? a->textInterface()->text(0, a->textInterface()->characterCount())
                              : QString();
}

class FunctionDialogsTest : public DeviceProtocolTest {
protected:
    void SetUp() override {
        DeviceProtocolTest::SetUp();
        static const bool installed = (KxWidgets::install(), true);
        (void)installed;
        isNeedSave = false;
    }

    // A record a button could hold before the dialog: a launch path and a macro id that a
    // single function must keep, and key bits that it must replace.
    static _BTN_INFO before() {
        _BTN_INFO info = Buttons::launch(0, 1);
        info.KeyBit[3] = 9;
        std::strcpy(info.app_path, "/usr/bin/true");
        info.singlekey_code = 4;
        info.MacroID = 77;
        return info;
    }

    // The entries of the single-function menu a person can pick.
    static std::vector<HvTreeNode*> functions() {
        std::vector<HvTreeNode*> out;
        for (const auto& node : singleMenuNode->children())
            if (node->nodeData()->type() != MenuInfo::kTypeHeading)
                out.push_back(node.get());
        return out;
    }

    // The record the single-function dialog gives for an entry.
    _BTN_INFO assignFunction(HvTreeNode* node, const _BTN_INFO& start) {
        Opened<SingleKeyView> dialog(start);
        QTest::mouseClick(dialog.view->selComBtn(), Qt::LeftButton);
        pick(dialog.view->comMenuList(), node);
        QTest::keyClick(dialog.view->okBtn(), Qt::Key_Return);
        EXPECT_EQ(dialog.closes, 1);
        return dialog.view->tmpBtnInfo();
    }

    // The record the macro dialog gives for a macro, a run mode picked with the keyboard from
    // "once", and the count typed into the count window when the mode asks for one.
    _BTN_INFO assignMacro(const std::shared_ptr<MacroInfo>& macro, int mode, const char* count) {
        Opened<TkeyView> dialog(_BTN_INFO{});
        QTest::mouseClick(dialog.view->selMacroBtn(), Qt::LeftButton);
        pick(macroMenuList, nodeOf(*macro));
        CountWindowAnswer answer([count](TkeyRepeatView& view) { type(view, count); });
        const auto& items = dialog.view->macroTypeSetp()->items();
        for (int step = 0; step < mode; ++step)
            QTest::keyClick(items[size_t(step)], Qt::Key_Down);
        if (mode == TkeyView::kRepeatCount) // reached by the arrows, chosen by Space
            QTest::keyClick(items[size_t(mode)], Qt::Key_Space);
        QTest::keyClick(dialog.view, Qt::Key_Return);
        EXPECT_EQ(dialog.closes, 1);
        return dialog.view->tmpBtnInfo();
    }

    static HvTreeNode* nodeOf(const MacroInfo& macro) {
        for (const auto& node : macroNode->children())
            if (std::static_pointer_cast<MenuInfo>(node->nodeData())->macroInfo().get() == &macro)
                return node.get();
        return nullptr;
    }
};

TEST_F(FunctionDialogsTest, SingleFunctionOkWaitsForAPickThenWritesItOverTheOldAssignment) {
    Opened<SingleKeyView> dialog(before());
    EXPECT_FALSE(dialog.view->selMenuData()) << "opens with nothing picked";

    // OK with nothing picked: by pointer and by Enter, nothing happens.
    QTest::mouseClick(dialog.view->okBtn(), Qt::LeftButton);
    QTest::keyClick(dialog.view, Qt::Key_Return);
    EXPECT_TRUE(dialog.window.isVisible());
    EXPECT_EQ(dialog.closes, 0);
    EXPECT_TRUE(sameRecord(dialog.view->tmpBtnInfo(), before()));
    EXPECT_FALSE(isNeedSave);

    // Space on the list button opens the list; the pick shows in the button.
    dialog.view->selComBtn()->setFocus();
    QTest::keyClick(dialog.view->selComBtn(), Qt::Key_Space);
    ASSERT_TRUE(dialog.view->comMenuList()->isVisible());
    EXPECT_EQ(dialog.view->comMenuList()->menuWidth(), SingleKeyView::kListWidth);
    HvTreeNode* chosen = functions().at(3);
    const auto entry = std::static_pointer_cast<MenuInfo>(chosen->nodeData());
    pick(dialog.view->comMenuList(), chosen);
    EXPECT_EQ(dialog.view->selComBtn()->text(), entry->titleStr());
    EXPECT_TRUE(sameRecord(dialog.view->tmpBtnInfo(), before())) << "only OK writes";

    QTest::keyClick(dialog.view->okBtn(), Qt::Key_Enter); // keypad Enter is OK too
    EXPECT_EQ(dialog.closes, 1);
    EXPECT_FALSE(dialog.window.isVisible());
    EXPECT_TRUE(isNeedSave);
    const _BTN_INFO& written = dialog.view->tmpBtnInfo();
    EXPECT_EQ(written.btnType, KxButtonType::kSingle);
    EXPECT_EQ(written.FuncID, uint32_t(entry->functionID()));
    EXPECT_EQ(written.FuncTableId, uint32_t(entry->functionTableID()));
    EXPECT_EQ(keyBits(written),
              (std::vector<uint32_t>{uint32_t(entry->KeyBit1()), uint32_t(entry->KeyBit2()),
                                     uint32_t(entry->KeyBit3()), uint32_t(entry->KeyBit4())}));
    // Nothing of the launcher it replaced stays: the record is the function's alone, as the
    // mouse will read it back.
    EXPECT_TRUE(sameRecord(written, KxNames::functionRecord(*entry)));
}

TEST_F(FunctionDialogsTest, CancelEscapeAndEnterOnCancelLeaveTheRecordAsItWas) {
    enum class Way { Click, Escape, EnterOnCancel };
    for (const Way way : {Way::Click, Way::Escape, Way::EnterOnCancel}) {
        {
            Opened<SingleKeyView> dialog(before());
            QTest::mouseClick(dialog.view->selComBtn(), Qt::LeftButton);
            pick(dialog.view->comMenuList(), functions().front());
            if (way == Way::Click)
                QTest::mouseClick(dialog.view->cancelBtn(), Qt::LeftButton);
            else if (way == Way::Escape)
                QTest::keyClick(dialog.view->okBtn(), Qt::Key_Escape);
            else
                QTest::keyClick(dialog.view->cancelBtn(), Qt::Key_Return);
            EXPECT_EQ(dialog.closes, 1) << int(way);
            EXPECT_TRUE(sameRecord(dialog.view->tmpBtnInfo(), before())) << int(way);
        }
        {
            const auto macro = addMacro(4);
            Opened<TkeyView> dialog(before(), macro);
            if (way == Way::Click)
                QTest::mouseClick(dialog.view->cancelBtn(), Qt::LeftButton);
            else if (way == Way::Escape)
                QTest::keyClick(dialog.view->selMacroBtn(), Qt::Key_Escape);
            else
                QTest::keyClick(dialog.view->cancelBtn(), Qt::Key_Enter);
            EXPECT_EQ(dialog.closes, 1) << int(way);
            EXPECT_TRUE(sameRecord(dialog.view->tmpBtnInfo(), before())) << int(way);
        }
    }
    EXPECT_FALSE(isNeedSave);
}

TEST_F(FunctionDialogsTest, AnAssignedMacroOpensWithItsModeAndCountWithoutAskingForTheCount) {
    const auto macro = addMacro(6);
    CountWindowAnswer answer([](TkeyRepeatView& view) { type(view, "", Qt::Key_Escape); });
    for (const uint32_t mode : {1u, 2u, 3u, 0u}) {
        const _BTN_INFO assigned = macroButton(*macro, mode, mode == 1 ? 5 : 0);
        Opened<TkeyView> dialog(assigned);
        EXPECT_EQ(dialog.view->selMacroInfo(), macro);
        EXPECT_EQ(dialog.view->selMacroBtn()->text(), macro->nameStr());
        EXPECT_EQ(dialog.view->macroTypeSetp()->selectIndex(), int(mode) + 1);
        EXPECT_EQ(dialog.view->countLbl()->text(), mode == 1 ? "5 times" : "");
        QTest::mouseClick(dialog.view->okBtn(), Qt::LeftButton);
        EXPECT_TRUE(sameRecord(dialog.view->tmpBtnInfo(), assigned)) << "mode " << mode;
    }
    // The count window runs modally inside whatever asks for it: had filling in asked, it would
    // have been answered by now.
    EXPECT_EQ(answer.opened(), 0) << "no count window while the dialog fills itself in";
    EXPECT_TRUE(isNeedSave);
}

// A macro put over a launcher keeps nothing of it (its path, its launch slot in the keys):
// the record is the macro's alone, as the mouse will read it back.
TEST_F(FunctionDialogsTest, AMacroOverALauncherKeepsNothingOfIt) {
    const auto macro = addMacro(2);
    Opened<TkeyView> dialog(before(), macro);
    QTest::mouseClick(dialog.view->okBtn(), Qt::LeftButton);
    EXPECT_TRUE(sameRecord(dialog.view->tmpBtnInfo(), macroButton(*macro, 0, 0)));
}

TEST_F(FunctionDialogsTest, AMacroNoLongerInTheLibraryOpensWithNonePickedAndOkWaits) {
    const auto shown = addMacro(2);
    KxAction::refreshMenuList();
    _BTN_INFO gone = macroButton(*shown, 1, 7);
    gone.MacroID = uint32_t(shown->macroId() + 1000);
    Opened<TkeyView> dialog(gone);
    EXPECT_FALSE(dialog.view->selMacroInfo());
    EXPECT_EQ(dialog.view->selMacroBtn()->text(), "Choose a macro");
    QTest::mouseClick(dialog.view->okBtn(), Qt::LeftButton);
    QTest::keyClick(dialog.view, Qt::Key_Return);
    EXPECT_TRUE(dialog.window.isVisible());
    EXPECT_TRUE(sameRecord(dialog.view->tmpBtnInfo(), gone));
    EXPECT_FALSE(isNeedSave);

    // With no macro to show, the list button says so instead of opening an empty list.
    macroListArrs.clear();
    Opened<TkeyView> empty;
    EXPECT_EQ(empty.view->selMacroBtn()->text(), "No macros yet");
    QTest::mouseClick(empty.view->selMacroBtn(), Qt::LeftButton);
    EXPECT_FALSE(macroMenuList->isVisible());
}

// The count window: it opens with 1 for no count; Cancel keeps the count there was (none: the
// mode before); a count is forgotten when another mode is chosen; the repeat item chosen again
// asks again.
TEST_F(FunctionDialogsTest, TheCountWindowAsksOnlyWhenTheRepeatItemIsChosen) {
    const auto macro = addMacro(3);
    Opened<TkeyView> dialog(_BTN_INFO{}, macro);
    HvButton* repeat = dialog.view->macroTypeSetp()->items()[1];
    HvButton* once = dialog.view->macroTypeSetp()->items()[0];

    QString shown;
    {
        CountWindowAnswer answer([&](TkeyRepeatView& view) {
            shown = view.countTxt()->text();
            EXPECT_EQ(view.countTxt()->selectedText(), shown) << "typing replaces it";
            type(view, "42", Qt::Key_Escape);
        });
        QTest::mouseClick(repeat, Qt::LeftButton);
        EXPECT_EQ(answer.opened(), 1);
    }
    EXPECT_EQ(shown, "1");
    EXPECT_EQ(dialog.view->macroType(), TkeyView::kOnce) << "no count: back to once";
    EXPECT_EQ(dialog.view->macroCount(), 0) << "Cancel keeps the count there was";
    EXPECT_EQ(dialog.view->countLbl()->text(), "");
    EXPECT_TRUE(dialog.window.isVisible()) << "the count window's Escape is its own";

    {
        CountWindowAnswer answer([](TkeyRepeatView& view) { type(view, "12"); });
        QTest::mouseClick(repeat, Qt::LeftButton); // chosen again: asked again
        EXPECT_EQ(answer.opened(), 1);
    }
    EXPECT_EQ(dialog.view->macroCount(), 12);
    EXPECT_EQ(dialog.view->countLbl()->text(), "12 times");
    {
        CountWindowAnswer answer([&](TkeyRepeatView& view) {
            shown = view.countTxt()->text();
            QTest::mouseClick(view.cancelBtn(), Qt::LeftButton);
        });
        QTest::keyClick(once, Qt::Key_Down); // the arrows reach it, Space chooses it
        QTest::keyClick(repeat, Qt::Key_Space);
        EXPECT_EQ(answer.opened(), 1);
    }
    EXPECT_EQ(shown, "12") << "the count window opens on the current count";
    QTest::mouseClick(once, Qt::LeftButton);
    EXPECT_EQ(dialog.view->countLbl()->text(), "");
    QTest::mouseClick(dialog.view->okBtn(), Qt::LeftButton);
    const _BTN_INFO& written = dialog.view->tmpBtnInfo();
    EXPECT_EQ(written.KeyBit[0], 0u);
    EXPECT_EQ(written.KeyBit[1], 0u) << "a count only goes with the repeat mode";
    EXPECT_EQ(written.MacroID, uint32_t(macro->macroId()));
}

// Repeat by count without a count is a mode the mouse runs once: a count window cancelled
// before any count was given goes back to the mode chosen before, so that what the profile
// stores is what the mouse does.
TEST_F(FunctionDialogsTest, ACancelledFirstCountGoesBackToTheModeChosenBefore) {
    const auto macro = addMacro(3);
    for (const int before : {int(TkeyView::kOnce), int(TkeyView::kUntilPressedAgain)}) {
        SCOPED_TRACE(before);
        Opened<TkeyView> dialog(macroButton(*macro, uint32_t(before), 0));
        CountWindowAnswer answer([](TkeyRepeatView& view) { type(view, "", Qt::Key_Escape); });
        QTest::mouseClick(dialog.view->macroTypeSetp()->items()[1], Qt::LeftButton);
        EXPECT_EQ(answer.opened(), 1);
        EXPECT_EQ(dialog.view->macroType(), before);
        EXPECT_EQ(dialog.view->macroTypeSetp()->selectIndex(), before + 1);
        QTest::mouseClick(dialog.view->okBtn(), Qt::LeftButton);
        EXPECT_EQ(dialog.view->tmpBtnInfo().KeyBit[0], uint32_t(before));
        EXPECT_EQ(dialog.view->tmpBtnInfo().KeyBit[1], 0u);
    }
}

// The count field takes 1..9999; above what the mouse holds it says so while the count is typed.
TEST_F(FunctionDialogsTest, ACountAboveTheMousesLimitIsToldAsItIsTyped) {
    TkeyRepeatView view;
    view.setRepeatCount(7);
    view.makeTxtFirstRes();
    EXPECT_EQ(view.countTxt()->text(), "7");
    EXPECT_EQ(view.limitTxt()->text(), "At most 255 times on the mouse");
    EXPECT_TRUE(view.limitTxt()->isHidden());
    QTest::keyClicks(view.countTxt(), QStringLiteral("255"));
    EXPECT_TRUE(view.limitTxt()->isHidden());
    QTest::keyClicks(view.countTxt(), QStringLiteral("5")); // 2555
    EXPECT_FALSE(view.limitTxt()->isHidden());
    QTest::keyClick(view.countTxt(), Qt::Key_Backspace);
    EXPECT_TRUE(view.limitTxt()->isHidden());
    QTest::keyClicks(view.countTxt(), QStringLiteral("99"));
    EXPECT_EQ(view.countTxt()->text(), "2559") << "four digits at most";
    view.countTxt()->selectAll();
    QTest::keyClicks(view.countTxt(), QStringLiteral("-0"));
    EXPECT_EQ(view.countTxt()->text(), "0") << "no sign";

    const auto macro = addMacro(3);
    Opened<TkeyView> dialog(_BTN_INFO{}, macro);
    bool told = false;
    CountWindowAnswer answer([&](TkeyRepeatView& count) {
        QTest::keyClicks(count.countTxt(), QStringLiteral("1000"));
        told = !count.limitTxt()->isHidden();
        QTest::mouseClick(count.okBtn(), Qt::LeftButton);
    });
    QTest::mouseClick(dialog.view->macroTypeSetp()->items()[1], Qt::LeftButton);
    EXPECT_TRUE(told);
    EXPECT_EQ(dialog.view->macroCount(), 1000) << "kept as typed, as the profile stores it";
    EXPECT_EQ(dialog.view->countLbl()->text(), "255 times") << "what the mouse will do";
}

// A profile file may hold any numbers: the dialog shows what the mouse makes of them and never
// writes back a mode it does not offer.
TEST_F(FunctionDialogsTest, ARecordOutsideTheDialogsRangeOpensAsTheMouseRunsIt) {
    const auto macro = addMacro(3);
    Opened<TkeyView> dialog(macroButton(*macro, 9, 0xFFFFFFFFu));
    EXPECT_EQ(dialog.view->macroTypeSetp()->selectIndex(), 1);
    EXPECT_EQ(dialog.view->macroType(), TkeyView::kOnce);
    EXPECT_EQ(dialog.view->macroCount(), TkeyRepeatView::kMaxCount);
    QTest::mouseClick(dialog.view->okBtn(), Qt::LeftButton);
    EXPECT_EQ(keyBits(dialog.view->tmpBtnInfo()), (std::vector<uint32_t>{0, 0, 0, 0}));
}

// The macro list is shared by every window that offers macros and outlives each dialog.
TEST_F(FunctionDialogsTest, TheSharedMacroListForgetsAClosedDialog) {
    const auto first = addMacro(2);
    const auto second = addMacro(4);
    {
        Opened<TkeyView> dialog;
        EXPECT_EQ(macroMenuList->delegate(), dialog.view);
        EXPECT_EQ(macroMenuList->menuWidth(), TkeyView::kListWidth);
        EXPECT_EQ(macroMenuList->node()->numberOfChildren(), 2);
    }
    EXPECT_EQ(macroMenuList->delegate(), nullptr);
    macroMenuList->showAt(QPoint(0, 0));
    pick(macroMenuList, nodeOf(*second)); // nobody listens: nothing happens

    Opened<TkeyView> again;
    QTest::mouseClick(again.view->selMacroBtn(), Qt::LeftButton);
    pick(macroMenuList, nodeOf(*second));
    EXPECT_EQ(again.view->selMacroInfo(), second);
}

// Every single function of the catalogue, and a macro in every run mode, as the dialogs write
// them, through the mouse and back.
TEST_F(FunctionDialogsTest, EveryAssignmentTheDialogsMakeComesBackFromTheMouse) {
    int n = 0;
    for (HvTreeNode* node : functions()) {
        const _BTN_INFO made = assignFunction(node, _BTN_INFO{});
        const _BTN_INFO read = writeAndReadBack(made, n % 5, (n / 5) % 5);
        const QString title = node->nodeData()->titleStr();
        EXPECT_EQ(read.btnType, made.btnType) << qPrintable(title);
        EXPECT_TRUE(sameFunction(read, made)) << qPrintable(title);
        ++n;
    }
    EXPECT_GT(n, 60);

    const auto macro = addMacro(12);
    KxAction::refreshMenuList();
    struct Case {
        int mode;
        const char* count;
        uint32_t readMode, readCount;
    };
    // The mouse runs a macro once for a count below 2, and at most 255 times.
    const Case cases[] = {{0, "", 0, 0},  {1, "5", 1, 5}, {1, "255", 1, 255}, {1, "1000", 1, 255},
                          {1, "1", 0, 1}, {2, "", 2, 0},  {3, "", 3, 0}};
    for (const Case& c : cases) {
        const _BTN_INFO made = assignMacro(macro, c.mode, c.count);
        EXPECT_EQ(made.KeyBit[0], uint32_t(c.mode));
        const _BTN_INFO read = writeAndReadBack(made, n % 5, (n / 5) % 5);
        EXPECT_EQ(read.btnType, KxButtonType::kMacro);
        EXPECT_EQ(read.MacroID, uint32_t(macro->macroId())) << "mode " << c.mode;
        EXPECT_EQ(read.KeyBit[0], c.readMode) << "mode " << c.mode << " count " << c.count;
        EXPECT_EQ(read.KeyBit[1], c.readCount) << "mode " << c.mode << " count " << c.count;
        ++n;
    }
}

// The run modes are one group of exclusive choices: radio buttons to a screen reader, whose press
// is a click, so that the group and the dialog follow it as they follow the pointer.
TEST_F(FunctionDialogsTest, TheRunModesAreRadioButtonsWhosePressIsAClick) {
    const auto macro = addMacro(3);
    Opened<TkeyView> dialog(_BTN_INFO{}, macro);
    const auto& items = dialog.view->macroTypeSetp()->items();
    pressAsScreenReader(items[2]); // while held
    EXPECT_EQ(checkedItems(dialog.view->macroTypeSetp()), std::vector<int>{3});
    EXPECT_EQ(dialog.view->macroType(), TkeyView::kWhileHeld);
    {
        CountWindowAnswer answer([](TkeyRepeatView& view) { type(view, "7"); });
        pressAsScreenReader(items[1]); // repeat count: asks for the count, as a click does
        EXPECT_EQ(answer.opened(), 1);
    }
    EXPECT_EQ(checkedItems(dialog.view->macroTypeSetp()), std::vector<int>{2});
    EXPECT_EQ(dialog.view->macroType(), TkeyView::kRepeatCount);
    EXPECT_EQ(dialog.view->macroCount(), 7);
    pressAsScreenReader(items[0]);
    EXPECT_EQ(checkedItems(dialog.view->macroTypeSetp()), std::vector<int>{1});
    EXPECT_EQ(dialog.view->macroType(), TkeyView::kOnce);
}

// A chooser says what it shows: its name stays what it chooses, its value is the entry chosen.
// The count beside the repeat item is named; its text is the count.
TEST_F(FunctionDialogsTest, TheChoosersSayTheEntryChosenAndTheCountIsNamed) {
    Opened<SingleKeyView> single;
    HvButton* function = single.view->selComBtn();
    EXPECT_EQ(spoken(function)->text(QAccessible::Name), "Function");
    EXPECT_EQ(chosen(function), "Choose a function");
    QTest::mouseClick(function, Qt::LeftButton);
    HvTreeNode* entry = functions().at(2);
    pick(single.view->comMenuList(), entry);
    EXPECT_EQ(spoken(function)->text(QAccessible::Name), "Function");
    EXPECT_EQ(chosen(function), entry->nodeData()->titleStr());

    addMacro(1);
    const auto macro = addMacro(2);
    Opened<TkeyView> dialog(macroButton(*macro, 1, 7));
    EXPECT_EQ(spoken(dialog.view->selMacroBtn())->text(QAccessible::Name), "Macro");
    EXPECT_EQ(chosen(dialog.view->selMacroBtn()), macro->nameStr());
    QAccessibleInterface* count = spoken(dialog.view->countLbl());
    EXPECT_EQ(count->text(QAccessible::Name), "Times the macro runs");
    ASSERT_TRUE(count->textInterface());
    EXPECT_EQ(count->textInterface()->text(0, count->textInterface()->characterCount()), "7 times");
    // Its list opens on the macro chosen.
    QTest::mouseClick(dialog.view->selMacroBtn(), Qt::LeftButton);
    ASSERT_TRUE(KxTest::waitFor([] { return macroMenuList->isVisible(); }));
    const QListWidgetItem* current = macroMenuList->listWidget()->currentItem();
    EXPECT_TRUE(current && current->text() == macro->nameStr());
    macroMenuList->hide();
}

// The function chooser behaves as a combo box: it opens on the button's own function when the
// list has it, the keys of a combo box open its list (Return there is the chooser's, not OK),
// and OK with nothing chosen says why instead of only moving the focus.
TEST_F(FunctionDialogsTest, TheFunctionChooserIsAComboBoxAndOkSaysWhyItWaits) {
    const auto entry = std::static_pointer_cast<MenuInfo>(functions().at(3)->nodeData());
    Opened<SingleKeyView> dialog(KxNames::functionRecord(*entry));
    HvButton* chooser = dialog.view->selComBtn();
    EXPECT_EQ(chosen(chooser), entry->titleStr()) << "the button's own function";
    ASSERT_TRUE(dialog.view->selMenuData());

    struct Key {
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
    };
    for (const Key& key : {Key{Qt::Key_Return, {}}, Key{Qt::Key_Down, {}}, Key{Qt::Key_Up, {}},
                           Key{Qt::Key_F4, {}}, Key{Qt::Key_Down, Qt::AltModifier}}) {
        SCOPED_TRACE(QKeySequence(key.key | key.modifiers).toString().toStdString());
        chooser->setFocus(Qt::TabFocusReason);
        QTest::keyClick(chooser, key.key, key.modifiers);
        EXPECT_TRUE(KxTest::waitFor([&] { return dialog.view->comMenuList()->isVisible(); }));
        EXPECT_EQ(dialog.closes, 0) << "the list opens; the dialog stays";
        const QListWidgetItem* current = dialog.view->comMenuList()->listWidget()->currentItem();
        EXPECT_TRUE(current && current->text() == entry->titleStr()) << "on the chosen entry";
        dialog.view->comMenuList()->hide();
    }

    Opened<SingleKeyView> launcher(before());
    EXPECT_EQ(chosen(launcher.view->selComBtn()), "Choose a function") << "not a single function";
    QTest::mouseClick(launcher.view->okBtn(), Qt::LeftButton);
    EXPECT_EQ(launcher.closes, 0);
    auto* told = launcher.view->findChild<HvAnnouncer*>();
    ASSERT_TRUE(told);
    EXPECT_EQ(told->message(), "Choose a function from the list first.");
    EXPECT_EQ(launcher.window.focusWidget(), launcher.view->selComBtn());
}

// The arrows move through the run modes without asking anything. The count is asked when the
// repeat item is chosen: by a click, by Space, or by Enter on the item the arrows reached (Enter
// is OK once the count was asked).
TEST_F(FunctionDialogsTest, ArrowingThroughTheRunModesAsksForNoCount) {
    const auto macro = addMacro(3);
    Opened<TkeyView> dialog(_BTN_INFO{}, macro);
    const auto& items = dialog.view->macroTypeSetp()->items();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog.window)) << "the keys go to the focus";
    items[0]->setFocus(Qt::TabFocusReason);
    {
        CountWindowAnswer answer([](TkeyRepeatView& view) { type(view, "", Qt::Key_Escape); });
        QTest::keyClick(items[0], Qt::Key_Down);
        QTest::keyClick(items[1], Qt::Key_Down);
        QTest::keyClick(items[2], Qt::Key_Up);
        // A click the keys set going (an item held down) would ask once it comes.
        ASSERT_TRUE(KxTest::waitFor([&] {
            return std::none_of(items.begin(), items.end(),
                                [](HvButton* b) { return b->isDown(); });
        }));
        EXPECT_EQ(answer.opened(), 0) << "passing the repeat item asks nothing";
    }
    ASSERT_TRUE(items[1]->hasFocus());
    EXPECT_EQ(dialog.view->macroType(), TkeyView::kRepeatCount);
    {
        CountWindowAnswer answer([](TkeyRepeatView& view) { type(view, "3"); });
        QTest::keyClick(items[1], Qt::Key_Return); // clicks a moment later
        EXPECT_TRUE(KxTest::waitFor([&] { return answer.opened() == 1; }))
            << "Enter on the repeat item the arrows reached";
    }
    EXPECT_EQ(dialog.view->macroCount(), 3);
    EXPECT_EQ(dialog.closes, 0);
    {
        CountWindowAnswer answer([](TkeyRepeatView& view) { type(view, "4"); });
        QTest::keyClick(items[1], Qt::Key_Space);
        EXPECT_EQ(answer.opened(), 1) << "Space";
    }
    EXPECT_EQ(dialog.view->macroCount(), 4);
    QTest::keyClick(items[1], Qt::Key_Return);
    EXPECT_EQ(dialog.closes, 1) << "asked: Enter is OK";
    EXPECT_EQ(dialog.view->tmpBtnInfo().KeyBit[0], 1u);
    EXPECT_EQ(dialog.view->tmpBtnInfo().KeyBit[1], 4u);
}

} // namespace
