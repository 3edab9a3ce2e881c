#include "ProfieController.h"
#include "HvLogger.h"
#include "KxAction.h"
#include "Preferences/UserPreferences.h"
#include "ProfileMenuData.h"
#include "ProfilesTestSupport.h"

#include <QFileInfo>

namespace {

using Step = ProfieController::SaveStep;
using Reply = ProfieController::SaveHookReply;

class ProfileLibrary : public ProfilesFixture {
protected:
    QStringList profileFiles() const {
        return QDir(profilesPath()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot, QDir::Name);
    }
    // The data folder holds the profile folder and its lock file, nothing left over by a save.
    QStringList dataFolder() const {
        return QDir(sysPath).entryList(QDir::AllEntries | QDir::NoDotAndDotDot, QDir::Name);
    }
    static QStringList names(const ProfieController& library) {
        QStringList result;
        for (const auto& profile : library.profileArr())
            result << profile->name();
        return result;
    }
    static QStringList fiveFiles() {
        return {"Default1.pro", "Default2.pro", "Default3.pro", "Default4.pro", "Default5.pro"};
    }
    // Gives every profile a mark in its data (and its buttons) so that sets can be told apart.
    static void markAll(ProfieController& library, uint32_t mark) {
        for (const auto& profile : library.profileArr()) {
            _Kx_PROFILE data = profile->profileData();
            data.acceler = mark;
            data.btnInfo[1].KeyBit[0] = mark + uint32_t(profile->profileId());
            profile->setProfileData(data);
        }
    }
    static QList<uint32_t> marks(const ProfieController& library) {
        QList<uint32_t> result;
        for (const auto& profile : library.profileArr())
            result << profile->profileData().acceler;
        return result;
    }
};

const QStringList kDataFolder{"Profiles", "Profiles.lock"};

TEST_F(ProfileLibrary, AFirstRunHasFivePlaceholdersAndASaveWritesExactlyThem) {
    ProfieController library;
    ASSERT_EQ(names(library),
              QStringList({"Default1", "Default2", "Default3", "Default4", "Default5"}));
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(library.profileArr()[i]->profileId(), i);
        EXPECT_EQ(bytesOf(library.profileArr()[i]->profileData()), QByteArray(1528, '\0'));
    }
    EXPECT_TRUE(profileFiles().isEmpty()) << "nothing written before a save";

    writeFile(QDir(profilesPath()).filePath("stray.txt"), "x");
    library.saveToSys();
    ASSERT_EQ(profileFiles(), fiveFiles());
    for (int n = 1; n <= 5; ++n) {
        const QByteArray bytes =
            readFile(QDir(profilesPath()).filePath(QStringLiteral("Default%1.pro").arg(n)));
        ASSERT_EQ(bytes.size(), 1872);
        for (int slot = 0; slot < 5; ++slot)
            EXPECT_EQ(readLe(bytes, 1832 + 8 * slot, 8), uint64_t(slot));
    }
    EXPECT_EQ(dataFolder(), kDataFolder);

    // The later of two profiles of one name wins; a '/' in a name stays inside the folder.
    library.addProfileByName(QStringLiteral("Default1"), nullptr);
    library.addProfileByName(QStringLiteral("a/b"), nullptr);
    library.saveToSys();
    EXPECT_EQ(profileFiles(), fiveFiles() << "a_b.pro");
    EXPECT_EQ(readLe(readFile(QDir(profilesPath()).filePath("Default1.pro")), 24, 8), 5u);
}

TEST_F(ProfileLibrary, ASaveThatCannotWriteKeepsTheOldSet) {
    ProfieController library;
    markAll(library, 11);
    library.saveToSys();
    markAll(library, 22);
    library.addProfileByName(QString(300, QLatin1Char('n')), nullptr); // file name too long
    library.saveToSys();
    EXPECT_EQ(profileFiles(), fiveFiles());
    EXPECT_EQ(dataFolder(), kDataFolder);
    EXPECT_EQ(marks(ProfieController()), QList<uint32_t>(5, 11));
}

