// The support library's widgets, offscreen: picture states, radio groups, number fields, menu
// lists, hover notifications, keyboard and screen-reader access.
#include "HvAccessible.h"
#include "HvAction.h"
#include "HvButton.h"
#include "HvMenuData.h"
#include "HvMenulist.h"
#include "HvMessageBox.h"
#include "HvNumberTextField.h"
#include "HvProgressBar.h"
#include "HvSetpPanelObj.h"
#include "HvTreeNode.h"
#include "Notifications/NotificationCenter.h"
#include "ShownWindows.h"

#include <QAccessible>
#include <QApplication>
#include <QListWidget>
#include <QMouseEvent>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <array>

// A view that shows the radio groups it holds as nodes of their own, as the window's views do.
class GroupingView : public QWidget {
    Q_OBJECT
public:
    using QWidget::QWidget;
};

namespace {

// Shows a window and makes it the active one, so that the keyboard focus can move in it.
void showActive(QWidget& window) {
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
}

QImage filled(const QColor& colour, const QSize& size = QSize(40, 20)) {
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(colour);
    return image;
}

// What a screen reader is told of a widget and does with it.
QAccessibleInterface* spoken(QObject* widget) {
    return QAccessible::queryAccessibleInterface(widget);
}
QStringList actionsOf(QObject* widget) {
    return spoken(widget)->actionInterface()->actionNames();
}
void act(QObject* widget, const QString& action) {
    ASSERT_TRUE(actionsOf(widget).contains(action)) << qPrintable(actionsOf(widget).join(", "));
    spoken(widget)->actionInterface()->doAction(action);
    QTest::qWait(250); // the click it stands for is animated
}

// Records a button's captured mouse events; captures all unless told not to.
struct Capture : HvButtonDelegate {
    bool checkMouseEvent(QObject*, QMouseEvent*) override { return capture; }
    void onMouseEvent(QObject*, QMouseEvent*, MouseEventType type) override {
        seen.push_back(type);
    }
    std::vector<MouseEventType> seen;
    bool capture = true;
};
using T = HvButtonDelegate::MouseEventType;

// A radio group's delegate: refuses one index, records the selections and the choices.
class Group : public HvSetpPanelDelegate {
public:
    bool shouldSelectIndex(int index, int, HvSetpPanelObj*) override { return index != refuse; }
    void onSelectIndex(int index, int old, HvSetpPanelObj*) override {
        told.push_back({index, old});
    }
    void onActivateIndex(int index, HvSetpPanelObj*) override { activated.push_back(index); }
    std::vector<std::pair<int, int>> told;
    std::vector<int> activated;
    int refuse = -1;
};

// A view with a button before a radio group of three and one after it, shown and active.
class HvSetpPanelObjTest : public testing::Test {
protected:
    void SetUp() override {
        HvAccessible::groupChildrenOf("GroupingView");
        before->setText(QStringLiteral("Before"));
        group->setAccessibleName(QStringLiteral("Polling rate"));
        group->setDelegate(&delegate);
        for (const char* rate : {"125 Hz", "500 Hz", "1000 Hz"}) {
            items.push_back(new HvButton(&window));
            items.back()->setGeometry(int(items.size()) * 40, 0, 38, 20);
            items.back()->setAccessibleName(QLatin1String(rate));
            group->addItem(items.back());
        }
        after = new HvButton(&window);
        after->setText(QStringLiteral("After"));
        showActive(window);
    }
    // The checked items, counted from 1.
    std::vector<int> checked() const {
        std::vector<int> out;
        for (size_t i = 0; i < items.size(); ++i)
            if (items[i]->isChecked())
                out.push_back(int(i) + 1);
        return out;
    }

