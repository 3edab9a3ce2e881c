#pragma once

class HvMenulist;
class QString;
class HvNoTitleWindow;

// Process-wide state of the window's widgets, beside the core's (KxGlobals.h).

// The pop-up list of the shown macros; made by the first view that needs it, fed by
// KxAction::refreshMenuList after every rebuild of the macro node.
extern HvMenulist* macroMenuList;
// The loading window, made by the first showLoadViewPro and kept.
extern HvNoTitleWindow* showLoadFrm;
// The working copy of the selected profile has changes not yet written to the mouse: set by
// every reassignment of a button (the function dialogs' OK among them), cleared by Apply and by
// a profile switch; the main window enables Apply and OK by it.
extern bool isNeedSave;

namespace KxWidgets {
// Registers the widgets with the core: the loading window as the transfers' load view, and
// macroMenuList as the receiver of each rebuilt macro node. Called once at start.
void install();
// The text of a tooltip key in the desktop's language (sysTooltip), else the key itself.
QString tooltipText(const QString& key);
} // namespace KxWidgets
