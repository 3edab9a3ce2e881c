#include "AppMenu.h"

#include "HvButton.h"
#include "MainView.h"

#include <QColor>
#include <QCoreApplication>

AppMenu::AppMenu(MainView* view) : QMenu(view) {
    setWindowTitle(QCoreApplication::translate(
        "AppMenu", "Application menu")); // its name to assistive technology
    setObjectName(QStringLiteral("AppMenu"));
    const QColor accent = HvButton::accentColor();
    setStyleSheet(QStringLiteral("QMenu { background: #383838; color: white; border: 1px solid "
                                 "#000004; padding: 4px 0; }"
                                 "QMenu::item { padding: 5px 24px 5px 16px; }"
                                 "QMenu::item:selected { background: %1; }"
                                 "QMenu::separator { height: 1px; background: #2a2c31; margin: "
                                 "4px 8px; }")
                      .arg(accent.name()));
    about_ = addAction(QCoreApplication::translate("AppMenu", "About Kestrix Mouse"), view,
                       &MainView::aboutRequested);
    osd_ = addAction(QString(), view, [view] { view->osdClick(view->osdMenuTag()); });
    connect(this, &QMenu::aboutToShow, view, [this, view] {
        view->refreshOsdMenu();
        osd_->setText(view->osdMenuTitle());
    });
    // As the main view's button: nothing happens while the window is busy.
    appRules_ = addAction(QCoreApplication::translate("AppMenu", "Application rules…"), view,
                          [view] { view->buttonAction(view->control(MainView::kAppRulesTag)); });
    addSeparator();
    exportSetup_ = addAction(QCoreApplication::translate("AppMenu", "Export set-up…"), view,
                             &MainView::exportSetupAsked);
    importSetup_ = addAction(QCoreApplication::translate("AppMenu", "Import set-up…"), view,
                             &MainView::importSetupAsked);
    addSeparator();
    help_ = addAction(QCoreApplication::translate("AppMenu", "Help"), view, &MainView::openHelpPro);
    // The keys named, not the platform's: some platforms bind no key to quitting.
    help_->setShortcut(QKeySequence(Qt::Key_F1));
    addSeparator();
    quit_ = addAction(QCoreApplication::translate("AppMenu", "Quit"), view,
                      [view] { view->buttonAction(view->control(MainView::kCloseTag)); });
    quit_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
}