    Group delegate;
    GroupingView window;
    HvButton* before = new HvButton(&window);
    HvSetpPanelObj* group = new HvSetpPanelObj(&window);
    std::vector<HvButton*> items;
    HvButton* after = nullptr;
};

TEST(HvButton, ShowsThePictureOfItsStateAndFallsBackToPressedForSelected) {
    HvButton button;
    button.resize(40, 20);
    const QImage normal = filled(Qt::red), over = filled(Qt::green), down = filled(Qt::blue),
                 disable = filled(Qt::gray);
    button.setImages(normal, over, down, disable);
    EXPECT_EQ(button.currentImage(), normal);
    QEnterEvent enter(QPointF(1, 1), QPointF(1, 1), QPointF(1, 1));
    QApplication::sendEvent(&button, &enter);
    EXPECT_EQ(button.currentImage(), over);
    button.setDown(true);
    EXPECT_EQ(button.currentImage(), down);
    button.setDown(false);
    button.setIsCheckBox(true);
    button.setChecked(true);
    EXPECT_EQ(button.currentImage(), down) << "no selected picture: the pressed one";
    const QImage selected = filled(Qt::yellow);
    button.setImages(normal, over, down, disable, selected);
    EXPECT_EQ(button.currentImage(), selected);
    button.setEnabled(false);
    EXPECT_EQ(button.currentImage(), disable);
}

// State pictures made later (cut from a view's still decoding) are made once, when a state first
// needs one, and never after pictures set outright replaced them.
TEST(HvButton, PicturesMadeLaterAreMadeOnceWhenAStateFirstNeedsThem) {
    HvButton button;
    button.resize(40, 20);
    int made = 0;
    const QImage normal = filled(Qt::red);
    button.setImages(normal, [&made]() -> std::array<QImage, 3> {
        ++made;
        return {filled(Qt::green), filled(Qt::blue), filled(Qt::gray)};
    });
    button.grab();
    EXPECT_EQ(made, 0) << "a button drawn in its normal state needs none";
    EXPECT_EQ(button.currentImage(), normal);
    button.setEnabled(false);
    button.grab();
    EXPECT_EQ(made, 1);
    EXPECT_EQ(button.currentImage(), filled(Qt::gray));
    button.setEnabled(true);
    button.setDown(true);
    EXPECT_EQ(button.currentImage(), filled(Qt::blue));
    EXPECT_EQ(button.overImage(), filled(Qt::green));
    EXPECT_EQ(made, 1);

    HvButton replaced;
    int late = 0;
    replaced.setImages(normal, [&late]() -> std::array<QImage, 3> {
        ++late;
        return {};
    });
    replaced.setImages(normal, filled(Qt::green), filled(Qt::blue), filled(Qt::gray));
    replaced.setEnabled(false);
    EXPECT_EQ(replaced.currentImage(), filled(Qt::gray));
    EXPECT_EQ(late, 0);
}

TEST(HvButton, HoverIsPostedOnlyWithADelegateAndCaptureModeTakesClicks) {
    std::vector<QString> posted;
    std::vector<QObject*> objects;
    auto& center = NotificationCenter::defaultCenter();
    const auto show =
        center.addObserver(QStringLiteral("HvNotifyShowTipNameStr"), [&](const Notification& n) {
            posted.push_back(n.name);
            objects.push_back(n.object.value<QObject*>());
        });
    const auto hide = center.addObserver(QStringLiteral("HvNotifyHideTipNameStr"),
                                         [&](const Notification& n) { posted.push_back(n.name); });
    HvButton button;
    button.resize(40, 20);
    QEnterEvent enter(QPointF(1, 1), QPointF(1, 1), QPointF(1, 1));
    QApplication::sendEvent(&button, &enter);
    EXPECT_TRUE(posted.empty()) << "no delegate: no notification";

    Capture delegate;
    button.setHvBtnDelege(&delegate);
    QApplication::sendEvent(&button, &enter);
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(&button, &leave);
    EXPECT_EQ(posted, (std::vector<QString>{"HvNotifyShowTipNameStr", "HvNotifyHideTipNameStr"}));
    EXPECT_EQ(objects, (std::vector<QObject*>{&button}));

    int clicks = 0;
    button.setAction([&](HvButton*) { ++clicks; });
    button.setIsCaptureMouseEvent(true);
    button.show();
    QTest::mouseClick(&button, Qt::LeftButton);
    QTest::mouseClick(&button, Qt::RightButton);
    EXPECT_EQ(clicks, 0) << "captured clicks do not act";
    EXPECT_EQ(delegate.seen, (std::vector<T>{T::LeftDown, T::LeftUp, T::RightDown, T::RightUp}));
    delegate.capture = false; // STOP stays usable while recording
    QTest::mouseClick(&button, Qt::LeftButton);
    EXPECT_EQ(clicks, 1);
    center.removeObserver(show);
    center.removeObserver(hide);
}

// While a macro is recorded the editor's buttons are off, yet a click on them is a step; a quick
// second click arrives as a double click and is a press like the first.
TEST(HvButton, CaptureModeTakesClicksOnADisabledButtonAndDoubleClicksAsPresses) {
    Capture delegate;
    HvButton button;
    button.resize(40, 20);
    button.setHvBtnDelege(&delegate);
    int clicks = 0;
    button.setAction([&](HvButton*) { ++clicks; });
    button.show();
    button.setEnabled(false);
    QTest::mouseClick(&button, Qt::LeftButton);
    EXPECT_TRUE(delegate.seen.empty()) << "not capturing: a disabled button takes nothing";
    button.setIsCaptureMouseEvent(true);
    QTest::mouseClick(&button, Qt::LeftButton);
    QMouseEvent second(QEvent::MouseButtonDblClick, QPointF(5, 5), QPointF(5, 5), Qt::LeftButton,
                       Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&button, &second);
    QTest::mouseRelease(&button, Qt::LeftButton);
    QTest::mouseClick(&button, Qt::MiddleButton);
    EXPECT_EQ(delegate.seen, (std::vector<T>{T::LeftDown, T::LeftUp, T::LeftDown, T::LeftUp,
                                             T::OtherDown, T::OtherUp}));
    button.setEnabled(true);
    button.setIsCaptureMouseEvent(false);
    QTest::mouseClick(&button, Qt::LeftButton);
    EXPECT_EQ(clicks, 1) << "out of capture mode it is a button again";
}

TEST(HvButton, IsReachedAndWorkedByKeyboardAndNamedForScreenReaders) {
    QWidget window;
    auto* first = new HvButton(&window);
    auto* second = new HvButton(&window);
    first->setToolTip(QStringLiteral("Apply"));
    second->setText(QStringLiteral("OK"));
    int firstClicks = 0, secondClicks = 0, rightClicks = 0;
    first->setAction([&](HvButton*) { ++firstClicks; });
    second->setAction([&](HvButton*) { ++secondClicks; });
    second->setRightAction([&](HvButton*) { ++rightClicks; });
    showActive(window);
    first->setFocus(Qt::TabFocusReason);
    QTest::keyClick(first, Qt::Key_Space);
    QTest::keyClick(&window, Qt::Key_Tab);
    ASSERT_TRUE(second->hasFocus());
    QTest::keyClick(second, Qt::Key_Return);
    QTest::qWait(300); // the click is animated
    EXPECT_EQ(firstClicks, 1);
    EXPECT_EQ(secondClicks, 1);
    QTest::mouseClick(second, Qt::RightButton);
    EXPECT_EQ(rightClicks, 1);
    EXPECT_EQ(secondClicks, 1);

    QAccessibleInterface* a = QAccessible::queryAccessibleInterface(first);
    ASSERT_TRUE(a);
    EXPECT_EQ(a->text(QAccessible::Name), QStringLiteral("Apply")) << "named by its tooltip";
    EXPECT_EQ(a->role(), QAccessible::Button);
    EXPECT_EQ(QAccessible::queryAccessibleInterface(second)->text(QAccessible::Name), "OK");
}

// A check box is toggled, a chooser (a button opening a list) says the entry chosen as its value
// and is pressed, an indicator only shows; every press and toggle is the button's click.
TEST(HvButton, ScreenReadersMeetItByItsRoleAndWorkItAsAClick) {
    QWidget window;
    auto* box = new HvButton(&window);
    box->setIsCheckBox(true);
    box->setAccessibleName(QStringLiteral("Show changes on screen"));
    auto* chooser = new HvButton(&window);
    chooser->setRole(HvButton::Role::Chooser);
    chooser->setAccessibleName(QStringLiteral("Macro"));
    chooser->setText(QStringLiteral("RepB"));
    auto* indicator = new HvButton(&window);
    indicator->setIsCheckBox(true);
    indicator->setRole(HvButton::Role::Indicator);
    indicator->setFocusPolicy(Qt::NoFocus);
    int boxClicks = 0, chooserClicks = 0, indicatorClicks = 0;
    box->setAction([&](HvButton*) { ++boxClicks; });
    chooser->setAction([&](HvButton*) { ++chooserClicks; });
    indicator->setAction([&](HvButton*) { ++indicatorClicks; });
    showActive(window);

    EXPECT_EQ(spoken(box)->role(), QAccessible::CheckBox);
    EXPECT_FALSE(actionsOf(box).contains(QAccessibleActionInterface::pressAction()));
    act(box, QAccessibleActionInterface::toggleAction());
    EXPECT_EQ(boxClicks, 1) << "the toggle reaches the button's action";
    EXPECT_TRUE(box->isChecked());
    EXPECT_TRUE(spoken(box)->state().checked);

    QAccessibleInterface* a = spoken(chooser);
    EXPECT_EQ(a->role(), QAccessible::ComboBox);
    EXPECT_EQ(a->text(QAccessible::Name), "Macro");
    EXPECT_EQ(a->text(QAccessible::Value), "RepB");
    ASSERT_TRUE(a->textInterface());
    EXPECT_EQ(a->textInterface()->text(0, a->textInterface()->characterCount()), "RepB");
    chooser->setText(QStringLiteral("Reload"));
    EXPECT_EQ(a->text(QAccessible::Value), "Reload") << "the entry chosen now";
    act(chooser, QAccessibleActionInterface::pressAction());
    EXPECT_EQ(chooserClicks, 1);

    EXPECT_EQ(spoken(indicator)->role(), QAccessible::CheckBox);
    EXPECT_TRUE(spoken(indicator)->state().readOnly);
    EXPECT_FALSE(actionsOf(indicator).contains(QAccessibleActionInterface::toggleAction()));
    EXPECT_FALSE(actionsOf(indicator).contains(QAccessibleActionInterface::pressAction()));
    spoken(indicator)->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
    QTest::qWait(250);
    EXPECT_EQ(indicatorClicks, 0);
}

TEST(HvButton, AShapedButtonIsOnlyWhereItsPictureIs) {
    QWidget window;
    window.resize(60, 40);
    auto* below = new HvButton(&window);
    below->setGeometry(0, 0, 60, 40);
    auto* shaped = new HvButton(&window);
    shaped->setGeometry(0, 0, 60, 40);
    QImage half(60, 40, QImage::Format_ARGB32_Premultiplied);
    half.fill(Qt::transparent);
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 30; ++x)
            half.setPixelColor(x, y, Qt::red);
    shaped->setImages(half, half, half, half);
    shaped->setIsNoanomaly(true);
    window.show();
    int shapedClicks = 0;
    shaped->setAction([&](HvButton*) { ++shapedClicks; });
    EXPECT_EQ(window.childAt(10, 10), shaped);
    EXPECT_EQ(window.childAt(50, 10), below) << "the transparent half lets events through";
    QTest::mouseClick(shaped, Qt::LeftButton, {}, QPoint(10, 10));
    EXPECT_EQ(shapedClicks, 1);
}

