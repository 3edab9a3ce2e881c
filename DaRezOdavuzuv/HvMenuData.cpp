#include "HvMenuData.h"

HvMenuData::~HvMenuData() = default;
