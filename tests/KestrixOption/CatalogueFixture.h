#pragma once

#include "HvTreeNode.h"
#include "KxAction.h"
#include "KxGlobals.h"
#include "MacroInfo.h"
#include "MenuInfo.h"
#include "TooltipManager.h"

#include <QDir>
#include <QFile>
#include <QStringList>
#include <QTemporaryDir>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

// A private home and data folder, an empty library and menus, and the log lines written.
class CatalogueFixture : public testing::Test {
protected:
    void SetUp() override {
        for (const char* name : {"HOME", "XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_STATE_HOME"})
            qputenv(name, home.filePath(QLatin1String(name)).toUtf8());
        sysPath = home.filePath("data");
        QDir().mkpath(sysPath);
        macroListArrs.clear();
        singleMenuNode.reset();
        macroInsertMenuNode.reset();
        macroNode.reset();
        useTooltips("");
        logLines().clear();
        qInstallMessageHandler(
            [](QtMsgType, const QMessageLogContext&, const QString& text) { logLines() << text; });
    }
    void TearDown() override {
        qInstallMessageHandler(nullptr);
        sysTooltip = nullptr;
    }
    static QStringList& logLines() {
        static QStringList lines;
        return lines;
    }
    void writeFile(const QString& name, const QByteArray& bytes) {
        QFile file(QDir(sysPath).filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(bytes);
    }
    void writeCatalogue(const QByteArray& body) {
        writeFile("MenuInfo.xml", "<Root>" + body + "</Root>");
    }
    QByteArray catalogueBytes() const {
        QFile file(QDir(sysPath).filePath("MenuInfo.xml"));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    // An English-only tooltip table of the given "Item" elements.
    void useTooltips(const QByteArray& items) {
        writeFile("Tooltip.xml", "<T><Lan name=\"English\">" + items + "</Lan></T>");
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

    QTemporaryDir home;
    std::unique_ptr<TooltipManager> tooltips;
};
