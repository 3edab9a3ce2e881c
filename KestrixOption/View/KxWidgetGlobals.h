#pragma once

class HvMenulist;
class HvNoTitleWindow;

// Process-wide state of the window's widgets, beside the core's (KxGlobals.h).

// The pop-up list of the shown macros; made by the first view that needs it, fed by
// KxAction::refreshMenuList after every rebuild of the macro node.
extern HvMenulist* macroMenuList;
// The loading window, made by the first showLoadViewPro and kept.
extern HvNoTitleWindow* showLoadFrm;

namespace KxWidgets {
// Registers the widgets with the core: the loading window as the transfers' load view, and
// macroMenuList as the receiver of each rebuilt macro node. Called once at start.
void install();
} // namespace KxWidgets
