#include "KxAppRules.h"
#include "Preferences/UserPreferences.h"
#include "Workspace/InstalledApplications.h"

#include "PrivateHome.h"

#include <QDir>
#include <QFile>
#include <QJsonDocument>

#include <gtest/gtest.h>

namespace {

const auto* const home = testing::AddGlobalTestEnvironment(new PrivateHome);

KxAppRules rulesOf(std::initializer_list<KxAppRule> rules, std::optional<int> otherwise = {}) {
    KxAppRules result;
    result.rules = rules;
    result.otherwise = otherwise;
    return result;
}

void writePreferences(const QByteArray& content) {
    QFile file(UserPreferences::filePath());
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(content);
}

// ---- Which rule applies ----

TEST(AppRules, TheBestNameDecidesRegardlessOfCaseAndDesktopSuffix) {
    const KxAppRules rules =
        rulesOf({{"Gimp", 3}, {"org.gimp.GIMP", 2}, {"firefox-esr.desktop", 4}}, 1);
    // The desktop id comes before the window class: its rule wins.
    EXPECT_EQ(rules.decide({"org.gimp.gimp", "Gimp", "gimp"}).profile, 2);
    EXPECT_EQ(rules.decide({"org.gimp.gimp", "Gimp", "gimp"}).rule, 1);
    // An application without an id is found by its class.
    EXPECT_EQ(rules.decide({"GIMP", "gimp"}).profile, 3);
    EXPECT_EQ(rules.decide({"Firefox-ESR"}).profile, 4);
    EXPECT_EQ(rules.decide({"firefox-esr.desktop"}).profile, 4);
    // No rule: "otherwise", told as no rule.
    EXPECT_EQ(rules.decide({"xterm", "XTerm"}).profile, 1);
    EXPECT_EQ(rules.decide({"xterm", "XTerm"}).rule, -1);
    // Empty names never match a rule (a window without a class).
    EXPECT_EQ(rules.decide({"", " "}).profile, 1);
}

TEST(AppRules, NothingAppliesWhenOffOrLeftAsItIs) {
    KxAppRules rules = rulesOf({{"gimp", 2}});
    EXPECT_FALSE(rules.decide({"xterm"}).profile) << "no \"otherwise\": the profile stays";
    rules.enabled = false;
    EXPECT_FALSE(rules.decide({"gimp"}).profile);
}

TEST(AppRules, OneRulePerApplicationWhateverItsSpelling) {
    KxAppRules rules;
    rules.set("org.gimp.GIMP.desktop", 2);
    rules.set(" ORG.GIMP.gimp ", 4);
    ASSERT_EQ(rules.rules.size(), 1);
    EXPECT_EQ(rules.rules[0], (KxAppRule{"org.gimp.GIMP", 4}));
    EXPECT_FALSE(rules.remove("gimp"));
    EXPECT_TRUE(rules.remove("org.gimp.gimp.desktop"));
    EXPECT_TRUE(rules.rules.isEmpty());
}

TEST(AppRules, AnApplicationIsFoundAmongTheInstalledByItsId) {
    const QList<InstalledApplication> installed = {
        {"org.gimp.GIMP.desktop", "GNU Image Manipulation Program", "/a/org.gimp.GIMP.desktop", ""},
        {"xterm.desktop", "XTerm", "/a/xterm.desktop", ""}};
    const auto gimp = KxAppRules::installedApplication("org.gimp.gimp", installed);
    ASSERT_TRUE(gimp);
    EXPECT_EQ(gimp->name, "GNU Image Manipulation Program");
    EXPECT_FALSE(KxAppRules::installedApplication("GNU Image Manipulation Program", installed));
    EXPECT_FALSE(KxAppRules::installedApplication("steam", installed)) << "kept, not installed";
}

// ---- As files carry them ----

TEST(AppRules, JsonRoundTrip) {
    for (const KxAppRules& rules :
         {KxAppRules{}, rulesOf({{"org.gimp.GIMP", 2}, {"Ünïcode Wörk 🎮", 5}}, 3),
          rulesOf({{"steam", 1}})}) {
        KxAppRules off = rules;
        off.enabled = false;
        for (const KxAppRules& each : {rules, off}) {
            const QJsonObject json = each.toJson();
            const auto parsed = KxAppRules::fromJson(
                QJsonDocument::fromJson(QJsonDocument(json).toJson()).object());
            ASSERT_TRUE(parsed.rules) << parsed.errorText().toStdString();
            EXPECT_EQ(*parsed.rules, each);
        }
    }
}

TEST(AppRules, HostileJsonIsRefusedWithTheFieldNamed) {
    const QString huge(256, QLatin1Char('a'));
    struct Case {
        QByteArray json;
        const char* field;
    };
    QByteArray many = "{\"rules\": [";
    for (int i = 0; i <= KxAppRules::kMaxRules; ++i)
        many += QStringLiteral("%1{\"app\": \"a%2\", \"profile\": 1}")
                    .arg(i ? "," : "")
                    .arg(i)
                    .toUtf8();
    many += "]}";
    const Case cases[] = {
        {"[]", "appRules"},
        {"{\"enabled\": 1}", "appRules.enabled"},
        {"{\"otherwise\": 0}", "appRules.otherwise"},
        {"{\"otherwise\": 6}", "appRules.otherwise"},
        {"{\"otherwise\": 2.5}", "appRules.otherwise"},
        {"{\"otherwise\": \"2\"}", "appRules.otherwise"},
        {"{\"colour\": true}", "appRules.colour"},
        {"{\"rules\": {}}", "appRules.rules"},
        {"{\"rules\": [1]}", "appRules.rules[0]"},
        {"{\"rules\": [{\"app\": \"gimp\", \"profile\": 0}]}", "appRules.rules[0].profile"},
        {"{\"rules\": [{\"app\": \"gimp\", \"profile\": 9}]}", "appRules.rules[0].profile"},
        {"{\"rules\": [{\"app\": \"gimp\"}]}", "appRules.rules[0].profile"},
        {"{\"rules\": [{\"app\": 7, \"profile\": 1}]}", "appRules.rules[0].app"},
        {"{\"rules\": [{\"app\": \"  \", \"profile\": 1}]}", "appRules.rules[0].app"},
        {"{\"rules\": [{\"app\": \".desktop\", \"profile\": 1}]}", "appRules.rules[0].app"},
        {"{\"rules\": [{\"app\": \"gi\\u0007mp\", \"profile\": 1}]}", "appRules.rules[0].app"},
        {"{\"rules\": [{\"app\": \"gimp\\u202e\", \"profile\": 1}]}", "appRules.rules[0].app"},
        {"{\"rules\": [{\"app\": \"" + huge.toUtf8() + "\", \"profile\": 1}]}",
         "appRules.rules[0].app"},
        {"{\"rules\": [{\"app\": \"gimp\", \"profile\": 1}, {\"app\": \"GIMP.desktop\", "
         "\"profile\": 2}]}",
         "appRules.rules[1].app"},
        {"{\"rules\": [{\"app\": \"gimp\", \"profile\": 1, \"when\": \"now\"}]}",
         "appRules.rules[0].when"},
        {many, "appRules.rules"},
    };
    for (const Case& c : cases) {
        const auto parsed = KxAppRules::fromJson(QJsonDocument::fromJson("[" + c.json + "]")[0]);
        EXPECT_FALSE(parsed.rules) << c.json.left(80).toStdString();
        EXPECT_EQ(parsed.field, c.field) << c.json.left(80).toStdString();
        EXPECT_FALSE(parsed.reason.isEmpty());
    }
    // The longest name a rule takes, in characters as a user counts them.
    const QString longest(KxAppRules::kMaxAppLength, QChar(0x00E9));
    EXPECT_TRUE(KxAppRules::checkApp(longest).isEmpty());
    EXPECT_FALSE(KxAppRules::checkApp(longest + "e").isEmpty());
}

// ---- With the preferences ----

TEST(AppRulesPreferences, SavedRulesReadBackAndFewerRulesLeaveNoneBehind) {
    QFile::remove(UserPreferences::filePath());
    ASSERT_TRUE(KxAppRules::load().rules);
    EXPECT_EQ(*KxAppRules::load().rules, KxAppRules{}) << "no file: no rule, switch on";

    // Names a line of an INI file could misread.
    const KxAppRules three =
        rulesOf({{"org.gimp.GIMP", 2}, {"a/b\\c=d;e,f \"g\" [h] #i", 5}, {"Ünïcode Wörk 🎮", 1}}, 4);
    ASSERT_TRUE(three.save());
    // Other preferences in the same file stay.
    auto other = UserPreferences::open();
    other->setValue("OSDTag", false);
    other->sync();
    ASSERT_TRUE(KxAppRules::load().rules) << KxAppRules::load().errorText().toStdString();
    EXPECT_EQ(*KxAppRules::load().rules, three);

    KxAppRules one = rulesOf({{"steam", 3}});
    one.enabled = false;
    ASSERT_TRUE(one.save());
    ASSERT_TRUE(KxAppRules::load().rules);
    EXPECT_EQ(*KxAppRules::load().rules, one) << "the third rule of before is gone";
    EXPECT_EQ(UserPreferences::open()->value("OSDTag").toString(), "false");
}

TEST(AppRulesPreferences, AHandBrokenSectionIsRefusedWithTheKeyNamed) {
    struct Case {
        QByteArray section;
        const char* key;
    };
    const Case cases[] = {
        {"enabled=perhaps\n", "enabled"},
        {"otherwise=6\n", "otherwise"},
        {"otherwise=two\n", "otherwise"},
        {"rules\\size=1\nrules\\1\\app=gimp\nrules\\1\\profile=9\n", "rules\\1\\profile"},
        {"rules\\size=1\nrules\\1\\app=gimp\nrules\\1\\profile=0\n", "rules\\1\\profile"},
        {"rules\\size=2\nrules\\1\\app=gimp\nrules\\1\\profile=1\n", "rules\\2\\app"},
        {"rules\\size=2\nrules\\1\\app=gimp\nrules\\1\\profile=1\nrules\\2\\app=GIMP\n"
         "rules\\2\\profile=2\n",
         "rules\\2\\app"},
        {QByteArray("rules\\size=1\nrules\\1\\app=gi\amp\nrules\\1\\profile=1\n"), "rules\\1\\app"},
        {"rules\\size=100000\n", "rules"},
    };
    // Each file of another size: QSettings takes a file of the same size and time as the one it
    // read last for that one.
    QByteArray padding;
    for (const Case& c : cases) {
        padding += ';';
        writePreferences(padding + "\n[General]\nOSDTag=true\n\n[ApplicationRules]\n" + c.section);
        const auto parsed = KxAppRules::load();
        EXPECT_FALSE(parsed.rules) << c.section.toStdString();
        EXPECT_TRUE(parsed.field.endsWith(QStringLiteral("[ApplicationRules] ") + c.key))
            << parsed.field.toStdString();
    }
    writePreferences("[ApplicationRules]\notherwise=0\nrules\\size=0\n");
    ASSERT_TRUE(KxAppRules::load().rules) << "0: the profile left as it is";
    EXPECT_FALSE(KxAppRules::load().rules->otherwise);
}

TEST(AppRulesPreferences, ASaveThatCannotReachTheFileIsToldAsFailed) {
    const QString file = UserPreferences::filePath();
    QFile::remove(file);
    ASSERT_TRUE(QDir().mkpath(file)) << "a folder where the file should be";
    QString why;
    EXPECT_FALSE(rulesOf({{"gimp", 2}}).save(&why));
    EXPECT_TRUE(why.contains(file)) << why.toStdString();
    QDir(file).removeRecursively();
}

} // namespace
