#include "ProfileValue.h"
#include "ProfilesTestSupport.h"

#include <cstring>
#include <string_view>
#include <unistd.h>

namespace {

using ProfileFile = ProfilesFixture;

_Kx_CONFIG sampleConfig() {
    _Kx_CONFIG config{};
    config.setProfileId[4] = 0xDEADBEEF;
    config.reserved20[1] = 0x5A;
    config.profileId = 3;
    config.currProfileId = 0x1122334455667788ULL;
    config.isDefault = 1;
    std::strcpy(config.profileName, "Sniper \xC3\xA9t\xC3\xA9");
    config.reserved297[2] = 0xA5;
    config.profile.btnInfo[3].KeyBit[0] = 178;
    config.profile.liftHeight = 9;
    config.reserved1828[3] = 0x3C;
    config.fwProfileID[0] = 4;
    return config;
}

TEST_F(ProfileFile, ANewValueWritesOnlyItsNameAndId) {
    ProfileValue value;
    value.setName(QStringLiteral("Default1"));
    ASSERT_TRUE(value.saveToPath(path("new.pro")));
    QByteArray bytes = readFile(path("new.pro"));
    ASSERT_EQ(bytes.size(), 1872);
    EXPECT_EQ(bytes.mid(41, 9), QByteArray("Default1", 9)) << "name and its NUL";
    bytes.replace(41, 8, QByteArray(8, '\0'));
    EXPECT_EQ(bytes, QByteArray(1872, '\0'));

    value.setOSD(1);
    value.setProRate(2);
    ASSERT_TRUE(value.saveToPath(path("new.pro")));
    bytes = readFile(path("new.pro"));
    EXPECT_EQ(readLe(bytes, 1820, 4), 1u);
    EXPECT_EQ(readLe(bytes, 1816, 4), 2u);
}

TEST_F(ProfileFile, LoadingAndSavingKeepsWhatTheClassDoesNotMaintain) {
    const _Kx_CONFIG config = sampleConfig();
    writeFile(path("in.pro"), bytesOf(config));
    const auto value = ProfileValue::initWithPath(path("in.pro"));
    ASSERT_TRUE(value);
    EXPECT_EQ(value->pathName(), QStringLiteral("in.pro"));
    EXPECT_EQ(value->profileId(), 3);
    EXPECT_EQ(value->currProfileId(), 0) << "never read from the file";
    EXPECT_TRUE(value->isDefault());
    EXPECT_EQ(value->name(), QStringLiteral("Sniper \u00e9t\u00e9"));
    EXPECT_EQ(value->fwProfileID()[0], 4u);
    EXPECT_EQ(bytesOf(value->profileData()), bytesOf(config.profile));

    value->setCurrProfileId(99);
    ASSERT_TRUE(value->saveToPath(path("out.pro")));
    EXPECT_EQ(readFile(path("out.pro")), bytesOf(config)) << "byte for byte, padding included";

    // A shorter name leaves nothing of the longer one behind its NUL.
    value->setName(QStringLiteral("A"));
    ASSERT_TRUE(value->saveToPath(path("out.pro")));
    EXPECT_EQ(readFile(path("out.pro")).mid(41, 256), QByteArray("A") + QByteArray(255, '\0'));
}

TEST_F(ProfileFile, FilesOfOtherSizesLoadWhatTheyHoldAndUnreadableOnesLoadEmpty) {
    const QByteArray full = bytesOf(sampleConfig());
    writeFile(path("short.pro"), full.left(60));
    const auto shortValue = ProfileValue::initWithPath(path("short.pro"));
    ASSERT_TRUE(shortValue);
    EXPECT_EQ(shortValue->name(), QStringLiteral("Sniper \u00e9t\u00e9"));
    EXPECT_EQ(bytesOf(shortValue->configPro()), full.left(60) + QByteArray(1872 - 60, '\0'));

    writeFile(path("long.pro"), full + QByteArray(2000 - 1872, '\xFF'));
    const auto longValue = ProfileValue::initWithPath(path("long.pro"));
    ASSERT_TRUE(longValue);
    ASSERT_TRUE(longValue->saveToPath(path("long.pro")));
    EXPECT_EQ(readFile(path("long.pro")), full) << "read from its first 1872 bytes";

    writeFile(path("empty.pro"), QByteArray());
    QDir().mkpath(path("folder.pro"));
    writeFile(path("locked.pro"), full);
    QFile::setPermissions(path("locked.pro"), QFileDevice::Permissions());
    const bool lockHolds = ::access(QFile::encodeName(path("locked.pro")).constData(), R_OK) != 0;
    for (const char* name : {"empty.pro", "folder.pro", "locked.pro"}) {
        if (!lockHolds && name == std::string_view("locked.pro"))
            continue; // permissions do not apply to this user
        const auto value = ProfileValue::initWithPath(path(name));
        ASSERT_TRUE(value) << name;
        EXPECT_TRUE(value->name().isEmpty() && value->profileId() == 0 && !value->isDefault())
            << name;
        EXPECT_EQ(bytesOf(value->configPro()), QByteArray(1872, '\0')) << name;
    }

    const QStringList before = QDir(home.path()).entryList(QDir::AllEntries | QDir::Hidden);
    EXPECT_FALSE(ProfileValue::initWithPath(path("missing.pro")));
    EXPECT_FALSE(ProfileValue::initWithPath(QString()));
    EXPECT_EQ(QDir(home.path()).entryList(QDir::AllEntries | QDir::Hidden), before);
    EXPECT_FALSE(longValue->saveToPath(path("no/such/x.pro")));
    EXPECT_FALSE(log().filter(QStringLiteral("could not be written")).isEmpty());
}

// Cut at a character boundary; a field without NUL or with bad UTF-8 still loads and saves.
TEST_F(ProfileFile, NamesThatDoNotFitTheField) {
    const QString mouse = QStringLiteral("\U0001F5B1"); // four UTF-8 bytes
    EXPECT_EQ(ProfileValue::encodeName(QString(252, QLatin1Char('a')) + mouse),
              QByteArray(252, 'a'));
    EXPECT_EQ(ProfileValue::encodeName(QString(251, QLatin1Char('a')) + mouse).size(), 255);
    ProfileValue value;
    value.setName(QString(300, QChar(0x00e9)));
    ASSERT_TRUE(value.saveToPath(path("long.pro")));
    const auto back = ProfileValue::initWithPath(path("long.pro"));
    ASSERT_TRUE(back);
    EXPECT_EQ(back->name(), QString(127, QChar(0x00e9)));

    _Kx_CONFIG config{};
    std::memset(config.profileName, 'N', sizeof config.profileName);
    config.reserved297[0] = 'X'; // not part of the name
    writeFile(path("nonul.pro"), bytesOf(config));
    const auto noNul = ProfileValue::initWithPath(path("nonul.pro"));
    ASSERT_TRUE(noNul);
    EXPECT_EQ(noNul->name(), QString(256, QLatin1Char('N')));
    ASSERT_TRUE(noNul->saveToPath(path("nonul.pro")));
    EXPECT_EQ(readFile(path("nonul.pro")).mid(41, 257), QByteArray(255, 'N') + '\0' + 'X');

    config = _Kx_CONFIG{};
    std::memcpy(config.profileName, "ok\xFF\xC3(end", 8); // a stray byte, a cut sequence
    writeFile(path("bad.pro"), bytesOf(config));
    const auto bad = ProfileValue::initWithPath(path("bad.pro"));
    ASSERT_TRUE(bad);
    EXPECT_EQ(bad->name(), QStringLiteral("ok\uFFFD\uFFFD(end"));
    ASSERT_TRUE(bad->saveToPath(path("bad.pro")));
    EXPECT_EQ(ProfileValue::initWithPath(path("bad.pro"))->name(), bad->name());
}

} // namespace