TEST_F(HvSetpPanelObjTest, CallbacksWithOldIndexRefusalsAndProgrammaticSelection) {
    EXPECT_TRUE(group->setSelectIndex(1)) << "the program selects";
    EXPECT_EQ(delegate.told, (std::vector<std::pair<int, int>>{{1, 0}})) << "old index 0 first";
    QTest::mouseClick(items[2], Qt::LeftButton);
    EXPECT_EQ(delegate.told.back(), (std::pair<int, int>{3, 1}));
    EXPECT_EQ(checked(), std::vector<int>{3});

    delegate.refuse = 2;
    QTest::mouseClick(items[1], Qt::LeftButton);
    EXPECT_EQ(group->selectIndex(), 3) << "refused: the old one stays";
    EXPECT_EQ(checked(), std::vector<int>{3});
    QTest::mouseClick(items[2], Qt::LeftButton); // clicking the chosen one keeps it chosen
    EXPECT_EQ(checked(), std::vector<int>{3});
    EXPECT_FALSE(group->setSelectIndex(4));
    EXPECT_FALSE(group->setSelectIndex(0));
}

// A group's members are radio buttons in a node named by the group; a press is their click, so
// the group keeps one checked and its delegate hears a choice. The arrows pass over members
// without choosing them, and take the focus along; Space chooses.
TEST_F(HvSetpPanelObjTest, ItsItemsAreRadioButtonsOfANamedGroupAndAPressIsAChoice) {
    QAccessibleInterface* view = spoken(&window);
    ASSERT_EQ(view->childCount(), 3) << "before, the group, after";
    EXPECT_EQ(view->child(0)->object(), before);
    EXPECT_EQ(view->child(2)->object(), after);
    QAccessibleInterface* panel = view->child(1);
    EXPECT_EQ(panel->role(), QAccessible::Grouping);
    EXPECT_EQ(panel->text(QAccessible::Name), "Polling rate");
    EXPECT_EQ(view->indexOfChild(panel), 1);
    EXPECT_EQ(panel->parent()->object(), &window);
    ASSERT_EQ(panel->childCount(), 3);
    for (int i = 0; i < 3; ++i) {
        QAccessibleInterface* item = panel->child(i);
        EXPECT_EQ(item->object(), items[size_t(i)]);
        EXPECT_EQ(item->parent()->object(), group);
        EXPECT_EQ(panel->indexOfChild(item), i);
        EXPECT_EQ(item->role(), QAccessible::RadioButton);
        EXPECT_FALSE(
            actionsOf(items[size_t(i)]).contains(QAccessibleActionInterface::toggleAction()));
    }
    EXPECT_TRUE(panel->rect().contains(spoken(items[2])->rect()));

    act(items[1], QAccessibleActionInterface::pressAction());
    EXPECT_EQ(checked(), std::vector<int>{2});
    act(items[2], QAccessibleActionInterface::pressAction());
    EXPECT_EQ(checked(), std::vector<int>{3});
    EXPECT_EQ(delegate.activated, (std::vector<int>{2, 3}));
    delegate.refuse = 1;
    act(items[0], QAccessibleActionInterface::pressAction());
    EXPECT_EQ(checked(), std::vector<int>{3}) << "refused, as a click is";
    EXPECT_EQ(delegate.activated, (std::vector<int>{2, 3}));

    delegate.refuse = -1;
    items[2]->setFocus(Qt::TabFocusReason);
    QTest::keyClick(items[2], Qt::Key_Left);
    EXPECT_EQ(group->selectIndex(), 2);
    EXPECT_TRUE(items[1]->hasFocus());
    EXPECT_EQ(delegate.activated, (std::vector<int>{2, 3})) << "passed over, not chosen";
    QTest::keyClick(items[1], Qt::Key_Space);
    EXPECT_EQ(delegate.activated, (std::vector<int>{2, 3, 2}));
    EXPECT_EQ(checked(), std::vector<int>{2});
}

