#pragma once

#include "HvTreeNode.h"
#include "KxAction.h"
#include "MacroInfo.h"
#include "MenuInfo.h"
#include "ProfilesTestSupport.h"
#include "TooltipManager.h"

#include <gmock/gmock.h>

// The private home and data folder of ProfilesFixture, an empty library and menus, and an empty
// English tooltip table.
class CatalogueFixture : public ProfilesFixture {
protected:
    void SetUp() override {
        ProfilesFixture::SetUp();
        singleMenuNode.reset();
        macroInsertMenuNode.reset();
        macroNode.reset();
        useTooltips("");
    }
    void TearDown() override {
        sysTooltip = nullptr;
        ProfilesFixture::TearDown();
    }
    static void writeData(const QString& name, const QByteArray& bytes) {
        writeFile(inData(name), bytes);
    }
    static void writeCatalogue(const QByteArray& body) {
        writeData("MenuInfo.xml", "<Root>" + body + "</Root>");
    }
    static QByteArray catalogueBytes() { return readFile(inData("MenuInfo.xml")); }
    // An English-only tooltip table of the given "Item" elements.
    void useTooltips(const QByteArray& items) {
        writeData("Tooltip.xml", "<T><Lan name=\"English\">" + items + "</Lan></T>");
        tooltips = std::make_unique<TooltipManager>();
        tooltips->setLanByname(QStringLiteral("English"));
        sysTooltip = tooltips.get();
    }
    static std::shared_ptr<MacroInfo> macro(int id, const QString& name,
                                            QList<MacroKeyInfo> steps = {}, bool hidden = false) {
        auto m = std::make_shared<MacroInfo>();
        m->setMacroId(id);
        m->setNameStr(name);
        m->setKeyInfoArr(std::move(steps));
        m->setIsNoDisplay(hidden);
        return m;
    }
    static std::shared_ptr<MenuInfo> entryAt(const HvTreeNode& root, int index) {
        return std::dynamic_pointer_cast<MenuInfo>(root.children().at(index)->nodeData());
    }

    std::unique_ptr<TooltipManager> tooltips;
};
