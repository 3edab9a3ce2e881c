#pragma once

#include <QObject>

class HvNoTitleWindow;
class MainView;

// The configuration program's application object: makes the main window with its view, raises
// it when a second start asks, runs the About window, and ends the program when the view is done
// (with relaunch() telling whether the daemon was asked to start it again).
class AppDelegate : public QObject {
    Q_OBJECT
public:
    // The exit status of a window that ends to be started again by the daemon.
    static constexpr int kRelaunchExitCode = 3;

    AppDelegate();
    ~AppDelegate() override;

    // Shows the main window; its view reads the mouse behind the loading window.
    void applicationDidFinishLaunching();
    static bool applicationShouldTerminateAfterLastWindowClosed() { return true; }
    void showAboutPro();
    // Brings the window to the front (a second start asked).
    void raiseWindow();

    HvNoTitleWindow* window() const { return window_; }
    MainView* mainView() const { return view_; }
    bool relaunch() const { return relaunch_; }

private:
    HvNoTitleWindow* window_ = nullptr;
    MainView* view_ = nullptr;
    bool relaunch_ = false;
    bool ended_ = false;
};