// A group is one Tab stop, on its checked item (the first that can take the focus while none
// is), as a radio group of any toolkit is; the arrows move within it. Space on the checked item
// leaves it checked without a flicker of its state that a screen reader would say twice.
TEST_F(HvSetpPanelObjTest, IsOneTabStopOnItsCheckedItemAndSpaceThereChangesNothing) {
    const auto tabFrom = [&](QWidget* from, bool back = false) {
        from->setFocus(Qt::TabFocusReason);
        QTest::keyClick(&window, back ? Qt::Key_Backtab : Qt::Key_Tab);
        return QApplication::focusWidget();
    };

    EXPECT_EQ(tabFrom(before), items[0]) << "nothing checked: the first item";
    EXPECT_EQ(tabFrom(items[0]), after) << "one stop for the group";
    items[0]->setEnabled(false);
    EXPECT_EQ(tabFrom(before), items[1]) << "the first that can take the focus";
    items[0]->setEnabled(true);

    group->setSelectIndex(3);
    EXPECT_EQ(tabFrom(before), items[2]);
    EXPECT_EQ(tabFrom(after, true), items[2]);
    EXPECT_EQ(tabFrom(items[2], true), before);
    QTest::keyClick(items[2], Qt::Key_Up);
    EXPECT_EQ(QApplication::focusWidget(), items[1]) << "the arrows move within the group";
    EXPECT_EQ(tabFrom(before), items[1]) << "the stop follows the checked item";

    int toggles = 0;
    for (HvButton* item : items)
        QObject::connect(item, &QAbstractButton::toggled, [&] { ++toggles; });
    items[1]->setFocus(Qt::TabFocusReason);
    QTest::keyClick(items[1], Qt::Key_Space);
    EXPECT_TRUE(items[1]->isChecked());
    EXPECT_EQ(toggles, 0) << "a checked radio is not unchecked and checked again";
    act(items[1], QAccessibleActionInterface::pressAction());
    EXPECT_EQ(toggles, 0);
}

