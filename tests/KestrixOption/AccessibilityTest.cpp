// What assistive technology is told of every view, in this process: the Tab order each view's
// layout states.
#include "AppRulesView.h"
#include "CreateMacroView.h"
#include "DeviceProtocolTest.h"
#include "HvNoTitleWindow.h"
#include "KxLayouts.h"
#include "KxWidgetGlobals.h"
#include "LaunchChooserView.h"
#include "LightOptionView.h"
#include "MacroView.h"
#include "PerformanceView.h"
#include "PopDialogView.h"
#include "SingleKeyView.h"
#include "TabChain.h"
#include "TkeyRepeatView.h"
#include "TkeyView.h"

#include <QAccessible>
#include <QRegularExpression>
#include <QTest>

#include <functional>
#include <tuple>

namespace {

class AccessibilityTest : public DeviceProtocolTest {
protected:
    void SetUp() override {
        DeviceProtocolTest::SetUp();
        [[maybe_unused]] static const bool installed = (KxWidgets::install(), true);
        library->setCurrFWProfileIndex(0);
        library->refreshSelProfileFromData();
    }
};

std::string join(const std::vector<QString>& names) {
    return QStringList(names.begin(), names.end()).join(QStringLiteral(" → ")).toStdString();
}

// Tab goes through every view as its layout states: the layout's rows in their order; each
// dialog's window is described by its layout's sentence.
TEST_F(AccessibilityTest, EveryViewsTabOrderIsTheOneItsLayoutStates) {
    struct Case {
        const KxLayout::View& layout;
        std::function<RirImageView*()> make;
    };
    const Case cases[] = {
        {SingleKeyViewLayout::kView, [] { return new SingleKeyView; }},
        {TKeyViewLayout::kView, [] { return new TkeyView; }},
        {TKeyRepeatViewLayout::kView, [] { return new TkeyRepeatView; }},
        {CreateMacroLayout::kView, [] { return new CreateMacroView; }},
        {LaunchChooserLayout::kView, [] { return new LaunchChooserView; }},
        {MacroViewLayout::kView, [] { return new MacroView; }},
        {PerformanceLayout::kView, [] { return new PerformanceView; }},
        {LightOptionViewLayout::kView, [] { return new LightOptionView; }},
        {AppRulesLayout::kView, [] { return new AppRulesView; }},
        {AppChooserLayout::kView,
         [] { return new LaunchChooserView(LaunchChooserView::Purpose::RuleApplication); }},
    };
    for (const Case& c : cases) {
        HvNoTitleWindow window(QRect(QPoint(0, 0), c.layout.size));
        RirImageView* view = c.make();
        window.setContentView(view);
        const auto stated = TabChain::stated(view, c.layout);
        EXPECT_GE(stated.size(), 3u) << c.layout.name;
        EXPECT_EQ(join(TabChain::built(view, c.layout)), join(stated)) << c.layout.name;
        // Each dialog says in a sentence what it sets.
        const QString description =
            QAccessible::queryAccessibleInterface(&window)->text(QAccessible::Description);
        EXPECT_TRUE(description.endsWith(QLatin1Char('.')) && description.size() > 20)
            << c.layout.name << ": " << description.toStdString();
    }
}

// Speech input works by what a user sees: a control's name holds its visible text as a word
// ("New macro" for NEW, "Profile 1" for 1), and a pop-up's buttons are named by their text alone,
// what they do being their description.
TEST(AccessibleNames, HoldTheVisibleTextAndPopUpButtonsAreNamedByIt) {
    for (const KxLayout::View* view : KxLayout::kViews)
        for (const KxLayout::Control& row : view->controls) {
            if (row.label.empty() || row.spoken.empty())
                continue;
            QString seen = KxLayout::text(row.label).toLower();
            seen.remove(QChar(0x2026)); // an ellipsis says more follows; it is not said
            const QRegularExpression word(
                QStringLiteral("\\b%1\\b").arg(QRegularExpression::escape(seen)));
            EXPECT_TRUE(word.match(KxLayout::text(row.spoken).toLower()).hasMatch())
                << view->name << " " << row.name << ": " << row.label << " named " << row.spoken;
        }
    for (const PopupLayout::Popup& popup : PopupLayout::kPopups) {
        PopDialogView view(QRect(QPoint(0, 0), PopupLayout::kSize), KxLayout::text(popup.name),
                           popup.withCancel);
        view.addButtons(popup.okOrigin(), popup.cancelOrigin());
        const std::tuple<HvButton*, const char*, std::string_view> buttons[] = {
            {view.okBtn(), "OK", popup.okDoes}, {view.cancelBtn(), "Cancel", popup.cancelDoes}};
        EXPECT_EQ(bool(view.cancelBtn()), popup.withCancel) << popup.name;
        for (const auto& [button, name, does] : buttons) {
            if (!button)
                continue;
            const QAccessibleInterface* spoken = QAccessible::queryAccessibleInterface(button);
            EXPECT_EQ(spoken->text(QAccessible::Name), name) << popup.name;
            EXPECT_EQ(spoken->text(QAccessible::Description), KxLayout::text(does)) << popup.name;
        }
    }
}

} // namespace
