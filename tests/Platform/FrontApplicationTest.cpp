#include "Desktop/FrontApplication.h"
#include "Desktop/FrontApplicationSource.h"
#include "Desktop/WindowText.h"

#include <gtest/gtest.h>

namespace {

FrontApplication named(const QString& appId, const QString& wmClass, const QString& wmInstance) {
    return {.appId = appId, .wmClass = wmClass, .wmInstance = wmInstance, .pid = 0, .title = {}};
}

struct NamesCase {
    const char* what;
    FrontApplication application;
    QStringList names;
};

TEST(FrontApplication, NamesComeBestFirstEachOnceAndNeverEmpty) {
    const NamesCase cases[] = {
        {"nothing named", {}, {}},
        {"all three", named("org.gimp.GIMP", "Gimp", "gimp"), {"org.gimp.GIMP", "Gimp", "gimp"}},
        {"class and instance alike", named({}, "xterm", "xterm"), {"xterm"}},
        {"the id repeated as the class", named("foot", "foot", {}), {"foot"}},
        // The rules compare names regardless of case; the names keep what the window said.
        {"differing in case only", named({}, "Gimp", "gimp"), {"Gimp", "gimp"}},
        {"only an instance", named({}, {}, "navigator"), {"navigator"}},
    };
    for (const NamesCase& c : cases)
        EXPECT_EQ(c.application.names(), c.names) << c.what;
}

struct DecodeCase {
    const char* what;
    QByteArray bytes;
    QString text;
};

TEST(WindowText, DecodesUtf8OrLatin1WithoutControlsWithinTheBound) {
    const QByteArray longAscii(3000, 'a');
    // 1023 bytes and a two-byte letter: the bound cuts the letter in half.
    const QByteArray cutLetter = QByteArray(1023, 'a') + "\xc3\xa9";
    const DecodeCase cases[] = {
        {"empty", "", ""},
        {"UTF-8", "Caf\xc3\xa9 \xe2\x98\x95", QStringLiteral("Café ☕")},
        {"Latin-1, not valid UTF-8", "Caf\xe9", QStringLiteral("Café")},
        {"C0 controls and an escape sequence", "a\tb\nc\x1b[31m", "abc[31m"},
        {"embedded NUL", QByteArray("ab\0cd", 5), "abcd"},
        {"C1 control in UTF-8", "a\xc2\x85z", "az"},
        {"bidirectional override",
         "gpj.\xe2\x80\xae"
         "exe",
         "gpj.exe"},
        {"bidirectional isolate", "a\xe2\x81\xa6z\xe2\x81\xa9", "az"},
        {"DEL", "a\x7fz", "az"},
        {"longer than the bound", longAscii, QString(WindowText::kMaxBytes, QLatin1Char('a'))},
        {"a letter cut by the bound", cutLetter, QString(1023, QLatin1Char('a'))},
        {"lone continuation bytes", "\x80\x81", ""}, // Latin-1 C1 controls: removed
        {"overlong encoding of '/'", "\xc0\xaf", QStringLiteral("À¯")},
    };
    for (const DecodeCase& c : cases)
        EXPECT_EQ(WindowText::decode(c.bytes), c.text) << c.what;
}

struct WmClassCase {
    const char* what;
    QByteArray bytes;
    QString instance;
    QString className;
};

TEST(WindowText, ReadsWmClassAsFarAsItGoes) {
    const WmClassCase cases[] = {
        {"as ICCCM says", QByteArray("gimp\0Gimp\0", 10), "gimp", "Gimp"},
        {"no final NUL", QByteArray("gimp\0Gimp", 9), "gimp", "Gimp"},
        {"the instance alone", QByteArray("gimp\0", 5), "gimp", ""},
        {"no NUL at all", "gimp", "gimp", ""},
        {"an empty instance", QByteArray("\0Gimp\0", 6), "", "Gimp"},
        {"three strings", QByteArray("a\0b\0c\0", 6), "a", "b"},
        {"empty", "", "", ""},
        {"two NULs", QByteArray("\0\0", 2), "", ""},
        {"Latin-1 and controls", QByteArray("caf\xe9\0Caf\xe9\x1b\0", 11), "café", "Café"},
        {"each part on its own: UTF-8 and Latin-1", QByteArray("\xc3\xa9\0\xe9\0", 5), "é", "é"},
    };
    for (const WmClassCase& c : cases) {
        const WindowText::WmClass decoded = WindowText::decodeWmClass(c.bytes);
        EXPECT_EQ(decoded.instance, c.instance) << c.what;
        EXPECT_EQ(decoded.className, c.className) << c.what;
    }
}

TEST(WindowText, BoundsAnOversizedWmClass) {
    const QByteArray bytes = QByteArray(5000, 'i') + '\0' + QByteArray(5000, 'c') + '\0';
    const WindowText::WmClass decoded = WindowText::decodeWmClass(bytes);
    EXPECT_EQ(decoded.instance.size(), WindowText::kMaxBytes);
    EXPECT_TRUE(decoded.className.isEmpty()); // past the bound
}

struct SessionCase {
    const char* what;
    std::vector<std::pair<const char*, QString>> environment;
    FrontApplicationSource::Desktop desktop;
};

// Without a display to reach, the source says so and stays quiet; nothing here needs a server.
TEST(FrontApplicationSource, WithoutADisplayItIsNotAvailable) {
    const QString noSocket = QStringLiteral("/nonexistent/wayland-9");
    const SessionCase cases[] = {
        {"nothing set", {}, FrontApplicationSource::Desktop::NoDisplay},
        {"an X server that is not there",
         {{"DISPLAY", ":999"}},
         FrontApplicationSource::Desktop::NoDisplay},
        {"a Wayland socket that is not there",
         {{"WAYLAND_DISPLAY", noSocket}, {"XDG_CURRENT_DESKTOP", "GNOME"}},
         FrontApplicationSource::Desktop::NoDisplay},
        {"neither there",
         {{"WAYLAND_DISPLAY", noSocket}, {"DISPLAY", ":999"}},
         FrontApplicationSource::Desktop::NoDisplay},
    };
    for (const SessionCase& c : cases) {
        QProcessEnvironment environment;
        for (const auto& [name, value] : c.environment)
            environment.insert(QLatin1String(name), value);
        const std::unique_ptr<FrontApplicationSource> source =
            FrontApplicationSource::forEnvironment(environment);
        ASSERT_TRUE(source) << c.what;
        EXPECT_FALSE(source->available()) << c.what;
        EXPECT_EQ(source->desktop(), c.desktop) << c.what;
        EXPECT_EQ(FrontApplicationSource::desktopName(source->desktop()), "no-display") << c.what;
        EXPECT_TRUE(source->front().isEmpty()) << c.what;
    }
}

} // namespace