TEST(HvNumberTextField, KeepsToItsRangeLengthAndSign) {
    HvNumberTextField field;
    field.setLimits(100, 3500, 4, false);
    std::vector<int> reported;
    field.setAction([&](HvNumberTextField* f) { reported.push_back(f->intValue()); });
    field.setIntValue(1200);
    showActive(field);
    field.setFocus();
    field.selectAll();
    QTest::keyClicks(&field, QStringLiteral("-98765x"));
    EXPECT_EQ(field.text(), "9876") << "no sign, no letter, at most four characters";
    field.commit();
    EXPECT_EQ(field.intValue(), 3500);
    field.setText(QStringLiteral("12"));
    field.commit();
    EXPECT_EQ(field.intValue(), 100);
    field.setText(QString());
    field.commit();
    EXPECT_EQ(field.text(), "100") << "no number: the last accepted value";
    EXPECT_EQ(reported, (std::vector<int>{3500, 100, 100}));

    field.setLimits(-50, 50, 3, true);
    field.setText(QStringLiteral("-7"));
    field.commit();
    EXPECT_EQ(field.intValue(), -7);
}

// A number field is editable text with a value and its range to assistive technology: its
// whole text and its selection as they are, a value set as typed and committed.
TEST(HvNumberTextField, IsTextWithAValueAndRangeToAScreenReader) {
    HvNumberTextField field;
    field.setLimits(100, 3500, 4, false);
    std::vector<int> reported;
    field.setAction([&](HvNumberTextField* f) { reported.push_back(f->intValue()); });
    field.setIntValue(800);
    field.selectAll();
    QAccessibleInterface* spoken = QAccessible::queryAccessibleInterface(&field);
    ASSERT_TRUE(spoken && spoken->textInterface() && spoken->editableTextInterface() &&
                spoken->valueInterface());
    EXPECT_EQ(spoken->role(), QAccessible::EditableText);
    EXPECT_TRUE(spoken->state().editable);
    QAccessibleTextInterface* text = spoken->textInterface();
    EXPECT_EQ(text->characterCount(), 3);
    EXPECT_EQ(text->text(0, text->characterCount()), "800");
    int start = -1, end = -1;
    text->selection(0, &start, &end);
    EXPECT_EQ(std::pair(start, end), std::pair(0, 3)) << "the whole of it selected";
    EXPECT_EQ(spoken->valueInterface()->currentValue().toInt(), 800);
    EXPECT_EQ(spoken->valueInterface()->minimumValue().toInt(), 100);
    EXPECT_EQ(spoken->valueInterface()->maximumValue().toInt(), 3500);
    spoken->valueInterface()->setCurrentValue(5000);
    EXPECT_EQ(field.text(), "3500") << "brought into the range";
    EXPECT_EQ(reported, std::vector<int>{3500});
    spoken->editableTextInterface()->replaceText(0, 4, QStringLiteral("1200"));
    EXPECT_EQ(field.text(), "1200");
}

