#include "KxAction.h"
#include "KxGlobals.h"
#include "KxLanguage.h"
#include "Preferences/UserPreferences.h"
#include "TooltipManager.h"

#include "CapturedLog.h"
#include "PrivateHome.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringList>

#include <gtest/gtest.h>

namespace {

const auto* const home = testing::AddGlobalTestEnvironment(new PrivateHome);

void writeFile(const QString& path, const QByteArray& content) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(content);
}

// ---- Preferences ----

TEST(Preferences, NoFileThenTheApplicationsSyncedValuesEveryRead) {
    const QString file = UserPreferences::filePath();
    QFile::remove(file);
    EXPECT_TRUE(KxAction::daemonGetOsd());
    EXPECT_FALSE(KxAction::daemonGetLaunchPath(160));
    EXPECT_FALSE(QFileInfo::exists(file)) << "the daemon never writes";

    EXPECT_FALSE(KxAction::firstUp());
    EXPECT_TRUE(KxAction::firstUp());

    auto app = UserPreferences::open(); // the application keeps its store open
    const QString path = "/opt/My Tools, Ünïcode/run=it;now.sh";
    app->setValue("ProfileLauncha0", path);
    app->setValue("OSDTag", false);
    app->sync();
    EXPECT_EQ(KxAction::daemonGetLaunchPath(160), path);
    EXPECT_FALSE(KxAction::daemonGetLaunchPath(161));
    EXPECT_FALSE(KxAction::daemonGetOsd());
    app->setValue("OSDTag", true);
    app->sync();
    EXPECT_TRUE(KxAction::daemonGetOsd()) << "read afresh";
    QFile::remove(file);
}

TEST(Preferences, HandEditedAndGarbledFilesDoNotCrash) {
    const QString file = UserPreferences::filePath();
    writeFile(file, "[General]\nOSDTag=maybe\nProfileLauncha0=a, b\nFirstUp=0\n");
    EXPECT_TRUE(KxAction::daemonGetOsd());            // not a boolean: the default
    EXPECT_FALSE(KxAction::daemonGetLaunchPath(160)); // a list, not a path
    EXPECT_FALSE(KxAction::firstUp());
    for (const QByteArray& junk : {QByteArray("\x00\xff[[[=\n==\n", 9),
                                   QByteArray("[General\nOSDTag=\"false\n"), QByteArray(999, 1)}) {
        writeFile(file, junk);
        KxAction::daemonGetOsd();
        EXPECT_FALSE(KxAction::daemonGetLaunchPath(160));
    }
    QFile::remove(file);
}

// ---- Tooltips ----

class Tooltips : public testing::Test {
protected:
    void SetUp() override {
        sysPath = PrivateHome::dir("data") + "/tooltips";
        QDir(sysPath).removeRecursively();
        QDir().mkpath(sysPath);
        setLanguage("en_US.UTF-8");
    }
    static void setLanguage(const char* locale) {
        for (const char* variable : {"LANGUAGE", "LC_ALL", "LC_MESSAGES"})
            qputenv(variable, "");
        qputenv("LANG", locale);
    }
    static void writeTable(const QByteArray& content) {
        writeFile(sysPath + "/Tooltip.xml", content);
    }

    CapturedLog warnings{CapturedLog::kWarnings};
};

const QByteArray kTable = R"(<Tooltip>
  <Lan name="English">
    <Item name="Apply" text="Apply the changes." viewID=" 12 " btnID="applyBtn"/>
    <Item name="Load" text="  Load a macro.. "/>
    <Item name="More" text="More.."/>
    <Other name="Cancel" text="not an item"/>
  </Lan>
  <Other><Lan name="Hidden"><Item name="Cancel" text="hidden"/></Lan></Other>
  <Lan name="German">
    <Item name="Apply" text="Übernehmen."/>
    <Item name="Apply" text="second entry"/>
  </Lan>
</Tooltip>
)";

TEST_F(Tooltips, ReadsTheFileAndDropsOneFinalPeriod) {
    writeTable(kTable);
    TooltipManager manager;
    ASSERT_EQ(manager.infoList().size(), 2);
    EXPECT_EQ(manager.engLan()->name, "English");
    const TooltipData& apply = manager.infoList()[0].tooltips[0];
    EXPECT_EQ(apply.viewId, 12);
    EXPECT_EQ(apply.btnTag, "applyBtn");
    EXPECT_EQ(manager.getTooltip("Apply"), "Apply the changes");
    EXPECT_EQ(manager.getTooltip("More"), "More.");
    EXPECT_EQ(manager.getTooltip("Load"), "  Load a macro.. ") << "white space is kept";
    EXPECT_FALSE(manager.getTooltip("Cancel"));
    EXPECT_TRUE(warnings.lines().isEmpty()) << warnings.text();
}

