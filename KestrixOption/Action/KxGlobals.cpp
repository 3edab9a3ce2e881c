#include "KxGlobals.h"

HvDeviceRequester* sysDeviceReq = nullptr;