// Every change of the value runs the action once, whoever made it: the pointer, the keys, a
// screen reader (QAccessibleValueInterface) or the program.
TEST(HvProgressBar, EveryChangeOfItsValueRunsItsActionOnceWhoeverMadeIt) {
    HvProgressBar bar;
    bar.resize(200, 20);
    bar.setRange(0, 3);
    QImage knob = filled(Qt::white, QSize(14, 20));
    bar.setSliderImage(knob);
    std::vector<int> heard;
    bar.setAction([&](HvProgressBar* b) { heard.push_back(b->value()); });
    bar.show();
    EXPECT_EQ(bar.positionOf(0), 7);
    EXPECT_EQ(bar.positionOf(3), 193);
    QTest::mouseClick(&bar, Qt::LeftButton, {}, QPoint(bar.positionOf(2) + 3, 10));
    EXPECT_EQ(bar.value(), 2);
    bar.setFocus();
    QTest::keyClick(&bar, Qt::Key_Right);
    QApplication::processEvents();
    EXPECT_EQ(bar.value(), 3);
    QTest::keyClick(&bar, Qt::Key_Right); // at the end: no change, nothing heard
    QApplication::processEvents();
    EXPECT_EQ(heard, (std::vector<int>{2, 3}));

    bar.setValue(1); // the program
    bar.setValue(1); // the same value: nothing
    QAccessibleInterface* spoken = QAccessible::queryAccessibleInterface(&bar);
    ASSERT_TRUE(spoken);
    EXPECT_EQ(spoken->role(), QAccessible::Slider);
    ASSERT_TRUE(spoken->valueInterface());
    spoken->valueInterface()->setCurrentValue(0);
    EXPECT_EQ(bar.value(), 0);
    spoken->valueInterface()->setCurrentValue(9); // beyond the range: its end
    EXPECT_EQ(bar.value(), 3);
    EXPECT_EQ(heard, (std::vector<int>{2, 3, 1, 0, 3}));

    // A drag reports each value it crosses once, however many moves it takes.
    heard.clear();
    QTest::mousePress(&bar, Qt::LeftButton, {}, QPoint(bar.positionOf(0), 10));
    QTest::mouseMove(&bar, QPoint(bar.positionOf(0) + 2, 10));
    QTest::mouseMove(&bar, QPoint(bar.positionOf(1), 10));
    QTest::mouseMove(&bar, QPoint(bar.positionOf(1) + 2, 10));
    QTest::mouseRelease(&bar, Qt::LeftButton, {}, QPoint(bar.positionOf(1) + 2, 10));
    EXPECT_EQ(heard, (std::vector<int>{0, 1}));
}