TEST_F(ProfileLibrary, AFileWhoseNameIsInUseIsRefused) {
    QDir().mkpath(profilesPath());
    for (const auto& [file, name] :
         {std::pair("Default1.pro", "Default1"), std::pair("Default2.pro", "Default1"),
          std::pair("Default3.pro", "Default3")}) {
        ProfileValue value;
        value.setName(QString::fromLatin1(name));
        value.setProfileId(file[7] - '1');
        ASSERT_TRUE(value.saveToPath(QDir(profilesPath()).filePath(QString::fromLatin1(file))));
    }
    ProfieController library;
    EXPECT_EQ(names(library), QStringList({"Default1", "Default3", "Default4", "Default5"}));
    EXPECT_EQ(library.profileArr()[1]->profileId(), 2);
    EXPECT_EQ(library.addByPath(QDir(profilesPath()).filePath("Default2.pro")), 2);
    EXPECT_EQ(library.addByPath(path("missing.pro")), 1);
    EXPECT_EQ(library.getProfileCount(), 4);
}

// ---- A save interrupted at every step ----

class InterruptedSave : public ProfileLibrary {
protected:
    // The old set (mark 11, and a stray file) on disk, then a save of the new set (mark 22)
    // that ends at hook call stopAt as if the power went. Yields the steps reported.
    QList<Step> interrupt(bool exchange, int stopAt) {
        QList<Step> steps;
        QDir(sysPath).removeRecursively();
        QDir().mkpath(sysPath);
        ProfieController library;
        markAll(library, 11);
        library.saveToSys();
        writeFile(QDir(profilesPath()).filePath("stray.txt"), "old");
        markAll(library, 22);
        library.setSaveHookForTesting([&](Step step) {
            steps << step;
            if (steps.size() - 1 == stopAt)
                return Reply::Stop;
            return step == Step::StagingSynced && !exchange ? Reply::ContinueWithoutExchange
                                                            : Reply::Continue;
        });
        library.saveToSys();
        return steps;
    }
    // A fresh start finds one complete set, old or new, and nothing beside it.
    void expectCompleteSet(bool isNew) {
        ProfieController fresh;
        EXPECT_EQ(marks(fresh), QList<uint32_t>(5, isNew ? 22 : 11));
        for (const auto& profile : fresh.profileArr())
            EXPECT_EQ(profile->profileData().btnInfo[1].KeyBit[0],
                      (isNew ? 22u : 11u) + uint32_t(profile->profileId()));
        EXPECT_EQ(profileFiles(), isNew ? fiveFiles() : QStringList(fiveFiles()) << "stray.txt");
        EXPECT_EQ(dataFolder(), kDataFolder);
    }
};

TEST_F(InterruptedSave, EveryStepLeavesACompleteSet) {
    const QList<Step> written{Step::StagingCreated, Step::ProfileWritten, Step::ProfileWritten,
                              Step::ProfileWritten, Step::ProfileWritten, Step::ProfileWritten,
                              Step::StagingSynced};
    for (const bool exchange : {true, false}) {
        const QList<Step> all = interrupt(exchange, -1);
        ASSERT_EQ(all,
                  written + (exchange ? QList<Step>{Step::FoldersExchanged, Step::OldSetRemoved}
                                      : QList<Step>{Step::OldSetMovedAside, Step::NewSetMovedIn,
                                                    Step::OldSetRemoved}));
        for (int stop = 0; stop < all.size(); ++stop) {
            SCOPED_TRACE(testing::Message() << "exchange " << exchange << ", stop " << stop);
            const QList<Step> steps = interrupt(exchange, stop);
            // Once the old set is aside, the complete staged set is the one to finish with.
            expectCompleteSet(steps.contains(Step::FoldersExchanged) ||
                              steps.contains(Step::OldSetMovedAside));
        }
    }
}

TEST_F(InterruptedSave, ABackupAloneIsRestoredAtStart) {
    interrupt(true, -1);
    ASSERT_TRUE(QDir(sysPath).rename("Profiles", "Profiles.old"));
    ProfieController library;
    EXPECT_EQ(marks(library), QList<uint32_t>(5, 22));
    ASSERT_TRUE(QDir(sysPath).rename("Profiles", "Profiles.old"));
    library.refreshProfile(); // recovers as well
    EXPECT_EQ(marks(library), QList<uint32_t>(5, 22));
}

// ---- Selection, slots and defaults ----

class Selection : public ProfileLibrary {
protected:
    void SetUp() override {
        ProfileLibrary::SetUp();
        library = std::make_unique<ProfieController>();
        markAll(*library, 100);
    }
    ProfileValue* at(int index) const { return library->profileArr()[index].get(); }
    std::unique_ptr<ProfieController> library;
};

