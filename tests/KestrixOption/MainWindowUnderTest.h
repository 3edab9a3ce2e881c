#pragma once

#include "EventLoopWait.h"
#include "HvNoTitleWindow.h"
#include "HvSetpPanelObj.h"
#include "HvTextField.h"
#include "KxAction.h"
#include "KxWidgetGlobals.h"
#include "MainView.h"
#include "MainViewLayout.h"
#include "ViewControls.h"

#include <QPointer>

#include <optional>

// The main window as the program makes it, for the tests that drive it: its view in a
// borderless window; `ended` holds the end the view asked for (true: to be started again).
class MainWindowUnderTest {
public:
    // Made and shown: entering the window starts the view's work (the mouse found and read).
    void openMainWindow() {
        window = new HvNoTitleWindow(QRect(QPoint(0, 0), MainViewLayout::kView.size));
        view = new MainView;
        QObject::connect(view, &MainView::terminateRequested,
                         [this](bool relaunch) { ended = relaunch; });
        window->setContentView(view);
        window->show();
    }
    // Gone, as at the program's end: its transfers are waited for.
    void closeMainWindow() {
        delete window.data();
        view = nullptr;
        ended.reset();
        KxAction::waitForTransfers(60000);
    }
    // Nothing modal runs and the loading window is hidden, or the window has ended.
    bool idle(int timeoutMs = 60000) const {
        // The save a transfer's end asks for runs on the saver's thread: the files are looked at
        // once it is done too.
        return KxTest::waitFor(
                   [&] {
                       return ended ||
                              (view && view->isModalSeron() == 0 && !showLoadFrm->isVisible());
                   },
                   timeoutMs) &&
               KxAction::waitForTransfers(timeoutMs);
    }

    // The window's controls by the names its layout gives them: the profiles, and the caption of
    // what the selected button (or the one under the pointer) does.
    HvSetpPanelObj* profiles() const { return named<HvSetpPanelObj>(view, "Profile"); }
    HvTextField* captionField() const { return named<HvTextField>(view, "btnSelTagCaptionTxt"); }
    QString caption() const { return captionField()->text(); }

    // The user's steps, as a click does them: a mouse button (1 to 5) selected, a control of the
    // view clicked, a launcher given to a button, Apply and its write waited for.
    void selectButton(int index) {
        view->selBtnSetp()->items()[size_t(index - 1)]->click();
        ASSERT_EQ(view->selBtnIndex(), index);
    }
    void click(int tag) const { view->control(tag)->click(); }
    void clickProfile(int profile) const { click(MainView::kProfile1Tag + profile - 1); }
    bool enabled(int tag) const { return view->control(tag)->isEnabled(); }
    void setLaunch(int button, const QString& path) {
        selectButton(button);
        ASSERT_TRUE(view->setLaunchPath(path)) << qPrintable(path);
    }
    void apply() {
        click(MainView::kApplyTag);
        ASSERT_TRUE(idle());
    }
    // Ended by the view (OK, Close, a lost mouse), waited for.
    bool waitForEnd(int timeoutMs = 60000) const {
        return KxTest::waitFor([&] { return ended.has_value(); }, timeoutMs);
    }

    QPointer<HvNoTitleWindow> window;
    MainView* view = nullptr;
    std::optional<bool> ended;
};
