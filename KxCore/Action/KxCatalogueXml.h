#pragma once

#include "HvAction.h"
#include "KxValues.h"

#include <pugixml.hpp>

#include <cstdint>

// The element and attribute reading shared by the catalogue's menus and its macro list
// ("MenuInfo.xml").

inline constexpr const char* kCatalogueItem = "Item";

inline int32_t catalogueDecimalAttribute(const pugi::xml_node& element, const char* name) {
    return kxDecimalValue(HvAction::getNodeAtrValue(element, name));
}
