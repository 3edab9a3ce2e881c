#include "KxAction.h"

#include "HvAction.h"
#include "HvLogger.h"
#include "HvTreeNode.h"
#include "KxCatalogueXml.h"
#include "KxGlobals.h"
#include "KxValues.h"
#include "MacroInfo.h"
#include "MenuInfo.h"
#include "TooltipManager.h"

#include <QDir>

#include <pugixml.hpp>

#include <algorithm>
#include <utility>

namespace {
const QString kCatalogueName = QStringLiteral("MenuInfo.xml");
constexpr const char* kMacroList = "MacroList";
constexpr const char* kMacroComMenu = "MacroComMenu";
constexpr const char* kSingleMenu = "SingleMenu";
constexpr const char* kLastMacroId = "LastMacroID";

KxAction::MacroNodeHandler& macroNodeHandler() {
    static KxAction::MacroNodeHandler handler;
    return handler;
}

QString cataloguePath() {
    return QDir(sysPath).filePath(kCatalogueName);
}

int32_t hexAttribute(const pugi::xml_node& element, const char* name) {
    const std::optional<QString> text = HvAction::getNodeAtrValue(element, name);
    return text ? HvAction::getIntValueByHex(*text) : 0;
}

// The catalogue, present in the data folder (copied from the resources when missing) and
// parsed; none with a log line otherwise. Parsing is quick enough to be done for every save, so
// an edit made to the file in the meantime is never lost.
std::unique_ptr<pugi::xml_document> loadCatalogue() {
    if (sysPath.isEmpty()) {
        HV_WARNING(QStringLiteral("MenuInfo.xml: the data folder is not set"));
        return nullptr;
    }
    if (!HvAction::checkAddCopyFileFromResourceWithPath(sysPath, kCatalogueName)) {
        HV_WARNING(QStringLiteral("MenuInfo.xml: cannot be made present in %1").arg(sysPath));
        return nullptr;
    }
    std::unique_ptr<pugi::xml_document> document = HvAction::loadXmlFromPath(cataloguePath());
    if (!document)
        HV_WARNING(QStringLiteral("MenuInfo.xml: %1 cannot be read as XML").arg(cataloguePath()));
    return document;
}

// First child of the tree's root whose entry satisfies the condition.
template <typename Condition>
std::shared_ptr<MenuInfo> findEntry(const HvTreeNode* root, Condition condition) {
    if (!root)
        return nullptr;
    for (const auto& child : root->children()) {
        auto entry = std::dynamic_pointer_cast<MenuInfo>(child->nodeData());
        if (entry && condition(*entry))
            return entry;
    }
    return nullptr;
}

std::optional<QString> titleOf(const std::shared_ptr<MenuInfo>& entry) {
    if (!entry)
        return std::nullopt;
    return entry->titleStr();
}
} // namespace

void KxAction::initMenuList() {
    macroListArrs.clear();
    macroIdHighWater = 0;
    // The menus are built from this file only; a failed load leaves them unbuilt.
    singleMenuNode.reset();
    macroInsertMenuNode.reset();

    const std::unique_ptr<pugi::xml_document> document = loadCatalogue();
    if (!document) {
        HV_WARNING(QStringLiteral("MenuInfo.xml: no macros and no menus"));
        return;
    }
    const pugi::xml_node root = document->document_element();
    if (const pugi::xml_node macroList = root.child(kMacroList))
        initMacroList(macroList);
    if (const pugi::xml_node macroComMenu = root.child(kMacroComMenu))
        initMacroInsertMenulist(macroComMenu);
    if (const pugi::xml_node singleMenu = root.child(kSingleMenu))
        initSingleMenulist(singleMenu);
}

void KxAction::reloadMacroLibrary() {
    const std::unique_ptr<pugi::xml_document> document = loadCatalogue();
    if (!document) {
        HV_WARNING(QStringLiteral("MenuInfo.xml: the macros stay as they were"));
        return;
    }
    macroListArrs.clear();
    macroIdHighWater = 0;
    if (const pugi::xml_node macroList = document->document_element().child(kMacroList))
        initMacroList(macroList);
}

void KxAction::initMacroList(const pugi::xml_node& macroList) {
    // A mark that is no number, or below zero, is no mark: the ids in use still count.
    macroIdHighWater = std::max(0, catalogueDecimalAttribute(macroList, kLastMacroId));
    for (const pugi::xml_node item : macroList.children(kCatalogueItem))
        addMacroInfoByEle(item);
}

void KxAction::initSingleMenulist(const pugi::xml_node& singleMenu) {
    singleMenuNode = HvTreeNode::makeRoot();
    initMenuPro(*singleMenuNode, singleMenu, true);
}

void KxAction::initMacroInsertMenulist(const pugi::xml_node& macroComMenu) {
    macroInsertMenuNode = HvTreeNode::makeRoot();
    initMenuPro(*macroInsertMenuNode, macroComMenu, true);
}

void KxAction::initMenuPro(HvTreeNode& root, const pugi::xml_node& menu, bool isTooltip) {
    for (const pugi::xml_node item : menu.children(kCatalogueItem))
        addNodeByEle(item, root);
    if (isTooltip)
        initNodeTooltip(root);
}

