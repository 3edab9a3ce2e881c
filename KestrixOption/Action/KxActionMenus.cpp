#include "KxAction.h"

#include "HvAction.h"
#include "HvLogger.h"
#include "HvTreeNode.h"
#include "KxGlobals.h"
#include "KxValues.h"
#include "MacroInfo.h"
#include "MenuInfo.h"
#include "TooltipManager.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>

#include <sys/stat.h>

#include <utility>

namespace {
const QString kCatalogueName = QStringLiteral("MenuInfo.xml");
const QString kMacroList = QStringLiteral("MacroList");
const QString kMacroComMenu = QStringLiteral("MacroComMenu");
const QString kSingleMenu = QStringLiteral("SingleMenu");
const QString kItem = QStringLiteral("Item");
constexpr int kIndent = 4;

KxAction::MacroNodeHandler& macroNodeHandler() {
    static KxAction::MacroNodeHandler handler;
    return handler;
}

QString cataloguePath() {
    return QDir(sysPath).filePath(kCatalogueName);
}

int32_t hexAttribute(const QDomElement& element, const QString& name) {
    const std::optional<QString> text = HvAction::getNodeAtrValue(element, name);
    return text ? HvAction::getIntValueByHex(*text) : 0;
}

int32_t decimalAttribute(const QDomElement& element, const QString& name) {
    return kxDecimalValue(HvAction::getNodeAtrValue(element, name));
}

// Identity of the catalogue file as last read or written: saving reuses that document instead
// of parsing the file again while the file on disk is still the same.
struct FileStamp {
    dev_t device = 0;
    ino_t inode = 0;
    off_t size = -1;
    timespec modified{};

