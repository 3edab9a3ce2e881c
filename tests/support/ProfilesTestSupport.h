#pragma once

#include "CapturedLog.h"
#include "FreshStart.h"
#include "KxGlobals.h"
#include "ProfieController.h"

#include <QDir>
#include <QFile>
#include <QStringList>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <optional>

// HOME, the XDG folders and the data folder in a temporary directory of the test's own, the lines
// the code under test logs, and the core's state as a program starts with it.
class ProfilesFixture : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(home.isValid());
        for (const char* name : {"HOME", "XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_STATE_HOME",
                                 "XDG_CACHE_HOME", "XDG_RUNTIME_DIR"})
            qputenv(name, home.filePath(QLatin1String(name)).toUtf8());
        sysPath = home.filePath(QStringLiteral("data"));
        QDir().mkpath(sysPath);
        freshStart();
        log_.emplace();
    }
    void TearDown() override {
        log_.reset();
        freshStart();
    }

    CapturedLog& log() { return *log_; }
    QString path(const QString& name) const { return home.filePath(name); }
    static QString inData(const QString& name) { return QDir(sysPath).filePath(name); }
    static QString profilesPath() { return inData(QStringLiteral("Profiles")); }

    static void writeFile(const QString& path, const QByteArray& content) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << qPrintable(path);
        file.write(content);
    }
    static QByteArray readFile(const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    template <typename T>
    static QByteArray bytesOf(const T& record) {
        return QByteArray(reinterpret_cast<const char*>(&record), sizeof record);
    }
    static uint64_t readLe(const QByteArray& bytes, qsizetype offset, int size) {
        uint64_t value = 0;
        for (int i = 0; i < size; ++i)
            value |= uint64_t(uint8_t(bytes[offset + i])) << (8 * i);
        return value;
    }

    // Sets of profiles told apart by a mark: each profile's pointer speed, and its second
    // button's first key code the mark plus the profile's id.
    static void markAll(ProfieController& library, uint32_t mark) {
        for (const auto& profile : library.profileArr()) {
            _Kx_PROFILE data = profile->profileData();
            data.acceler = mark;
            data.btnInfo[1].KeyBit[0] = mark + uint32_t(profile->profileId());
            profile->setProfileData(data);
        }
    }
    // The mark of the complete set of five a library holds; 0 for a mix or another number.
    static uint32_t markOf(const ProfieController& library) {
        if (library.profileArr().size() != 5)
            return 0;
        const uint32_t mark = library.profileArr()[0]->profileData().acceler;
        for (const auto& profile : library.profileArr()) {
            const _Kx_PROFILE data = profile->profileData();
            if (data.acceler != mark ||
                data.btnInfo[1].KeyBit[0] != mark + uint32_t(profile->profileId()))
                return 0;
        }
        return mark;
    }

    QTemporaryDir home;

private:
    std::optional<CapturedLog> log_;
};
