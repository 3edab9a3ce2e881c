// "MenuInfo.xml" in the data folder: the function menus and the macro library. What loads is
// saved and loaded again to the same menus and macros; a save that fails leaves the file as it
// was.
#include "FuzzSupport.h"
#include "HvTreeNode.h"
#include "KxAction.h"
#include "KxGlobals.h"
#include "MacroInfo.h"
#include "MenuInfo.h"

#include <QDir>
#include <QJsonDocument>

namespace {

QString dumpTree(const HvTreeNode* node) {
    if (!node)
        return QStringLiteral("none");
    QString out;
    for (const auto& child : node->children()) {
        const auto entry = std::dynamic_pointer_cast<MenuInfo>(child->nodeData());
        out += entry ? QString::fromUtf8(
                           QJsonDocument(entry->toArchive()).toJson(QJsonDocument::Compact))
                     : QStringLiteral("?");
        out += QLatin1Char('{') + dumpTree(child.get()) + QLatin1Char('}');
    }
    return out;
}

// What a save keeps: the menus, the shown macros with their ids, and the id mark.
QString dumpCatalogue() {
    QString out = QStringLiteral("mark %1\nsingle %2\ninsert %3\n")
                      .arg(macroIdHighWater)
                      .arg(dumpTree(singleMenuNode.get()), dumpTree(macroInsertMenuNode.get()));
    for (const auto& macro : std::as_const(macroListArrs)) {
        if (!macro || macro->isNoDisplay())
            continue;
        out += QStringLiteral("macro %1 %2\n")
                   .arg(macro->macroId())
                   .arg(QString::fromUtf8(
                       QJsonDocument(macro->toArchive()).toJson(QJsonDocument::Compact)));
    }
    return out;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    KxFuzz::setUp(argc, argv);
    KxAction::getSysPath();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const QString path = QDir(sysPath).filePath(QStringLiteral("MenuInfo.xml"));
    const QByteArray input(reinterpret_cast<const char*>(data), qsizetype(size));
    KxFuzz::writeFile(path, input);

    KxAction::initMenuList();
    // Lookups on whatever was built.
    KxAction::getSingleNameById(1);
    KxAction::getMacroMenuNameById(1);
    KxAction::getNewMacorName();
    const QString loaded = dumpCatalogue();

    if (!KxAction::saveMenuList()) {
        KX_FUZZ_CHECK(KxFuzz::readFile(path) == input);
        return 0;
    }
    const QByteArray saved = KxFuzz::readFile(path);
    KxAction::initMenuList();
    const QString reloaded = dumpCatalogue();
    KX_FUZZ_CHECK_MSG(reloaded == loaded,
                      QStringLiteral("loaded:\n%1\nafter a save:\n%2").arg(loaded, reloaded));
    // Saving what was read back writes the same file.
    KX_FUZZ_CHECK(KxAction::saveMenuList());
    KX_FUZZ_CHECK(KxFuzz::readFile(path) == saved);
    return 0;
}
