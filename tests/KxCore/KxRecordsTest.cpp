#include "KxRecords.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstring>

namespace {

template <typename T>
T readLe(const QByteArray& bytes, int offset) {
    T value{};
    for (size_t i = 0; i < sizeof(T); ++i)
        value |= static_cast<T>(static_cast<uint8_t>(bytes[offset + int(i)])) << (8 * i);
    return value;
}

TEST(KxRecords, AStoredProfileKeepsEveryByteThroughAFile) {
    _Kx_CONFIG config{};
    config.setProfileId[4] = 0xA1B2C3D4;
    config.profileId = 0x0102030405060708ULL;
    config.currProfileId = 42;
    config.isDefault = 1;
    std::strcpy(config.profileName, "Jeu \xC3\xA9t\xC3\xA9");
    config.profile.btnInfo[4].FuncTableId = 15;
    config.profile.btnInfo[4].KeyBit[0] = 174;
    std::strcpy(config.profile.btnInfo[4].app_path, "/usr/bin/true");
    config.profile.poRate = 2;
    config.profile.enableSrcDes = 1;
    config.fwProfileID[4] = 0xFFFFFFFF00000001ULL;

    const QByteArray bytes(reinterpret_cast<const char*>(&config), sizeof config);
    ASSERT_EQ(bytes.size(), 1872);
    // Little-endian fields where the file format puts them.
    EXPECT_EQ(readLe<uint32_t>(bytes, 16), 0xA1B2C3D4u);
    EXPECT_EQ(readLe<uint64_t>(bytes, 24), 0x0102030405060708ULL);
    EXPECT_EQ(bytes[40], 1);
    EXPECT_EQ(bytes.mid(41, 10), QByteArray("Jeu \xC3\xA9t\xC3\xA9", 10)) << "UTF-8 and its NUL";
    EXPECT_EQ(readLe<uint32_t>(bytes, 300 + 4 * 292 + 4), 15u);
    EXPECT_EQ(readLe<uint32_t>(bytes, 300 + 4 * 292 + 12), 174u);
    EXPECT_EQ(readLe<uint32_t>(bytes, 1816), 2u);
    EXPECT_EQ(readLe<uint32_t>(bytes, 1820), 1u);
    EXPECT_EQ(readLe<uint64_t>(bytes, 1832 + 32), 0xFFFFFFFF00000001ULL);
    // Padding of a fresh record is zero.
    EXPECT_EQ(bytes.mid(20, 4), QByteArray(4, '\0'));
    EXPECT_EQ(bytes.mid(297, 3), QByteArray(3, '\0'));
    EXPECT_EQ(bytes.mid(1828, 4), QByteArray(4, '\0'));

    QTemporaryDir dir;
    QFile file(dir.filePath(QStringLiteral("p.pro")));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_EQ(file.write(bytes), 1872);
    file.close();
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    _Kx_CONFIG back;
    std::memset(&back, 0xEE, sizeof back);
    ASSERT_EQ(file.read(reinterpret_cast<char*>(&back), sizeof back), 1872);
    EXPECT_EQ(std::memcmp(&back, &config, sizeof config), 0);
}

} // namespace
