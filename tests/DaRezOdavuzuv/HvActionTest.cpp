#include "HvAction.h"

#include "CapturedLog.h"
#include "PrivateHome.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QStringConverter>
#include <QStringList>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/stat.h>

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

// What may sit at a path the user picks: none of it may stall the program or fill its memory.
TEST(HvActionArchive, OnlyABoundedRegularFileIsReadAndTheRefusalSaysWhy) {
    QTemporaryDir dir;
    const QString fifo = dir.filePath("fifo.mac");
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    QString why;
    EXPECT_FALSE(HvAction::CopyObject(fifo, &why)) << "no writer: a blocking read would hang";
    EXPECT_EQ(why, "is not a regular file");
    EXPECT_FALSE(HvAction::CopyObject(dir.path(), &why));
    EXPECT_EQ(why, "is not a regular file");
    EXPECT_FALSE(HvAction::CopyObject("/dev/zero", &why)) << "endless, of size 0";
    EXPECT_EQ(why, "is not a regular file");

    QFile huge(dir.filePath("huge.mac"));
    ASSERT_TRUE(huge.open(QIODevice::WriteOnly));
    ASSERT_TRUE(huge.resize(64 * 1024 * 1024)); // sparse: costs no disk
    huge.close();
    EXPECT_FALSE(HvAction::CopyObject(huge.fileName(), &why));
    EXPECT_EQ(why, "is larger than 16 MiB");

    writeFile(dir.filePath("foreign.mac"), R"({"nameStr": "M"})");
    EXPECT_FALSE(HvAction::CopyObject(dir.filePath("foreign.mac"), &why));
    EXPECT_EQ(why, "is not an archive of this program");
    EXPECT_FALSE(HvAction::CopyObject(dir.filePath("absent.mac"), &why));
    EXPECT_TRUE(why.startsWith("cannot be opened")) << qPrintable(why);
}

// The warnings logged while a file is loaded.
QStringList warningsLoading(const QString& path, bool* loaded = nullptr) {
    const CapturedLog log(CapturedLog::kWarnings);
    const bool ok = HvAction::loadXmlFromPath(path) != nullptr;
    if (loaded)
        *loaded = ok;
    return log.lines();
}

// Why the bytes were refused: the one warning line loading them logged, if that is all it did.
QString refusal(const QTemporaryDir& dir, const QByteArray& bytes) {
    writeFile(dir.filePath("bad.xml"), bytes);
    bool loaded = true;
    const QStringList lines = warningsLoading(dir.filePath("bad.xml"), &loaded);
    return loaded || lines.size() != 1 ? QStringLiteral("<loaded, or %1 lines>").arg(lines.size())
                                       : lines[0];
}

std::unique_ptr<pugi::xml_document> loadBytes(const QTemporaryDir& dir, const QByteArray& bytes,
                                              HvAction::XmlSpace space = {}) {
    writeFile(dir.filePath("f.xml"), bytes);
    return HvAction::loadXmlFromPath(dir.filePath("f.xml"), space);
}

TEST(HvActionXml, MalformedFilesGiveNoneAndOneLineSayingWhere) {
    QTemporaryDir dir;
    QByteArray bomb = "<!DOCTYPE r [<!ENTITY e0 \"aaaaaaaaaa\">";
    for (int i = 1; i < 9; ++i)
        bomb += QStringLiteral("<!ENTITY e%1 \"%2\">")
                    .arg(i)
                    .arg(QStringLiteral("&e%1;").arg(i - 1).repeated(10))
                    .toUtf8();
    bomb += "]><r>&e8;</r>";
    const QByteArray deep = QByteArray("<a>").repeated(200000); // unclosed, deeper than a stack
    const std::pair<QByteArray, const char*> cases[] = {
        {"", "line 1, column 1"},
        {"<A>\n<B></A></B>", "line 2"},
        {"<A/><B/>", "second root"},
        {"<A/>\ntext", "line 2"},
        {"text<A/>", "outside the root"},
        {"<A/><![CDATA[x]]>", "outside the root"},
        {"<!-- c --> <?pi x?>", "no root"},
        {"<A x=y/>", "line 1"},
        {"<A x=\"1\" x=\"2\"/>", "twice"},
        {"<A x=\"<\"/>", "'<'"},
        {"<A>]]></A>", "]]>"},
        {"<?xml version=\"1.0\" encoding=\"no\"?><A/>", "\"no\""},
        {"<?xml version=\"1.0\" encoding=\"UTF-16\"?><A/>", "UTF-16"},
        {"\xEF\xBB\xBF<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?><A/>", "ISO-8859-1"},
        {"<A>&nope;</A>", "&nope;"},
        {"<A x=\"&nope;\"/>", "&nope;"},
        {"<A>a & b</A>", "'&'"},
        {"<A>&amp</A>", "'&'"},
        {"<A>&#0;</A>", "&#0;"},
        {"<A>&#xD800;</A>", "&#xD800;"},
        {"<A>&#x110000;</A>", "reference"},
        {"<A>&#12a;</A>", "reference"},
        {"<A>\x01</A>", "line 1, column 4"},
        {"<A>\n\xC0\xAF</A>", "line 2, column 1"}, // overlong '/'
        {"<A>\xED\xA0\x80</A>", "line 1"},         // a surrogate
        {"<A>\xE2\x82</A>", "line 1"},             // cut sequence
        {"<A x=\"\xFF\"/>", "line 1"},
        {QByteArray("\xFF\xFE<\0A\0>\0\0\xD8<\0/\0A\0>\0", 18), "UTF-16"}, // lone surrogate
        {QByteArray("\x00\x01\x89PNG\r\n\x1a\n\xde\xad", 12), "line 1"},
        {bomb, "&e8;"},
        {deep, "line 1"},
    };
    for (const auto& [bad, where] : cases) {
        const QString why = refusal(dir, bad);
        EXPECT_TRUE(why.contains(dir.filePath("bad.xml")) && why.contains(where))
            << bad.left(60).toHex().constData() << ": " << why.toStdString();
    }
    EXPECT_EQ(warningsLoading(dir.path()).size(), 1) << "a folder";
    EXPECT_EQ(warningsLoading(dir.filePath("absent.xml")).size(), 1);
}

