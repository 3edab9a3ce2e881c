#include "KxGlobals.h"

#include "HvMouseAction.h"
#include "HvTreeNode.h"

HvDeviceRequester* sysDeviceReq = nullptr;
_Kx_PROFILE selProfile{};
_Kx_PROFILE currSetProfile{};
uint32_t currSetProfileID = 0;
QString sysPath;
ProfieController* sysProCon = nullptr;
TooltipManager* sysTooltip = nullptr;
std::unique_ptr<HvMouseAction> selMouseAction;
std::unique_ptr<HvTreeNode> singleMenuNode;
std::unique_ptr<HvTreeNode> macroInsertMenuNode;
std::unique_ptr<HvTreeNode> macroNode;
QList<std::shared_ptr<MacroInfo>> macroListArrs;
int32_t macroIdHighWater = 0;