// A screen reader is told the value in the user's units and in the words a user sees: a DPI
// slider kept in hundreds says 1600 and "1600 DPI", and takes 2000 as 20.
TEST(HvProgressBar, TellsItsValueInTheUsersUnitsAndWords) {
    HvProgressBar bar;
    bar.setRange(1, 35);
    bar.setPageStep(5);
    bar.setValue(16);
    bar.setSpoken({100, 0, [](int dpi) { return QStringLiteral("%1 DPI").arg(dpi); }});
    QAccessibleInterface* spoken = QAccessible::queryAccessibleInterface(&bar);
    ASSERT_TRUE(spoken && spoken->valueInterface());
    QAccessibleValueInterface* value = spoken->valueInterface();
    EXPECT_EQ(value->currentValue().toInt(), 1600);
    EXPECT_EQ(value->minimumValue().toInt(), 100);
    EXPECT_EQ(value->maximumValue().toInt(), 3500);
    EXPECT_EQ(value->minimumStepSize().toInt(), 100);
    EXPECT_EQ(spoken->text(QAccessible::Value), "1600 DPI");
    EXPECT_EQ(spoken->text(QAccessible::Description), "1600 DPI");
    value->setCurrentValue(2000);
    EXPECT_EQ(bar.value(), 20);
    value->setCurrentValue(2049); // between two steps: the nearest
    EXPECT_EQ(bar.value(), 20);
    EXPECT_EQ(spoken->text(QAccessible::Value), "2000 DPI");

    HvProgressBar stage;
    stage.setRange(0, 3);
    stage.setSpoken({1, 1, [](int n) { return QStringLiteral("Stage %1 of 4").arg(n); }});
    QAccessibleInterface* stageSpoken = QAccessible::queryAccessibleInterface(&stage);
    EXPECT_EQ(stageSpoken->valueInterface()->currentValue().toInt(), 1) << "counts from 1";
    EXPECT_EQ(stageSpoken->text(QAccessible::Value), "Stage 1 of 4");
}