// Hostile shapes a damaged or crafted file can have: each is refused or read in time linear in
// its size, and none can grow a file on the next save.
TEST(HvActionXml, DeepNestingAndManyAttributesNeitherHangNorBlowUp) {
    QTemporaryDir dir;
    const auto nested = [](int depth) {
        return QByteArray("<a>").repeated(depth) + "x" + QByteArray("</a>").repeated(depth);
    };
    ASSERT_TRUE(loadBytes(dir, nested(HvAction::kMaxXmlDepth)));
    for (int depth : {HvAction::kMaxXmlDepth + 1, 10000, 200000})
        EXPECT_TRUE(refusal(dir, nested(depth)).contains("nested deeper than")) << depth;

    // 200 000 attributes on one element: read at once, and a repeated one found at the end.
    QByteArray wide = "<A";
    for (int i = 0; i < 200000; ++i)
        wide += " a" + QByteArray::number(i) + "=\"1\"";
    ASSERT_TRUE(loadBytes(dir, wide + "/>"));
    const QString why = refusal(dir, wide + " a7=\"2\"/>");
    EXPECT_TRUE(why.contains("a7 given twice")) << why.toStdString();

    // A document built deeper than any file may be is not written, so no save multiplies it.
    pugi::xml_document built;
    pugi::xml_node node = built.append_child("a");
    for (int i = 0; i < 10000; ++i)
        node = node.append_child("a");
    EXPECT_FALSE(HvAction::saveXmlToPath(built, dir.filePath("built.xml")));
    EXPECT_FALSE(QFile::exists(dir.filePath("built.xml")));
}

// Characters XML 1.0 does not allow (U+FFFE, U+FFFF, control characters) are left out wherever a
// value reaches a file, so what is saved can always be read again.
TEST(HvActionXml, SavingLeavesOutEveryCharacterXmlCannotHold) {
    QTemporaryDir dir;
    pugi::xml_document document;
    pugi::xml_node root = document.append_child("R");
    const QString odd = QStringLiteral("a\uFFFEb\uFFFFc\x0B\U0001F600d");
    HvAction::setNodeAtrValue(root, "name", odd);
    root.append_attribute("raw").set_value(odd.toUtf8().constData()); // set around the helper
    root.append_child("T").text().set(odd.toUtf8().constData());
    root.append_child(pugi::node_cdata).set_value("x\xEF\xBF\xBEy");
    const QString path = dir.filePath("odd.xml");
    ASSERT_TRUE(HvAction::saveXmlToPath(document, path));
    const auto back = HvAction::loadXmlFromPath(path);
    ASSERT_TRUE(back) << "what is saved can be read";
    const pugi::xml_node r = back->document_element();
    const QString kept = QStringLiteral("abc\U0001F600d");
    EXPECT_EQ(HvAction::getNodeAtrValue(r, "name"), kept);
    EXPECT_EQ(HvAction::getNodeAtrValue(r, "raw"), kept);
    EXPECT_EQ(HvAction::getNodeValue(r, "T"), kept);
}

