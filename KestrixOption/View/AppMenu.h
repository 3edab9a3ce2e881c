#pragma once

#include <QMenu>

class MainView;

// The application menu of the borderless main window, opened from the menu button in its drag
// strip or by a right click on the strip: About, the on-screen display switch, the application
// rules, the set-up's export and import, Help and Quit.
class AppMenu : public QMenu {
    Q_OBJECT
public:
    explicit AppMenu(MainView* view);

    QAction* aboutAction() const { return about_; }
    // Titled and tagged by the view just before the menu shows ("Hide the on-screen display" /
    // "Show the on-screen display").
    QAction* osdAction() const { return osd_; }
    QAction* appRulesAction() const { return appRules_; }
    QAction* exportSetupAction() const { return exportSetup_; }
    QAction* importSetupAction() const { return importSetup_; }
    QAction* helpAction() const { return help_; }
    QAction* quitAction() const { return quit_; }

private:
    QAction* about_ = nullptr;
    QAction* osd_ = nullptr;
    QAction* appRules_ = nullptr;
    QAction* exportSetup_ = nullptr;
    QAction* importSetup_ = nullptr;
    QAction* help_ = nullptr;
    QAction* quit_ = nullptr;
};