TEST(HvMenulist, ListsTheNodesChildrenAndAnEmptyNodeShowsNothing) {
    auto root = HvTreeNode::makeRoot();
    HvMenulist list(root.get());
    list.showAt(QPoint(0, 0));
    EXPECT_FALSE(list.isVisible()) << "no children: nothing";
    for (const auto& [title, type] :
         {std::pair("Mouse", 2), std::pair("Left click", 0), std::pair("Right click", 0)}) {
        auto data = std::make_shared<HvMenuData>();
        data->setTitleStr(QLatin1String(title));
        data->setType(type);
        HvTreeNode::initWithData(data, *root);
    }
    struct Picked : HvMenulistDelegate {
        HvTreeNode* node = nullptr;
        void onMenulistSelected(HvMenulist*, HvTreeNode* picked) override { node = picked; }
    } delegate;
    list.setDelegate(&delegate);
    list.showAt(QPoint(0, 0));
    ASSERT_TRUE(list.isVisible());
    EXPECT_EQ(list.listWidget()->count(), 3);
    EXPECT_FALSE(list.listWidget()->item(0)->flags() & Qt::ItemIsEnabled) << "a heading";
    EXPECT_EQ(list.listWidget()->currentRow(), 1) << "the first entry that can be picked";
    QTest::keyClick(list.listWidget(), Qt::Key_Down);
    QTest::keyClick(list.listWidget(), Qt::Key_Return);
    EXPECT_EQ(delegate.node, root->children()[2].get());
    EXPECT_FALSE(list.isVisible());
}

// The program's own message box: Enter is OK, Escape is Cancel; OK alone when asked so.
TEST(HvMessageBox, AnswersByKeyAndShowsCancelOnlyForAQuestion) {
    for (const auto& [key, expected] :
         {std::pair(Qt::Key_Return, true), std::pair(Qt::Key_Escape, false)}) {
        QTimer::singleShot(0, [key = key] {
            for (HvMessageBox* box : shownMessageBoxes()) {
                EXPECT_TRUE(box->cancelButton());
                QTest::keyClick(box, key);
            }
        });
        EXPECT_EQ(HvAction::ChooseInfoMessage(QStringLiteral("Clear all steps?")), expected);
    }
    HvMessageBox info(QStringLiteral("Saved"), false);
    EXPECT_FALSE(info.cancelButton());
}

} // namespace

#include "HvWidgetsTest.moc"
