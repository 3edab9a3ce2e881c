#pragma once

#include "KxRecords.h"

#include <QList>
#include <QString>

#include <memory>

class HvDeviceRequester;
class HvMouseAction;
class HvTreeNode;
class MacroInfo;
class ProfieController;
class TooltipManager;

// Process-wide state shared by the operations of KxAction. Each is defined once, in the core.

// The process's device requester; set by KxAction::startListenDev. Requests made before that
// are refused like requests to an absent mouse.
extern HvDeviceRequester* sysDeviceReq;

// The working copy of the selected profile: the views edit it, the profile library copies it
// into and out of the selected profile, the device protocol writes it to the mouse.
extern _Kx_PROFILE selProfile;

// The profile and on-board slot (0..4) being transferred to or from the mouse.
extern _Kx_PROFILE currSetProfile;
extern uint32_t currSetProfileID;

// The data folder, ${XDG_DATA_HOME:-~/.local/share}/com.vlak.KxOption (KxAction::getSysPath).
extern QString sysPath;

// The shared profile library and tooltip table, once the program has taken them.
extern ProfieController* sysProCon;
extern TooltipManager* sysTooltip;

// The desktop's mouse settings (pointer, scroll and double-click speed), made by
// KxAction::initSysPrePro.
extern std::unique_ptr<HvMouseAction> selMouseAction;

// The function menus and the macro library, loaded from "MenuInfo.xml".
extern std::unique_ptr<HvTreeNode> singleMenuNode;
extern std::unique_ptr<HvTreeNode> macroInsertMenuNode;
extern std::unique_ptr<HvTreeNode> macroNode;
extern QList<std::shared_ptr<MacroInfo>> macroListArrs;
// The largest macro id ever handed out, saved with the macro library ("LastMacroID" of
// "MacroList"): ids are never given twice, even after their macro was deleted.
extern int32_t macroIdHighWater;