TEST_F(Selection, ASlotSelectsItsProfileAndKeepsTheEditsOfThePrevious) {
    library->setCurrFWProfileIndex(2);
    EXPECT_EQ(library->getCurrProfileIndex(), 2);
    EXPECT_EQ(bytesOf(selProfile), bytesOf(at(2)->profileData()));
    selProfile.srcSpeed = 9;
    library->setCurrFWProfileIndex(5);
    library->setCurrFWProfileIndex(-1);
    EXPECT_EQ(library->currFWProfileIndex(), 2);
    EXPECT_EQ(selProfile.srcSpeed, 9u) << "ignored slots change nothing";
    library->setCurrFWProfileIndex(1);
    EXPECT_EQ(at(2)->profileData().srcSpeed, 9u);
    EXPECT_EQ(selProfile.btnInfo[1].KeyBit[0], 101u);

    library->setSelectByIndex(7); // no isDefault profile to fall back on
    EXPECT_EQ(library->currProfile(), nullptr);
    EXPECT_EQ(bytesOf(selProfile), QByteArray(1528, '\0'));
    at(3)->setIsDefault(true);
    library->setSelectByIndex(-1);
    EXPECT_EQ(library->currProfile(), at(3));

    // A slot whose profile is gone selects the first isDefault profile.
    library->setCurrFWProfileIndex(4);
    library->delProfile(at(4));
    EXPECT_EQ(library->currProfile(), nullptr) << "the selected profile was deleted";
    library->setCurrFWProfileIndex(4);
    EXPECT_EQ(library->currProfile(), at(3));
}

TEST_F(Selection, SharedSettingsReachEveryProfileButTheButtonsStay) {
    library->setCurrFWProfileIndex(0);
    selProfile.poRate = 2;
    selProfile.xSensArr[1] = 30;
    library->applySettingToAll();
    for (const auto& profile : library->profileArr()) {
        EXPECT_EQ(profile->profileData().poRate, 2u);
        EXPECT_EQ(profile->profileData().xSensArr[1], 30u);
        EXPECT_EQ(profile->profileData().btnInfo[1].KeyBit[0], 100u + profile->profileId());
    }
}

TEST_F(Selection, TheBuiltInDefaultFollowsTheActiveSlot) {
    library->setCurrFWProfileIndex(3);
    ASSERT_EQ(library->defaultProfile(), library->defaultProfileArrs()[3].get());
    EXPECT_EQ(library->defaultProfile()->name(), QStringLiteral("Default4"));
    EXPECT_EQ(library->getDefBtnInfoByIndex(4).KeyBit[0], 193u);
    EXPECT_EQ(bytesOf(library->getDefBtnInfoByIndex(5)), QByteArray(292, '\0'));
    selProfile.btnInfo[0].FuncID = 77;
    selProfile.poRate = 1;
    library->resetButtonInfo();
    EXPECT_EQ(selProfile.btnInfo[0].FuncID, 1u);
    EXPECT_EQ(selProfile.poRate, 1u) << "only the buttons are reset";
}

TEST_F(Selection, NewNamesSkipThoseInUse) {
    library->addProfileByName(QStringLiteral("NewProfile_1"), nullptr);
    library->addProfileByName(QStringLiteral("NewProfile_2"), nullptr);
    EXPECT_EQ(library->getNewProfileName(), QStringLiteral("NewProfile_3"));
    library->setSelectByName(QStringLiteral("Default2"));
    library->addProfileByName(QStringLiteral("Default2 copy_1"), nullptr);
    ProfileValue* copy = library->copyProfile(at(1));
    EXPECT_EQ(copy->name(), QStringLiteral("Default2 copy_2"));
    EXPECT_EQ(copy->profileId(), 8) << "one above the largest id";
    EXPECT_EQ(copy->profileData().btnInfo[1].KeyBit[0], 101u);
    EXPECT_EQ(library->addProfile()->profileData().btnInfo[4].KeyBit[0], 193u)
        << "made from the built-in default";
}

