#include "CatalogueFixture.h"

#include "HvAction.h"

#include <QJsonArray>

#include <pugixml.hpp>

#include <limits>

using testing::ElementsAre;
using testing::UnorderedElementsAre;

namespace {

using KxMacroLibraryTest = CatalogueFixture;

const QList<MacroKeyInfo> kPressRelease = {{0, 0, 50}, {0, 1, 0}};

TEST_F(KxMacroLibraryTest, NewIdsAndNamesAvoidEveryMacroHiddenOnesIncluded) {
    EXPECT_EQ(KxAction::getNewMacorId(), 1);
    EXPECT_EQ(KxAction::getNewMacorName(), "NewMacro_1");
    macroListArrs = {macro(3, "NewMacro_1", {}, true), macro(7, "newmacro_2"), macro(0, "x")};
    EXPECT_EQ(KxAction::getNewMacorId(), 8);
    EXPECT_EQ(KxAction::getNewMacorName(), "NewMacro_2") << "names compare case-sensitively";
    EXPECT_EQ(KxAction::getMacroNameById(3), "NewMacro_1");
    EXPECT_FALSE(KxAction::getMacroByName("NEWMACRO_1"));
    macroListArrs = {macro(std::numeric_limits<int32_t>::max(), "top"), macro(1, "one")};
    EXPECT_EQ(KxAction::getNewMacorId(), 2) << "no overflow past the largest id";
}

TEST_F(KxMacroLibraryTest, MacrosMatchOnKeysAndFlagsInOrderNotOnDelays) {
    auto a = macro(1, "a", {{4, 0, 10}, {4, 1, 900}});
    auto slow = macro(2, "slow", {{4, 0, 5000}, {4, 1, 0}}, true);
    EXPECT_FALSE(KxAction::getMacroByData(*a)) << "empty library";
    macroListArrs = {macro(3, "swapped", {{4, 1, 10}, {4, 0, 900}}),
                     macro(4, "longer", {{4, 0, 10}, {4, 1, 900}, {5, 0, 0}}), slow, a};
    EXPECT_EQ(KxAction::getMacroByData(*a), slow) << "the first match, hidden or not";
}

TEST_F(KxMacroLibraryTest, DeviceStepCountExpandsInsertedChordsUpToTheFirst255) {
    writeCatalogue(R"(<MacroComMenu>
        <Item functionID="200" KeyBit1="4" KeyBit2="FF" KeyBit3="FF" KeyBit4="FF"/>
        <Item functionID="201" KeyBit1="3B" KeyBit2="38" KeyBit3="6" KeyBit4="1"/>
        <Item functionID="202" KeyBit1="3B" KeyBit2="0" KeyBit3="FF" KeyBit4="FF"/>
        <Item functionID="203" KeyBit1="FF" KeyBit2="8" KeyBit3="FF" KeyBit4="FF"/></MacroComMenu>)");
    KxAction::initMenuList();
    auto count = [](QList<MacroKeyInfo> steps) { return macro(1, "m", steps)->getMacroCount(); };
    EXPECT_EQ(count({{4, 0, 0}, {0x200, 2, 0}}), 3u);
    EXPECT_EQ(count({{0x201, 2, 0}}), 8u);
    EXPECT_EQ(count({{0x202, 2, 0}, {4, 3, 0}}), 5u) << "key code 0 is a key, not the end";
    EXPECT_EQ(count({{0x203, 2, 0}, {0x999, 2, 0}}), 0u);
}

// A button holds 40 steps: a macro of 41 on the mouse is refused with its reason, 40 taken.
TEST_F(KxMacroLibraryTest, AMacroOfMoreStepsThanAButtonHoldsIsRefusedWithItsReason) {
    QList<MacroKeyInfo> steps;
    for (int i = 0; i < 40; ++i)
        steps << MacroKeyInfo(4, i % 2, 0);
    EXPECT_EQ(macro(1, "fits", steps)->unfitReason(), std::nullopt);
    steps << MacroKeyInfo(4, 0, 0);
    const QString reason = macro(2, "long", steps)->unfitReason().value_or(QString());
    EXPECT_TRUE(reason.contains("41 steps") && reason.contains("40")) << reason.toStdString();
}

TEST_F(KxMacroLibraryTest, DamagedMacroElementsReadAsZeroAndNoName) {
    pugi::xml_document document;
    ASSERT_TRUE(document.load_string(R"(<Item MacroID=" 12abc"><LoopTime>x9</LoopTime>
        <Other keyCode="7"/><KeyItem keyCode="-5" keyFlag="" delay="99999999999"/><KeyItem/></Item>)"));
    KxAction::addMacroInfoByEle(document.document_element());
    const MacroInfo& damaged = *macroListArrs.at(0);
    EXPECT_TRUE(damaged.nameStr().isNull());
    EXPECT_EQ(damaged.macroId(), 12);
    EXPECT_EQ(damaged.loopTime(), 0);
    EXPECT_THAT(damaged.keyInfoArr(),
                ElementsAre(MacroKeyInfo(-5, 0, std::numeric_limits<int32_t>::max()),
                            MacroKeyInfo(0, 0, 0)));
}

TEST_F(KxMacroLibraryTest, TheLimitCountsTheShownListAsLastBuilt) {
    for (int i = 1; i <= 99; ++i)
        macroListArrs.append(macro(i, QString::number(i)));
    for (int i = 0; i < 5; ++i)
        macroListArrs.append(macro(200 + i, "hidden", {}, true));
    KxAction::refreshMenuList();
    const auto added = KxAction::addMacorByName("hundredth");
    ASSERT_TRUE(added);
    EXPECT_EQ(added->macroId(), 205);
    EXPECT_EQ(macroListArrs.last(), added);
    EXPECT_TRUE(KxAction::addMacorByName("not counted before a refresh"));
    KxAction::refreshMenuList();
    EXPECT_FALSE(KxAction::addMacorByName("over the limit"));
    EXPECT_EQ(macroListArrs.size(), 106);
}

TEST_F(KxMacroLibraryTest, ArchivesRoundTripThroughFilesAndForeignOnesReadAsNone) {
    auto m = macro(42, "Chord", kPressRelease);
    m->setLoopTime(3);
    EXPECT_THAT(m->toArchive().keys(),
                UnorderedElementsAre("nameStr", "loopTime", "keyInfoArr", "isNoDisplay"));
    const QString path = inData("Chord.mac");
    ASSERT_TRUE(HvAction::SaveObject(m->toArchive(), path));
    const auto back = MacroInfo::fromArchive(HvAction::CopyObject(path).value_or(QJsonObject()));
    ASSERT_TRUE(back);
    EXPECT_EQ(back->macroId(), 0) << "the id is not archived";
    EXPECT_EQ(back->nameStr() + QString::number(back->loopTime()), "Chord3");
    EXPECT_EQ(back->keyInfoArr(), kPressRelease);

    MenuInfo entry;
    entry.setMacroInfo(m);
    const auto entryBack = MenuInfo::fromArchive(entry.toArchive());
    EXPECT_TRUE(entryBack && entryBack->macroInfo()->keyInfoArr() == kPressRelease);

    const QJsonObject foreign[] = {
        {{"profileName", "Default1"}},
        {{"nameStr", 5}},
        {{"nameStr", "x"}, {"loopTime", 1.5}},
        {{"nameStr", "x"}, {"keyInfoArr", "steps"}},
        {{"nameStr", "x"}, {"keyInfoArr", QJsonArray{QJsonObject{{"keyCode", "A"}}}}},
        {{"nameStr", "x"}, {"keyInfoArr", QJsonArray{QJsonObject{{"keyCode", 1e12}}}}}};
    for (const QJsonObject& archive : foreign)
        EXPECT_FALSE(MacroInfo::fromArchive(archive)) << archive.keys().join(',').toStdString();
    EXPECT_FALSE(MenuInfo::fromArchive({{"functionID", 1}, {"macroInfo", QJsonObject{}}}));
    for (const QJsonValue& code : {QJsonValue(256), QJsonValue(-1), QJsonValue("b9")})
        EXPECT_FALSE(MacroInfo::fromArchive(
            {{"nameStr", "x"},
             {"keyInfoArr", QJsonArray{QJsonObject{{"keyCode", 0}, {"deviceCode", code}}}}}));
    EXPECT_GE(log().lines().size(), 10) << "each refusal says why";
}

// A step read from the mouse keeps the mouse's own code where the key does not give it back: in
// the library file, in a macro file and in the working archive alike.
TEST_F(KxMacroLibraryTest, AStepsDeviceCodeIsKeptByTheLibraryFileAndTheArchive) {
    MacroKeyInfo press(0, 0, 100), release(0, 1, 0);
    press.setDeviceCode(185);
    release.setDeviceCode(185);
    const auto m = macro(9, "Read", {press, release, {4, 0, 0}, {4, 1, 0}});

    pugi::xml_document document;
    pugi::xml_node list = document.append_child("MacroList");
    KxAction::addElementByNode(*m, list, std::nullopt);
    macroListArrs.clear();
    KxAction::addMacroInfoByEle(list.first_child());
    ASSERT_EQ(macroListArrs.size(), 1);
    EXPECT_EQ(macroListArrs[0]->keyInfoArr(), m->keyInfoArr());

    const auto back = MacroInfo::fromArchive(m->toArchive());
    ASSERT_TRUE(back);
    EXPECT_EQ(back->keyInfoArr(), m->keyInfoArr());

    // Another key is the desktop's: the mouse's code goes with the old one.
    MacroKeyInfo edited = press;
    edited.setKeyCode(5);
    EXPECT_FALSE(edited.deviceCode());
    EXPECT_FALSE(KxAction::CheckTwoMacro(
        *m, *macro(10, "Keys", {{0, 0, 0}, {0, 1, 0}, {4, 0, 0}, {4, 1, 0}})))
        << "two steps of key 0 with different mouse codes are different macros";
}

} // namespace
