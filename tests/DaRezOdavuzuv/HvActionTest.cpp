#include "HvAction.h"

#include "PrivateHome.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

void writeFile(const QString& path, const QByteArray& content) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(content);
}

// The private home of this test program, with the desktop entries GIO must find on its first
// look at the application folders: an application, a hidden one, a handler of "kx-test:".
class DesktopHome : public PrivateHome {
public:
    void prepare() override {
        const QString apps = dir("data") + "/applications/";
        QDir().mkpath(apps);
        const QByteArray entry = "[Desktop Entry]\nType=Application\nName=T\nExec=true %u\n";
        writeFile(apps + "org.example.KxTool.desktop", entry);
        writeFile(apps + "org.example.Hidden.desktop", entry + "Hidden=true\n");
        writeFile(apps + "kx-handler.desktop", entry + "MimeType=x-scheme-handler/kx-test;\n");
        writeFile(dir("config") + "/mimeapps.list",
                  "[Default Applications]\nx-scheme-handler/kx-test=kx-handler.desktop\n");
    }
};

const auto* const home = testing::AddGlobalTestEnvironment(new DesktopHome);

TEST(HvActionFiles, ResourceCopyIsWritableAndNeverReplacesTheUsersFile) {
    QTemporaryDir dir;
    const QString folder = dir.filePath("missing/data");
    ASSERT_TRUE(HvAction::checkAddCopyFileFromResourceWithPath(folder, "HvSample.txt"));
    QFile copy(folder + "/HvSample.txt");
    ASSERT_TRUE(copy.open(QIODevice::ReadWrite)) << "resource files are read-only; the copy not";
    EXPECT_EQ(copy.readAll(), "resource sample\n");
    copy.resize(0);
    copy.write("edited");
    copy.close();
    ASSERT_TRUE(HvAction::checkAddCopyFileFromResourceWithPath(folder, "HvSample.txt"));
    EXPECT_TRUE(copy.open(QIODevice::ReadOnly) && copy.readAll() == "edited");

    EXPECT_FALSE(HvAction::checkAddCopyFileFromResourceWithPath(dir.path(), "NoSuch.xml"));
    EXPECT_FALSE(QFileInfo::exists(dir.filePath("NoSuch.xml")));
    QDir(dir.path()).mkdir("HvSample.txt"); // a folder in the file's place
    EXPECT_FALSE(HvAction::checkAddCopyFileFromResourceWithPath(dir.path(), "HvSample.txt"));
}

TEST(HvActionArchive, RoundTripAndAnythingElseReadsAsNone) {
    QTemporaryDir dir;
    const QJsonObject macro{{"nameStr", "M"}, {"keys", QJsonArray{1, 2}}};
    ASSERT_TRUE(HvAction::SaveObject(macro, dir.filePath("m.mac")));
    EXPECT_EQ(HvAction::CopyObject(dir.filePath("m.mac")), macro);
    EXPECT_FALSE(HvAction::SaveObject(macro, dir.filePath("no/folder/m.mac")));

    EXPECT_FALSE(HvAction::CopyObject(dir.filePath("absent.mac")));
    const QByteArray head = R"({"format": "com.vlak.KxOption.archive", )";
    for (const QByteArray& bad :
         {QByteArray(), head + R"("version": 1, "object": {"a)",
          QByteArray(R"({"version": 1, "object": {}})"), head + R"("version": 2, "object": {}})",
          head + R"("version": 1, "object": [1]})"}) {
        writeFile(dir.filePath("bad.mac"), bad);
        EXPECT_FALSE(HvAction::CopyObject(dir.filePath("bad.mac"))) << bad.constData();
    }
}

TEST(HvActionXml, MalformedFilesGiveNone) {
    QTemporaryDir dir;
    QByteArray bomb = "<!DOCTYPE r [<!ENTITY e0 \"aaaaaaaaaa\">";
    for (int i = 1; i < 9; ++i)
        bomb += QStringLiteral("<!ENTITY e%1 \"%2\">")
                    .arg(i)
                    .arg(QStringLiteral("&e%1;").arg(i - 1).repeated(10))
                    .toUtf8();
    bomb += "]><r>&e8;</r>";
    for (const QByteArray& bad :
         {QByteArray(), QByteArray("<A><B></A></B>"), QByteArray("<A/><B/>"),
          QByteArray("<A x=y/>"), QByteArray("<?xml version=\"1.0\" encoding=\"no\"?><A/>"),
          QByteArray("<A>&nope;</A>"), bomb}) {
        writeFile(dir.filePath("bad.xml"), bad);
        EXPECT_FALSE(HvAction::loadXmlFromPath(dir.filePath("bad.xml"))) << bad.constData();
    }
    EXPECT_FALSE(HvAction::loadXmlFromPath(dir.path()));
}