TEST_F(Selection, RemovedProfilesLeaveNoDanglingReference) {
    library->setSelectByName(QStringLiteral("Default3"));
    ProfileMenuData item(library->profileArr()[2]);
    library->delProByName(QStringLiteral("Default3"));
    EXPECT_EQ(library->currProfile(), nullptr);
    EXPECT_EQ(item.profileData()->name(), QStringLiteral("Default3")) << "the item keeps it";
    EXPECT_EQ(library->getNextProfie(at(3)), at(2));
    EXPECT_EQ(library->getNextProfie(item.profileData().get()), nullptr);

    at(0)->setIsDefault(true);
    ProfieController::ProfileList others;
    library->getNoDefaultProArr(others);
    library->setSelectByIndex(2);
    library->removeAllNoDefault();
    EXPECT_EQ(library->currProfile(), nullptr);
    std::reverse(others.begin(), others.end());
    library->setNoDefaultProArr(others); // the values outlived their removal
    library->setSelectByIndex(1);
    EXPECT_EQ(names(*library), QStringList({"Default1", "Default5", "Default4", "Default2"}));
}

TEST_F(ProfileLibrary, TheBuiltInDefaultsAreTheFactoryState) {
    const uint32_t buttons[5][3] = {
        {1, 2, 153}, {2, 2, 152}, {3, 2, 151}, {5, 1, 192}, {7, 1, 193}};
    for (int n = 1; n <= 5; ++n) {
        SCOPED_TRACE(n);
        const QString resource = QStringLiteral(":/Default%1.pro").arg(n);
        ASSERT_EQ(readFile(resource).size(), 1872);
        const auto value = ProfileValue::initWithPath(resource);
        EXPECT_EQ(value->name(), QStringLiteral("Default%1").arg(n));
        EXPECT_EQ(value->profileId(), n - 1);
        EXPECT_EQ(value->fwProfileID(), (std::array<uint64_t, 5>{0, 1, 2, 3, 4}));
        const _Kx_PROFILE data = value->profileData();
        for (int b = 0; b < 5; ++b) {
            const _BTN_INFO& button = data.btnInfo[b];
            EXPECT_EQ(std::vector<uint32_t>({button.FuncID, button.FuncTableId, button.KeyBit[0],
                                             button.KeyBit[1], button.btnType}),
                      std::vector<uint32_t>({buttons[b][0], buttons[b][1], buttons[b][2], 0, 1}));
        }
        EXPECT_EQ(std::vector<uint32_t>(std::begin(data.xSensArr), std::end(data.ySensArr)),
                  std::vector<uint32_t>({8, 16, 24, 32, 8, 16, 24, 32}));
        EXPECT_EQ(std::vector<uint32_t>({data.currSelectDPI, data.poRate, data.islightOnArr[0],
                                         data.islightOnArr[1], data.acceler, data.doubleSpeed,
                                         data.srcSpeed, data.enableSrcDes}),
                  std::vector<uint32_t>({0, 2, 1, 1, 5, 5, 5, 1}));
    }
}

// ---- Preferences and the data folder ----

TEST_F(ProfileLibrary, PreferencesUseTheirKeys) {
    ProfieController library;
    EXPECT_TRUE(library.isOSD()) << "on in a fresh store";
    EXPECT_TRUE(readFile(UserPreferences::filePath()).contains("OSDTag=true"));
    library.setIsOSD(false);
    EXPECT_FALSE(library.isOSD());

    library.setLaunchPath(QStringLiteral("/usr/bin/firefox"), 2, 4);
    library.setLaunchPath(QStringLiteral("/opt/a b"), 0, 0);
    const QByteArray file = readFile(UserPreferences::filePath());
    EXPECT_TRUE(file.contains("ProfileLaunchae=/usr/bin/firefox")) << file.toStdString();
    EXPECT_TRUE(file.contains("ProfileLauncha0=/opt/a b")) << "written at once";
    EXPECT_EQ(library.getLaunchPath(2, 4), QStringLiteral("/usr/bin/firefox"));
    EXPECT_EQ(ProfieController::getLaunchPath(184u), std::nullopt);
    library.setLaunchPath(QStringLiteral("/x"), 5, 0); // no such slot: refused
    EXPECT_EQ(ProfieController::getLaunchPath(185u), std::nullopt);
}

TEST_F(ProfileLibrary, TheDataFolderFollowsXdgDataHome) {
    sysPath.clear();
    HvLogger::getLogger()->setDebugEnabled(true);
    KxAction::getSysPath();
    HvLogger::getLogger()->setDebugEnabled(false);
    const QString expected = home.filePath(QStringLiteral("XDG_DATA_HOME/com.vlak.KxOption"));
    EXPECT_EQ(sysPath, expected);
    EXPECT_TRUE(QFileInfo(expected).isDir());
    EXPECT_FALSE(log().filter(expected).isEmpty());
}

} // namespace