TEST(HvActionXml, EncodingsTheFileIsReallyWrittenIn) {
    QTemporaryDir dir;
    const QString text = QStringLiteral("Ü€𝄞");
    const QByteArray element = "<A t=\"" + text.toUtf8() + "\"/>";
    auto titleOf = [&](const QByteArray& bytes) {
        const auto document = loadBytes(dir, bytes);
        return document ? HvAction::getNodeAtrValue(document->document_element(), "t")
                        : std::nullopt;
    };
    EXPECT_EQ(titleOf(element), text);
    EXPECT_EQ(titleOf("\xEF\xBB\xBF" + element), text);
    EXPECT_EQ(titleOf("<?xml version='1.0' encoding='utf-8'?>" + element), text);
    auto utf16 = [](const QString& s, QStringConverter::Encoding encoding) {
        return QByteArray(QStringEncoder(encoding, QStringConverter::Flag::WriteBom).encode(s));
    };
    const QString declared =
        "<?xml version=\"1.0\" encoding=\"UTF-16\"?>" + QString::fromUtf8(element);
    EXPECT_EQ(titleOf(utf16(declared, QStringConverter::Utf16LE)), text);
    EXPECT_EQ(titleOf(utf16(declared, QStringConverter::Utf16BE)), text);
    EXPECT_EQ(titleOf(utf16(QString::fromUtf8(element), QStringConverter::Utf32LE)), text);
    EXPECT_EQ(titleOf("<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?><A t=\"\xDC\"/>"), "Ü");
}

TEST(HvActionXml, AbsentIsNotEmptyAndReferencesAreExpanded) {
    QTemporaryDir dir;
    const auto document = loadBytes(
        dir, "<R a=\" x \" e=\"\" r=\"&lt;&amp;&gt;&quot;&apos;&#65;&#x42;&#x1D11E;\">"
             "<Id>1F</Id><Id>2</Id><None/><Mixed> a <b>&amp;b</b><![CDATA[&c]]> </Mixed></R>");
    ASSERT_TRUE(document);
    const pugi::xml_node root = document->document_element();
    EXPECT_EQ(HvAction::getNodeAtrValue(root, "a"), " x ");
    EXPECT_EQ(HvAction::getNodeAtrValue(root, "e"), "");
    EXPECT_FALSE(HvAction::getNodeAtrValue(root, "e")->isNull());
    EXPECT_FALSE(HvAction::getNodeAtrValue(root, "missing"));
    EXPECT_FALSE(HvAction::getNodeAtrValue(pugi::xml_node(), "a"));
    EXPECT_EQ(HvAction::getNodeAtrValue(root, "r"), QStringLiteral("<&>\"'AB𝄞"));
    EXPECT_EQ(HvAction::getNodeValue(root, "Id"), "1F");
    EXPECT_EQ(HvAction::getNodeValue(root, "None"), "");
    EXPECT_EQ(HvAction::getNodeValue(root, "Mixed"), " a &b&c") << "all text inside, in order";
    EXPECT_FALSE(HvAction::getNodeValue(root, "Missing"));
}

TEST(HvActionXml, WhiteSpaceNormalizedOrVerbatim) {
    QTemporaryDir dir;
    const QByteArray bytes = "<R a=\"1\t2\r\n3&#10;4\"> <E> </E><C><![CDATA[ x ]]></C></R>";
    const auto normal = loadBytes(dir, bytes);
    ASSERT_TRUE(normal);
    EXPECT_EQ(HvAction::getNodeAtrValue(normal->document_element(), "a"), "1 2 3\n4");
    EXPECT_EQ(HvAction::getNodeValue(normal->document_element(), "E"), "");
    const auto verbatim = loadBytes(dir, bytes, HvAction::XmlSpace::Verbatim);
    ASSERT_TRUE(verbatim);
    EXPECT_EQ(HvAction::getNodeAtrValue(verbatim->document_element(), "a"), "1\t2\n3\n4");
    EXPECT_EQ(HvAction::getNodeValue(verbatim->document_element(), "E"), " ");
    EXPECT_EQ(HvAction::getNodeValue(verbatim->document_element(), "C"), " x ");
}

TEST(HvActionXml, SavingIsIndentedKeepsEverythingAndReadsBackTheSame) {
    QTemporaryDir dir;
    auto document = loadBytes(dir, "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>\n"
                                   "<!DOCTYPE R><!-- note --><R><?pi data?><E/><L>7</L></R>");
    ASSERT_TRUE(document);
    pugi::xml_node root = document->document_element();
    const QString odd = QStringLiteral("tab\tline\ncr\r<&>\"' ü\x01\x1f end");
    HvAction::setNodeAtrValue(root, "odd", odd);
    HvAction::setNodeAtrValue(root, "odd", odd); // replaced, not added twice
    const QString path = dir.filePath("out.xml");
    ASSERT_TRUE(HvAction::saveXmlToPath(*document, path));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray saved = file.readAll();
    EXPECT_TRUE(saved.startsWith("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<!DOCTYPE R>\n"
                                 "<!-- note -->\n<R odd="))
        << saved.constData();
    EXPECT_TRUE(saved.endsWith("\n    <?pi data?>\n    <E />\n    <L>7</L>\n</R>\n"));

    const auto back = HvAction::loadXmlFromPath(path);
    ASSERT_TRUE(back) << "what is saved can be read";
    EXPECT_EQ(HvAction::getNodeAtrValue(back->document_element(), "odd"),
              QStringLiteral("tab\tline\ncr\r<&>\"' ü end"))
        << "exactly, less what XML cannot hold";

    EXPECT_FALSE(HvAction::saveXmlToPath(*document, dir.filePath("no/folder/out.xml")));
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