TEST(HvActionXml, AbsentIsNotEmpty) {
    QTemporaryDir dir;
    writeFile(dir.filePath("ok.xml"), "<R a=\" x \" e=\"\"><Id>1F</Id><Id>2</Id><None/></R>");
    const QDomElement root = HvAction::loadXmlFromPath(dir.filePath("ok.xml"))->documentElement();
    EXPECT_EQ(HvAction::getNodeAtrValue(root, "a"), " x ");
    EXPECT_EQ(HvAction::getNodeAtrValue(root, "e"), "");
    EXPECT_FALSE(HvAction::getNodeAtrValue(root, "missing"));
    EXPECT_EQ(HvAction::getNodeValue(root, "Id"), "1F");
    EXPECT_EQ(HvAction::getNodeValue(root, "None"), "");
    EXPECT_FALSE(HvAction::getNodeValue(root, "Missing"));
}

TEST(HvActionXml, HexText) {
    const std::pair<const char*, int> cases[] = {
        {"1F", 31},       {"0x1f", 31},     {" 0X100\n", 256}, {"00000000000A", 10},
        {"FFFFFFFF", -1}, {"", 0},          {"0x", 0},         {"12g", 0},
        {"-1", 0},        {"100000000", 0},
    };
    for (const auto& [text, value] : cases)
        EXPECT_EQ(HvAction::getIntValueByHex(text), value) << '"' << text << '"';
}

TEST(HvActionDesktop, FindsInstalledApplications) {
    const QString tool = PrivateHome::dir("data") + "/applications/org.example.KxTool.desktop";
    EXPECT_EQ(HvAction::getAppPathByid("org.example.KxTool"), tool);
    EXPECT_FALSE(HvAction::getAppPathByid("org.example.NotInstalled"));
    EXPECT_FALSE(HvAction::getAppPathByid("org.example.Hidden"));
    EXPECT_FALSE(HvAction::getAppPathByid(""));
}

void setLocale(const char* language, const char* lcAll, const char* lang) {
    qputenv("LANGUAGE", language);
    qputenv("LC_ALL", lcAll);
    qputenv("LC_MESSAGES", "");
    qputenv("LANG", lang);
}

TEST(HvActionDesktop, LanguagesAsTheTooltipTableNamesThem) {
    const std::pair<const char*, const char*> cases[] = {
        {"de_DE.UTF-8", "de"}, {"zh_TW.UTF-8", "zh-Hant"}, {"zh_HK", "zh-Hant"},
        {"zh_CN", "zh-Hans"},  {"zh_SG", "zh-Hans"},       {"pt_BR.UTF-8", "pt-BR"},
        {"pt_PT", "pt"},       {"sr_RS@latin", "sr"},
    };
    for (const auto& [locale, code] : cases) {
        setLocale("", "", locale);
        EXPECT_EQ(HvAction::getSysLanName(0), code) << locale;
    }
    setLocale("fr_FR:de:fr", "", "en_US.UTF-8"); // LANGUAGE first, duplicates once
    EXPECT_EQ(HvAction::getSysLanName(1), "de");
    EXPECT_EQ(HvAction::getSysLanName(2), "en");
    EXPECT_FALSE(HvAction::getSysLanName(3));
    setLocale("", "ja_JP", "en_US");
    EXPECT_EQ(HvAction::getSysLanName(0), "ja");
    setLocale("de", "", "C.UTF-8"); // no language, and LANGUAGE does not count then
    EXPECT_FALSE(HvAction::getSysLanName(0));
}

TEST(HvActionDesktop, OpensThroughTheDesktopsHandlersOnly) {
    EXPECT_TRUE(HvAction::openPage("kx-test:page?x=1"));   // DesktopHome's handler runs "true"
    EXPECT_FALSE(HvAction::openPage("kx-nohandler:page")); // nothing handles the scheme
    EXPECT_FALSE(HvAction::openPage("not an address"));
    EXPECT_FALSE(HvAction::openPage("file:///etc/hostname"));
    EXPECT_FALSE(HvAction::openFile(PrivateHome::dir("home") + "/no-such-file.txt"));
}

} // namespace
