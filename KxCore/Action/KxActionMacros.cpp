#include "KxAction.h"

#include "HvAction.h"
#include "HvLogger.h"
#include "HvTreeNode.h"
#include "KxCatalogueXml.h"
#include "KxGlobals.h"
#include "KxValues.h"
#include "MacroInfo.h"
#include "ProfieController.h"

#include <pugixml.hpp>

#include <algorithm>
#include <limits>

namespace {
constexpr const char* kLoopTime = "LoopTime";
constexpr const char* kKeyItem = "KeyItem";
constexpr const char* kDeviceCode = "deviceCode";

template <typename Condition>
std::shared_ptr<MacroInfo> findMacro(Condition condition) {
    for (const std::shared_ptr<MacroInfo>& macro : std::as_const(macroListArrs)) {
        if (macro && condition(*macro))
            return macro;
    }
    return nullptr;
}
} // namespace

void KxAction::addMacroInfoByEle(const pugi::xml_node& item) {
    auto macro = std::make_shared<MacroInfo>();
    macro->setLoopTime(kxDecimalValue(HvAction::getNodeValue(item, kLoopTime)));
    macro->setNameStr(HvAction::getNodeAtrValue(item, "title").value_or(QString()));
    macro->setMacroId(catalogueDecimalAttribute(item, "MacroID"));
    for (const pugi::xml_node key : item.children(kKeyItem)) {
        MacroKeyInfo step(catalogueDecimalAttribute(key, "keyCode"),
                          catalogueDecimalAttribute(key, "keyFlag"),
                          catalogueDecimalAttribute(key, "delay"));
        // Only where a step read from the mouse has one; a code out of range is left out (the
        // step is then written as its key).
        if (key.attribute(kDeviceCode)) {
            const int32_t code = catalogueDecimalAttribute(key, kDeviceCode);
            if (code >= 0 && code <= 0xFF)
                step.setDeviceCode(uint8_t(code));
        }
        macro->keyInfoArr().append(step);
    }
    macroListArrs.append(std::move(macro));
}

void KxAction::SaveMacroInfoToEle(pugi::xml_node& element, const MacroInfo& macro) {
    element.append_child(kLoopTime).text().set(macro.loopTime());
    for (const MacroKeyInfo& step : macro.keyInfoArr()) {
        pugi::xml_node key = element.append_child(kKeyItem);
        key.append_attribute("keyCode").set_value(step.keyCode());
        key.append_attribute("keyFlag").set_value(step.keyFlag());
        key.append_attribute("delay").set_value(step.delay());
        if (step.deviceCode())
            key.append_attribute(kDeviceCode).set_value(int(*step.deviceCode()));
    }
}

pugi::xml_node KxAction::addElementByNode(const MacroInfo& macro, pugi::xml_node& parent,
                                          const std::optional<QString>& itemName) {
    pugi::xml_node element =
        parent.append_child(itemName ? itemName->toUtf8().constData() : kCatalogueItem);
    HvAction::setNodeAtrValue(element, "title", macro.nameStr());
    element.append_attribute("MacroID").set_value(macro.macroId());
    SaveMacroInfoToEle(element, macro);
    return element;
}

std::shared_ptr<MacroInfo> KxAction::getMacroById(int32_t macroId) {
    return findMacro([&](const MacroInfo& macro) { return macro.macroId() == macroId; });
}

std::shared_ptr<MacroInfo> KxAction::getMacroByName(const QString& name) {
    return findMacro([&](const MacroInfo& macro) { return macro.nameStr() == name; });
}

std::optional<QString> KxAction::getMacroNameById(int32_t macroId) {
    const std::shared_ptr<MacroInfo> macro = getMacroById(macroId);
    if (!macro)
        return std::nullopt;
    return macro->nameStr();
}

bool KxAction::CheckTwoMacro(const MacroInfo& data1, const MacroInfo& data2) {
    const QList<MacroKeyInfo>& steps1 = data1.keyInfoArr();
    const QList<MacroKeyInfo>& steps2 = data2.keyInfoArr();
    return std::equal(steps1.begin(), steps1.end(), steps2.begin(), steps2.end(),
                      [](const MacroKeyInfo& a, const MacroKeyInfo& b) {
                          return a.keyCode() == b.keyCode() && a.keyFlag() == b.keyFlag() &&
                                 a.deviceCode() == b.deviceCode();
                      });
}

std::shared_ptr<MacroInfo> KxAction::getMacroByData(const MacroInfo& macro) {
    return findMacro([&](const MacroInfo& candidate) { return CheckTwoMacro(candidate, macro); });
}

int32_t KxAction::getNewMacorId() {
    int32_t largest = std::max(0, macroIdHighWater);
    for (const std::shared_ptr<MacroInfo>& macro : std::as_const(macroListArrs)) {
        if (macro)
            largest = std::max(largest, macro->macroId());
    }
    const QList<int32_t> referenced = sysProCon ? sysProCon->macroIdsInUse() : QList<int32_t>{};
    for (const int32_t id : referenced)
        largest = std::max(largest, id);
    if (largest < std::numeric_limits<int32_t>::max()) {
        macroIdHighWater = largest + 1;
        return largest + 1;
    }
    // Every id up to the largest was handed out: the smallest that no macro and no button uses,
    // rather than an overflow.
    int32_t id = 1;
    while (getMacroById(id) || referenced.contains(id))
        ++id;
    return id;
}

QString KxAction::getNewMacorName() {
    for (int n = 1;; ++n) {
        const QString name = QStringLiteral("%1_%2").arg(QStringLiteral("NewMacro")).arg(n);
        if (!getMacroByName(name))
            return name;
    }
}

std::shared_ptr<MacroInfo> KxAction::addMacorByName(const QString& name) {
    const int shown = macroNode ? macroNode->numberOfChildren() : 0;
    if (shown >= kMaxMacroCount) {
        HV_DEBUG(QStringLiteral("macro \"%1\" not added: %2 macros already").arg(name).arg(shown));
        return nullptr;
    }
    auto macro = std::make_shared<MacroInfo>();
    macro->setNameStr(name);
    macro->setMacroId(getNewMacorId());
    macroListArrs.append(macro);
    return macro;
}