HvTreeNode* KxAction::addNodeByEle(const pugi::xml_node& item, HvTreeNode& parent) {
    auto entry = std::make_shared<MenuInfo>();
    entry->setTitleStr(HvAction::getNodeAtrValue(item, "title").value_or(QString()));
    entry->setType(catalogueDecimalAttribute(item, "type"));
    entry->setFunctionID(hexAttribute(item, "functionID"));
    entry->setFunctionTableID(hexAttribute(item, "functionTableID"));
    entry->setNeedSepretor(catalogueDecimalAttribute(item, "NeedSepretor") != 0);
    entry->setToolTipTag(HvAction::getNodeAtrValue(item, "TooltipTag"));
    entry->setKeyBit1(hexAttribute(item, "KeyBit1"));
    entry->setKeyBit2(hexAttribute(item, "KeyBit2"));
    entry->setKeyBit3(hexAttribute(item, "KeyBit3"));
    entry->setKeyBit4(hexAttribute(item, "KeyBit4"));
    return HvTreeNode::initWithData(std::move(entry), parent);
}

void KxAction::initNodeTooltip(HvTreeNode& root) {
    const TooltipManager* tooltips =
        sysTooltip ? sysTooltip : TooltipManager::shareTooltipManager();
    for (const auto& child : root.children()) {
        auto entry = std::dynamic_pointer_cast<MenuInfo>(child->nodeData());
        if (!entry || !entry->toolTipTag() || entry->toolTipTag()->isEmpty())
            continue;
        const std::optional<QString> text = tooltips->getTooltip(*entry->toolTipTag());
        if (text && !text->isEmpty())
            entry->setTitleStr(*text);
    }
}

void KxAction::refreshMenuList() {
    if (!macroNode)
        macroNode = HvTreeNode::makeRoot();
    macroNode->removeAllChild();
    for (const std::shared_ptr<MacroInfo>& macro : macroListArrs) {
        if (macro && !macro->isNoDisplay())
            HvTreeNode::initWithData(MenuInfo::initWithMacroData(macro), *macroNode);
    }
    // The macro list widget lives in the window's code; it shows the rebuilt node from here.
    if (macroNodeHandler())
        macroNodeHandler()(*macroNode);
}

void KxAction::setMacroMenuListHandler(MacroNodeHandler handler) {
    macroNodeHandler() = std::move(handler);
}

bool KxAction::saveMenuList() {
    const std::unique_ptr<pugi::xml_document> document = loadCatalogue();
    if (!document) {
        HV_WARNING(QStringLiteral("MenuInfo.xml: macros not saved"));
        return false;
    }
    pugi::xml_node root = document->document_element();
    pugi::xml_node macroList = root.child(kMacroList);
    if (!macroList) {
        // Without the element the library would never reach the file; make it, first in the root.
        HV_WARNING(QStringLiteral("MenuInfo.xml: no MacroList, made one"));
        macroList = root.prepend_child(kMacroList);
    }
    macroList.remove_children();
    macroList.remove_attribute(kLastMacroId);
    macroList.append_attribute(kLastMacroId).set_value(macroIdHighWater);
    for (const std::shared_ptr<MacroInfo>& macro : std::as_const(macroListArrs)) {
        if (macro && !macro->isNoDisplay())
            addElementByNode(*macro, macroList);
    }
    if (!HvAction::saveXmlToPath(*document, cataloguePath())) {
        HV_WARNING(QStringLiteral("MenuInfo.xml: macros not saved"));
        return false;
    }
    return true;
}

std::shared_ptr<MenuInfo> KxAction::getSingleById(int32_t functionId) {
    return findEntry(singleMenuNode.get(),
                     [&](const MenuInfo& entry) { return entry.functionID() == functionId; });
}

std::optional<QString> KxAction::getSingleNameById(int32_t functionId) {
    return titleOf(getSingleById(functionId));
}

std::shared_ptr<MenuInfo> KxAction::getSingleByBtnInfo(const _BTN_INFO& btnInfo) {
    return findEntry(singleMenuNode.get(), [&](const MenuInfo& entry) {
        return static_cast<uint32_t>(entry.functionTableID()) == btnInfo.FuncTableId &&
               static_cast<uint32_t>(entry.KeyBit1()) == btnInfo.KeyBit[0] &&
               static_cast<uint32_t>(entry.KeyBit2()) == btnInfo.KeyBit[1] &&
               static_cast<uint32_t>(entry.KeyBit3()) == btnInfo.KeyBit[2] &&
               static_cast<uint32_t>(entry.KeyBit4()) == btnInfo.KeyBit[3];
    });
}

std::shared_ptr<MenuInfo> KxAction::getMacroMenuByFunid(int32_t functionId) {
    return findEntry(macroInsertMenuNode.get(),
                     [&](const MenuInfo& entry) { return entry.functionID() == functionId; });
}

std::optional<QString> KxAction::getMacroMenuNameById(int32_t functionId) {
    return titleOf(getMacroMenuByFunid(functionId));
}