    static std::optional<FileStamp> of(const QString& path) {
        struct stat info {};
        if (::stat(QFile::encodeName(path).constData(), &info) != 0)
            return std::nullopt;
        return FileStamp{info.st_dev, info.st_ino, info.st_size, info.st_mtim};
    }
    bool operator==(const FileStamp& o) const {
        return device == o.device && inode == o.inode && size == o.size &&
               modified.tv_sec == o.modified.tv_sec && modified.tv_nsec == o.modified.tv_nsec;
    }
};

struct CachedCatalogue {
    QString path;
    FileStamp stamp;
    QDomDocument document;
};

std::optional<CachedCatalogue>& cachedCatalogue() {
    static std::optional<CachedCatalogue> cache;
    return cache;
}

void rememberCatalogue(const QString& path, const QDomDocument& document) {
    const std::optional<FileStamp> stamp = FileStamp::of(path);
    if (stamp)
        cachedCatalogue() = CachedCatalogue{path, *stamp, document};
    else
        cachedCatalogue().reset();
}

// The catalogue, present in the data folder (copied from the resources when missing) and
// parsed; none with a log line otherwise. With reuse, the document last read or written is
// taken when the file has not changed since.
std::optional<QDomDocument> loadCatalogue(bool reuse) {
    const std::optional<CachedCatalogue> cached = std::exchange(cachedCatalogue(), std::nullopt);
    if (sysPath.isEmpty()) {
        HV_WARNING(QStringLiteral("MenuInfo.xml: the data folder is not set"));
        return std::nullopt;
    }
    if (!HvAction::checkAddCopyFileFromResourceWithPath(sysPath, kCatalogueName)) {
        HV_WARNING(QStringLiteral("MenuInfo.xml: cannot be made present in %1").arg(sysPath));
        return std::nullopt;
    }
    const QString path = cataloguePath();
    if (reuse && cached && cached->path == path && FileStamp::of(path) == cached->stamp) {
        cachedCatalogue() = cached;
        return cached->document;
    }
    std::optional<QDomDocument> document = HvAction::loadXmlFromPath(path);
    if (!document || document->documentElement().isNull()) {
        HV_WARNING(QStringLiteral("MenuInfo.xml: %1 cannot be read as XML").arg(path));
        return std::nullopt;
    }
    rememberCatalogue(path, *document);
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
    // The menus are built from this file only; a failed load leaves them unbuilt.
    singleMenuNode.reset();
    macroInsertMenuNode.reset();

    const std::optional<QDomDocument> document = loadCatalogue(false);
    if (!document) {
        HV_WARNING(QStringLiteral("MenuInfo.xml: no macros and no menus"));
        return;
    }
    const QDomElement root = document->documentElement();
    const QDomElement macroList = root.firstChildElement(kMacroList);
    if (!macroList.isNull())
        initMacroList(macroList);
    const QDomElement macroComMenu = root.firstChildElement(kMacroComMenu);
    if (!macroComMenu.isNull())
        initMacroInsertMenulist(macroComMenu);
    const QDomElement singleMenu = root.firstChildElement(kSingleMenu);
    if (!singleMenu.isNull())
        initSingleMenulist(singleMenu);
}

void KxAction::initMacroList(const QDomElement& macroList) {
    for (QDomElement item = macroList.firstChildElement(kItem); !item.isNull();
         item = item.nextSiblingElement(kItem))
        addMacroInfoByEle(item);
}

void KxAction::initSingleMenulist(const QDomElement& singleMenu) {
    singleMenuNode = HvTreeNode::makeRoot();
    initMenuPro(*singleMenuNode, singleMenu, true);
}

void KxAction::initMacroInsertMenulist(const QDomElement& macroComMenu) {
    macroInsertMenuNode = HvTreeNode::makeRoot();
    initMenuPro(*macroInsertMenuNode, macroComMenu, true);
}

void KxAction::initMenuPro(HvTreeNode& root, const QDomElement& menu, bool isTooltip) {
    for (QDomElement item = menu.firstChildElement(kItem); !item.isNull();
         item = item.nextSiblingElement(kItem))
        addNodeByEle(item, root);
    if (isTooltip)
        initNodeTooltip(root);
}

HvTreeNode* KxAction::addNodeByEle(const QDomElement& item, HvTreeNode& parent) {
    auto entry = std::make_shared<MenuInfo>();
    entry->setTitleStr(
        HvAction::getNodeAtrValue(item, QStringLiteral("title")).value_or(QString()));
    entry->setType(decimalAttribute(item, QStringLiteral("type")));
    entry->setFunctionID(hexAttribute(item, QStringLiteral("functionID")));
    entry->setFunctionTableID(hexAttribute(item, QStringLiteral("functionTableID")));
    entry->setNeedSepretor(decimalAttribute(item, QStringLiteral("NeedSepretor")) != 0);
    entry->setToolTipTag(HvAction::getNodeAtrValue(item, QStringLiteral("TooltipTag")));
    entry->setKeyBit1(hexAttribute(item, QStringLiteral("KeyBit1")));
    entry->setKeyBit2(hexAttribute(item, QStringLiteral("KeyBit2")));
    entry->setKeyBit3(hexAttribute(item, QStringLiteral("KeyBit3")));
    entry->setKeyBit4(hexAttribute(item, QStringLiteral("KeyBit4")));
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
    std::optional<QDomDocument> document = loadCatalogue(true);
    if (!document) {
        HV_WARNING(QStringLiteral("MenuInfo.xml: macros not saved"));
        return false;
    }
    QDomElement root = document->documentElement();
    QDomElement macroList = root.firstChildElement(kMacroList);
    if (macroList.isNull()) {
        // Without the element the library would never reach the file; make it, first in the root.
        HV_WARNING(QStringLiteral("MenuInfo.xml: no MacroList, made one"));
        macroList = document->createElement(kMacroList);
        root.insertBefore(macroList, QDomNode());
    }
    while (!macroList.lastChild().isNull())
        macroList.removeChild(macroList.lastChild());
    for (const std::shared_ptr<MacroInfo>& macro : std::as_const(macroListArrs)) {
        if (macro && !macro->isNoDisplay())
            addElementByNode(*macro, macroList);
    }

    QSaveFile file(cataloguePath());
    if (!file.open(QIODevice::WriteOnly)) {
        HV_WARNING(QStringLiteral("MenuInfo.xml: cannot write %1: %2")
                       .arg(cataloguePath(), file.errorString()));
        return false;
    }
    file.write(document->toByteArray(kIndent));
    if (!file.commit()) {
        HV_WARNING(QStringLiteral("MenuInfo.xml: cannot write %1: %2")
                       .arg(cataloguePath(), file.errorString()));
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
