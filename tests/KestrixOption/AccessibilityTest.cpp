// What assistive technology is told of every view, in this process: the Tab order each view's
// layout states.
#include "CreateMacroView.h"
#include "DeviceProtocolTest.h"
#include "HvNoTitleWindow.h"
#include "KxLayouts.h"
#include "KxWidgetGlobals.h"
#include "LaunchChooserView.h"
#include "LightOptionView.h"
#include "MacroView.h"
#include "PerformanceView.h"
#include "SingleKeyView.h"
#include "TabChain.h"
#include "TkeyRepeatView.h"
#include "TkeyView.h"

#include <QAccessible>
#include <QTest>

#include <functional>

namespace {

class AccessibilityTest : public DeviceProtocolTest {
protected:
    void SetUp() override {
        DeviceProtocolTest::SetUp();
        static const bool installed = (KxWidgets::install(), true);
        (void)installed;
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

} // namespace