TEST_F(Tooltips, DesktopLanguageFirstThenTheFilesFirstLanguage) {
    writeTable(kTable);
    setLanguage("de_DE.UTF-8");
    TooltipManager german;
    EXPECT_EQ(german.getTooltip("Apply"), "Übernehmen"); // the first German entry
    EXPECT_EQ(german.getTooltip("More"), "More.");       // missing in German
    EXPECT_FALSE(german.getTooltip("Cancel"));
    for (const char* other : {"nl_NL.UTF-8", "C"}) { // not in the table or the file
        setLanguage(other);
        EXPECT_EQ(TooltipManager().currLan()->name, "English") << other;
    }
    setLanguage("pt_BR");
    EXPECT_EQ(german.getSysLanName(), "Portuguese(Brazil)");

    german.initData(); // no language chosen: the first serves
    EXPECT_FALSE(german.currLan());
    EXPECT_EQ(german.getTooltip("Apply"), "Apply the changes");
}

// The window's language is the first of the user's that has a catalogue, as gettext walks
// LANGUAGE; the tooltips follow it, so that a user reads one language, and keep their own
// choice where the window is in English.
TEST_F(Tooltips, TheWindowsLanguageIsTheFirstOfTheUsersWithACatalogueAndTheTooltipsFollow) {
    writeTable(kTable);
    struct Case {
        const char* language; // LANGUAGE
        const char* lang;     // LANG
        const char* chosen;
        const char* tooltips; // the table's name of the language the tooltips take
    };
    const Case cases[] = {
        {"", "de_DE.UTF-8", "de", "German"},
        {"ko:de", "de_DE.UTF-8", "de", "German"},  // a language without a catalogue is passed
        {"en:de", "de_DE.UTF-8", "en", "English"}, // English first is English
        {"", "zh_CN.UTF-8", "zh-Hans", "SC"},
        {"", "zh_TW.UTF-8", "en", "TC"}, // no window catalogue: the tooltips' own choice
        {"", "ja_JP.UTF-8", "ja", "Japanese"},
        {"de", "C", "en", "English"}, // LANGUAGE does not count under the C locale
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.language) + " / " + c.lang);
        setLanguage(c.lang);
        qputenv("LANGUAGE", c.language);
        EXPECT_EQ(KxLanguage::chosen(), QLatin1String(c.chosen));
        EXPECT_EQ(TooltipManager().getSysLanName().value_or(QString()), QLatin1String(c.tooltips));
    }
    EXPECT_EQ(KxLanguage::translated(),
              QStringList({QStringLiteral("de"), QStringLiteral("fr"), QStringLiteral("es"),
                           QStringLiteral("zh-Hans"), QStringLiteral("ja")}));

    // Installed, a language is the process's whatever the environment says, and its texts are
    // the catalogue's.
    setLanguage("C");
    EXPECT_FALSE(KxLanguage::install(QStringLiteral("ko")));
    ASSERT_TRUE(KxLanguage::install(QStringLiteral("fr")));
    EXPECT_EQ(KxLanguage::chosen(), "fr");
    EXPECT_EQ(TooltipManager().getSysLanName(), "French");
    EXPECT_EQ(QCoreApplication::translate("AppMenu", "Quit"), "Quitter");
}

// A file that cannot serve (cut short, no languages, a folder in its place, no data folder)
// must not leave every tooltip empty: the built-in table serves, one line says so, and the
// user's file stays as it is for them to mend.
TEST_F(Tooltips, BadFilesFallBackToTheBuiltInTableAndAreKept) {
    const QByteArray cut = kTable.left(kTable.size() / 2);
    for (const QByteArray& bad : {cut, QByteArray("<Tooltip><Language name=\"E\"/></Tooltip>")}) {
        writeTable(bad);
        warnings.clear();
        TooltipManager manager;
        ASSERT_TRUE(manager.engLan()) << bad.constData();
        EXPECT_EQ(manager.engLan()->name, "English");
        EXPECT_EQ(manager.getTooltip("Apply"), "Apply") << "the built-in text";
        EXPECT_EQ(warnings.lines().filter("built-in").size(), 1) << warnings.text();
        QFile file(sysPath + "/Tooltip.xml");
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        EXPECT_EQ(file.readAll(), bad) << "the user's file is kept";
    }
    QFile::remove(sysPath + "/Tooltip.xml");
    QDir(sysPath).mkdir("Tooltip.xml");
    EXPECT_EQ(TooltipManager().getTooltip("Apply"), "Apply");
    sysPath.clear();
    EXPECT_EQ(TooltipManager().getTooltip("Apply"), "Apply");
}

TEST_F(Tooltips, MissingFileComesFromTheResourcesAndTheSharedOneIsPublished) {
    TooltipManager* const shared = TooltipManager::shareTooltipManager();
    EXPECT_EQ(sysTooltip, shared);
    EXPECT_EQ(TooltipManager::shareTooltipManager(), shared);
    sysTooltip = nullptr;
    EXPECT_TRUE(QFileInfo(sysPath + "/Tooltip.xml").isWritable());
    ASSERT_TRUE(shared->engLan());
    EXPECT_EQ(shared->engLan()->name, "English");
}

} // namespace
