#include "Buttons.h"
#include "CatalogueFixture.h"

#include "HvAction.h"

#include <pugixml.hpp>

using testing::ElementsAre;

namespace {

using KxCatalogueTest = CatalogueFixture;

using Buttons::single;
using namespace KxFuncTable;

QStringList titlesUnder(const QByteArray& xml, const char* element) {
    pugi::xml_document document;
    document.load_buffer(xml.constData(), xml.size());
    QStringList titles;
    for (const pugi::xml_node e : document.document_element().child(element).children())
        titles << QString::fromUtf8(e.attribute("title").value());
    return titles;
}

TEST_F(KxCatalogueTest, ReadsHexEitherWayMissingAttributesAsNothingAndOnlyFirstElements) {
    writeCatalogue(R"(<SingleMenu>
        <Item title="Hex" type="2" functionID="1F" functionTableID="0x2" NeedSepretor="3"
              KeyBit1="FF" KeyBit2="0x0a" KeyBit3="0X10" KeyBit4="zz"/><Item/></SingleMenu>
      <MacroList><Item title="M1"/></MacroList><MacroComMenu><Item functionID="1"/></MacroComMenu>
      <SingleMenu><Item/><Item/><Item/></SingleMenu><MacroList><Item/></MacroList>
      <MacroComMenu><Item functionID="2"/></MacroComMenu>)");
    KxAction::initMenuList();
    ASSERT_EQ(singleMenuNode->numberOfChildren(), 2);
    const auto hex = entryAt(*singleMenuNode, 0);
    EXPECT_EQ(hex->functionID(), 31);
    EXPECT_EQ(hex->functionTableID(), 2);
    EXPECT_EQ(hex->type(), 2);
    EXPECT_TRUE(hex->needSepretor());
    EXPECT_THAT((std::vector{hex->KeyBit1(), hex->KeyBit2(), hex->KeyBit3(), hex->KeyBit4()}),
                ElementsAre(255, 10, 16, 0));
    const auto bare = entryAt(*singleMenuNode, 1);
    EXPECT_EQ(bare->functionID() | bare->KeyBit1() | bare->type(), 0);
    EXPECT_FALSE(bare->needSepretor() || bare->toolTipTag());
    EXPECT_TRUE(bare->titleStr().isEmpty());
    ASSERT_EQ(macroListArrs.size(), 1);
    EXPECT_TRUE(KxAction::getMacroMenuByFunid(1));
    EXPECT_FALSE(KxAction::getMacroMenuByFunid(2));
}

TEST_F(KxCatalogueTest, ButtonRecordLookupComparesTableAndKeyBitsOnly) {
    writeCatalogue(R"(<SingleMenu><Item functionID="1" functionTableID="2" KeyBit1="99"/>
        <Item functionID="4" functionTableID="2" KeyBit1="99" KeyBit2="99"/></SingleMenu>)");
    auto idOf = [](const _BTN_INFO& record) {
        const auto entry = KxAction::getSingleByBtnInfo(record);
        return entry ? entry->functionID() : -1;
    };
    _BTN_INFO click = single(kKeys, {153}, kKeys); // the id a read-back gives every click
    click.btnType = 7;
    EXPECT_EQ(idOf(click), -1) << "menus not built yet";
    KxAction::initMenuList();
    EXPECT_EQ(idOf(click), 1);
    click.KeyBit[1] = 153;
    EXPECT_EQ(idOf(click), 4);
    click.FuncTableId = kFirmware;
    EXPECT_EQ(idOf(click), -1);
}

TEST_F(KxCatalogueTest, TitlesTakeTheTooltipTextWhenTheTableHasOne) {
    useTooltips(R"(<Item name="tip.copy" text="Kopieren"/><Item name="tip.empty" text=""/>)");
    writeCatalogue(R"(<MacroComMenu><Item title="Copy" functionID="1" TooltipTag="tip.copy"/>
        <Item title="Cut" functionID="2" TooltipTag="tip.missing"/>
        <Item title="Paste" functionID="3" TooltipTag="tip.empty"/></MacroComMenu>)");
    KxAction::initMenuList();
    EXPECT_EQ(KxAction::getMacroMenuNameById(1), "Kopieren");
    EXPECT_EQ(KxAction::getMacroMenuNameById(2), "Cut");
    EXPECT_EQ(KxAction::getMacroMenuNameById(3), "Paste");
    EXPECT_TRUE(catalogueBytes().contains("\"Copy\"")) << "the file is not changed";
}

TEST_F(KxCatalogueTest, SavingWritesShownMacrosOnlyAndKeepsEverythingElseAsOnDisk) {
    writeCatalogue(R"(<Unknown keep="1"/><!-- a note --><MacroList><Item title="old"/></MacroList>
        <SingleMenu><Item title="S1"/><Item title="S2"/></SingleMenu>)");
    KxAction::initMenuList();
    // A name can come from an imported macro file with characters XML cannot hold.
    macroListArrs = {macro(1, "A", {{4, 0, 50}, {4, 1, 0}}), macro(2, "hidden", {}, true),
                     macro(3, QStringLiteral("B & <C>\x01\t\uFFFE\"D\"\uFFFF"))};
    macroListArrs[0]->setLoopTime(7);
    ASSERT_TRUE(KxAction::saveMenuList());
    EXPECT_THAT(titlesUnder(catalogueBytes(), "MacroList"), ElementsAre("A", "B & <C>\t\"D\""));
    // The macro's form on disk, as other versions and exported files expect it.
    pugi::xml_document saved;
    ASSERT_TRUE(saved.load_buffer(catalogueBytes().constData(), catalogueBytes().size()));
    const pugi::xml_node first = saved.document_element().child("MacroList").child("Item");
    EXPECT_STREQ(first.attribute("MacroID").value(), "1");
    EXPECT_STREQ(first.child("LoopTime").text().get(), "7");
    std::vector<std::string> steps;
    for (const pugi::xml_node key : first.children("KeyItem"))
        steps.push_back(std::string(key.attribute("keyCode").value()) + "/" +
                        key.attribute("keyFlag").value() + "/" + key.attribute("delay").value());
    EXPECT_THAT(steps, ElementsAre("4/0/50", "4/1/0"));
    EXPECT_THAT(titlesUnder(catalogueBytes(), "SingleMenu"), ElementsAre("S1", "S2"));
    EXPECT_TRUE(catalogueBytes().contains("\n    <Unknown keep=\"1\" />\n    <!-- a note -->\n"))
        << "pretty-printed, comments kept";

    // An edit made to the file after loading is kept by the next save.
    writeCatalogue("<SingleMenu><Item title=\"edited\"/></SingleMenu>");
    ASSERT_TRUE(KxAction::saveMenuList()) << "a missing MacroList is made, not skipped";
    EXPECT_THAT(titlesUnder(catalogueBytes(), "SingleMenu"), ElementsAre("edited"));
    KxAction::initMenuList();
    ASSERT_EQ(macroListArrs.size(), 2);
    EXPECT_EQ(macroListArrs[0]->keyInfoArr(), (QList<MacroKeyInfo>{{4, 0, 50}, {4, 1, 0}}));
    EXPECT_EQ(macroListArrs[0]->loopTime(), 7);
    EXPECT_EQ(macroListArrs[1]->nameStr() + QString::number(macroListArrs[1]->macroId()),
              "B & <C>\t\"D\"3")
        << "a character XML cannot hold is left out, so the file stays readable";

    writeData("MenuInfo.xml", "<Root><MacroList>");
    EXPECT_FALSE(KxAction::saveMenuList());
    EXPECT_EQ(catalogueBytes(), "<Root><MacroList>") << "a damaged file is not overwritten";
}

TEST_F(KxCatalogueTest, RefreshingTwiceListsEachShownMacroOnce) {
    macroListArrs = {macro(1, "A"), macro(2, "hidden", {}, true), macro(3, "B")};
    int handed = 0;
    KxAction::setMacroMenuListHandler(
        [&](HvTreeNode& node) { handed += &node == macroNode.get(); });
    KxAction::refreshMenuList();
    KxAction::refreshMenuList();
    KxAction::setMacroMenuListHandler(nullptr);
    EXPECT_EQ(handed, 2);
    ASSERT_EQ(macroNode->numberOfChildren(), 2);
    EXPECT_EQ(entryAt(*macroNode, 0)->macroInfo(), macroListArrs[0]) << "shared, not copied";
    EXPECT_EQ(entryAt(*macroNode, 0)->type(), MenuInfo::kTypeMacro);
    EXPECT_EQ(entryAt(*macroNode, 1)->titleStr(), "B");
}

TEST_F(KxCatalogueTest, ACatalogueThatCannotBeParsedLeavesEverythingEmpty) {
    // Whatever the loader refuses (HvActionTest has every kind) comes here as none.
    const QByteArray cases[] = {"", "<Root><MacroList><Item title=\"A\"/>",
                                QByteArray("\x00\x01\x89PNG\r\n\x1a\n\xde\xad", 12)};
    for (const QByteArray& bytes : cases) {
        writeCatalogue("<MacroList><Item/></MacroList><SingleMenu><Item/></SingleMenu>");
        KxAction::initMenuList();
        log().clear();
        writeData("MenuInfo.xml", bytes);
        KxAction::initMenuList();
        EXPECT_TRUE(macroListArrs.isEmpty() && !singleMenuNode) << bytes.toHex().constData();
        EXPECT_FALSE(log().filter("MenuInfo.xml").isEmpty()) << bytes.toHex().constData();
    }
}

TEST_F(KxCatalogueTest, TheShippedCatalogueHoldsTheFixedFunctionsAndEncodableChords) {
    KxAction::initMenuList();
    EXPECT_TRUE(QFile::exists(inData("MenuInfo.xml"))) << "copied on first use";
    EXPECT_TRUE(macroListArrs.isEmpty());
    const std::pair<int, _BTN_INFO> fixed[] = {
        {1, single(kKeys, {153})},           {2, single(kKeys, {152})},
        {3, single(kKeys, {151})},           {4, single(kKeys, {153, 153})},
        {8, single(kKeys, {153, 153, 153})}, {5, single(kFirmware, {192})},
        {7, single(kFirmware, {193})},       {255, single(kDisabled, {0})}};
    for (const auto& [id, info] : fixed) {
        const auto entry = KxAction::getSingleByBtnInfo(info);
        EXPECT_TRUE(entry && entry->functionID() == id && KxAction::getSingleById(id) == entry)
            << id;
    }
    for (int i = 0; i < macroInsertMenuNode->numberOfChildren(); ++i) {
        const auto entry = entryAt(*macroInsertMenuNode, i);
        const int keys[] = {entry->KeyBit1(), entry->KeyBit2(), entry->KeyBit3(), entry->KeyBit4()};
        const int* end = std::find(std::begin(keys), std::end(keys), 255);
        EXPECT_NE(end, std::begin(keys)) << entry->titleStr().toStdString();
        EXPECT_TRUE(std::all_of(end, std::end(keys), [](int k) { return k == 255; }));
        EXPECT_TRUE(std::all_of(std::begin(keys), end, [](int k) {
            return KxAction::GetFWKeyCode(k);
        })) << entry->titleStr().toStdString();
    }
}

TEST_F(KxCatalogueTest, EveryLanguageHasATextForEveryKeyAskedFor) {
    // The keys the windows ask for besides those in the catalogue.
    QStringList keys =
        QStringLiteral("Reset this profile to system default.|Go to Orvane Website|"
                       "Open the help docuement.|Close|LED configuration.|Open Macro editor|"
                       "Advanced mouse configuration.|Macro Function|Single Key Function|"
                       "Default Button Function|Applictaion Launcher Function|Apply|OK|"
                       "Cancel|RESET TO DEFAULT|STOP|DELETE|Move instruction line up|"
                       "Move instruction line down|Create New Macro|Load|Save as file|"
                       "Delete one macro file|ADJUST DELAY TIME|Configure the delay timing|"
                       "Insert Macro command|Without any delay|Insert defualt delay time|"
                       "Commands")
            .split(QLatin1Char('|'));
    for (int n = 1; n <= 5; ++n)
        keys << QStringLiteral("Switch to profile %1 page.").arg(n);
    // Through the program's own reader: the shipped files must pass its checks.
    auto load = [](const QString& name) {
        const QString path = inData("shipped-" + name);
        EXPECT_TRUE(QFile::copy(":/" + name, path));
        auto document = HvAction::loadXmlFromPath(path);
        EXPECT_TRUE(document) << name.toStdString();
        return document ? std::move(document) : std::make_unique<pugi::xml_document>();
    };
    auto text = [](const pugi::xml_node& e, const char* name) {
        return HvAction::getNodeAtrValue(e, name).value_or(QString());
    };
    const auto catalogue = load("MenuInfo.xml");
    for (const char* menu : {"SingleMenu", "MacroComMenu"})
        for (const pugi::xml_node e : catalogue->document_element().child(menu).children("Item"))
            keys << text(e, "TooltipTag");
    QStringList order;
    const auto table = load("Tooltip.xml");
    for (const pugi::xml_node lan : table->document_element().children("Lan")) {
        order << text(lan, "name");
        QHash<QString, QString> texts;
        for (const pugi::xml_node item : lan.children("Item"))
            texts[text(item, "name")] = text(item, "text");
        for (const QString& key : keys)
            EXPECT_FALSE(texts.value(key).isEmpty())
                << order.last().toStdString() << ": " << key.toStdString();
    }
    EXPECT_THAT(order, ElementsAre("English", "German", "French", "Spanish", "SC"));
}

} // namespace
