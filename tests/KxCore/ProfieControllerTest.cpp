#include "ProfieController.h"
#include "Preferences/UserPreferences.h"
#include "ProfileMenuData.h"
#include "ProfileSaver.h"
#include "ProfilesTestSupport.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <future>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

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
    static QString inProfiles(const QString& name) { return QDir(profilesPath()).filePath(name); }
    // A save's reply to the hook: on through the folder exchange, or without it.
    static Reply onwards(Step step, bool exchange) {
        return step == Step::StagingSynced && !exchange ? Reply::ContinueWithoutExchange
                                                        : Reply::Continue;
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

    writeFile(inProfiles("stray.txt"), "x");
    library.saveToSys();
    ASSERT_EQ(profileFiles(), fiveFiles());
    for (int n = 1; n <= 5; ++n) {
        const QByteArray bytes = readFile(inProfiles(QStringLiteral("Default%1.pro").arg(n)));
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
    EXPECT_EQ(readLe(readFile(inProfiles("Default1.pro")), 24, 8), 5u);
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
    EXPECT_EQ(markOf(ProfieController()), 11u);
}

TEST_F(ProfileLibrary, AFileWhoseNameIsInUseIsRefused) {
    QDir().mkpath(profilesPath());
    for (const auto& [file, name] :
         {std::pair("Default1.pro", "Default1"), std::pair("Default2.pro", "Default1"),
          std::pair("Default3.pro", "Default3")}) {
        ProfileValue value;
        value.setName(QString::fromLatin1(name));
        value.setProfileId(file[7] - '1');
        ASSERT_TRUE(value.saveToPath(inProfiles(QString::fromLatin1(file))));
    }
    ProfieController library;
    EXPECT_EQ(names(library), QStringList({"Default1", "Default3", "Default4", "Default5"}));
    EXPECT_EQ(library.profileArr()[1]->profileId(), 2);
    EXPECT_EQ(library.addByPath(inProfiles("Default2.pro")), 2);
    EXPECT_EQ(library.addByPath(path("missing.pro")), 1);
    EXPECT_EQ(library.getProfileCount(), 4);
}

// Hands a library nothing it cannot read without blocking, and says once what is odd.
TEST_F(ProfileLibrary, OnlyRegularFilesAreReadAndOddSizesAreNamedOnce) {
    QDir().mkpath(profilesPath());
    const QString fifo = inProfiles("Default2.pro");
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    ProfileValue named;
    named.setName(QStringLiteral("Short"));
    named.setProfileId(2);
    ASSERT_TRUE(named.saveToPath(path("full.pro")));
    writeFile(inProfiles("Default3.pro"), readFile(path("full.pro")).left(300));

    ProfieController library; // a FIFO would block an ordinary open for good
    EXPECT_EQ(names(library),
              QStringList({"Default1", "Default2", "Short", "Default4", "Default5"}));
    EXPECT_EQ(bytesOf(library.profileArr()[1]->profileData()), QByteArray(1528, '\0'))
        << "the FIFO's slot starts empty";
    EXPECT_EQ(log().filter("Default2.pro").filter("not a regular file").size(), 1);
    EXPECT_EQ(log().filter("Default3.pro").filter("300 bytes").size(), 1);
    library.refreshProfile();
    EXPECT_EQ(log().filter("Default3.pro").filter("300 bytes").size(), 1) << "named once";
    EXPECT_EQ(ProfileValue::initWithPath(fifo)->name(), QString()) << "read directly: empty";
}

// The profile folder gone, or a file in its place: an empty library (nothing to show), and a
// save never destroys what is there instead.
TEST_F(ProfileLibrary, AMissingFolderOrAFileInItsPlace) {
    ProfieController library;
    markAll(library, 11);
    library.saveToSys();
    library.setSelectByIndex(1);
    QDir(profilesPath()).removeRecursively();
    library.refreshProfile();
    EXPECT_EQ(library.getProfileCount(), 0);
    EXPECT_EQ(library.currProfile(), nullptr);
    EXPECT_FALSE(log().filter("No profile folder").isEmpty());

    writeFile(profilesPath(), "the user's file");
    ProfieController another;
    EXPECT_EQ(another.getProfileCount(), 0);
    another.addProfileByName(QStringLiteral("Default1"), nullptr);
    EXPECT_FALSE(another.saveToSys());
    EXPECT_EQ(readFile(profilesPath()), "the user's file");
    EXPECT_FALSE(log().filter("not a folder").isEmpty());
}

// Saves on the saver's thread: each writes the set the library held when it was asked for,
// asks made while one waits take its place, and every asker hears the outcome on its thread.
TEST_F(ProfileLibrary, BackgroundSavesWriteTheSetAskedForAndTellEveryAsker) {
    ProfieController library;
    // The first save waits in its first folder sync until the others are asked for.
    std::promise<void> held, released;
    bool first = true;
    library.setFolderSyncHookForTesting(
        [&, release = released.get_future().share()](const QString&, int fd) {
            if (std::exchange(first, false)) {
                held.set_value();
                release.wait();
            }
            return ::fsync(fd);
        });
    int setsStarted = 0;
    library.setSaveHookForTesting([&](Step step) {
        setsStarted += step == Step::StagingCreated;
        return Reply::Continue;
    });
    ProfileSaver saver;
    QObject asker;
    QList<bool> heard;
    const auto hear = [&](bool saved) { heard << saved; };
    markAll(library, 1);
    saver.save(library, &asker, hear);
    ASSERT_EQ(held.get_future().wait_for(std::chrono::seconds(5)), std::future_status::ready);
    for (uint32_t mark = 2; mark <= 4; ++mark) {
        markAll(library, mark);
        saver.save(library, &asker, hear);
    }
    markAll(library, 9); // after the last ask: stays in memory
    released.set_value();
    ASSERT_TRUE(saver.waitUntilIdle(10000));
    QCoreApplication::sendPostedEvents();
    EXPECT_EQ(heard, QList<bool>({true, true, true, true}));
    EXPECT_EQ(setsStarted, 2) << "the three asks that waited made one save";
    EXPECT_EQ(markOf(ProfieController()), 4u);
    EXPECT_EQ(dataFolder(), kDataFolder);
}

// Two threads may save one library (the window's saver, a transfer's worker): whichever set is
// written last, the newer one stays.
TEST_F(ProfileLibrary, AnOlderSetIsNeverWrittenOverANewerOne) {
    ProfieController library;
    markAll(library, 1);
    const ProfieController::SaveSet older = library.takeSaveSet();
    markAll(library, 2);
    const ProfieController::SaveSet newer = library.takeSaveSet();
    ASSERT_TRUE(library.writeSaveSet(newer));
    EXPECT_TRUE(library.writeSaveSet(older)) << "the newer set on disk holds it";
    EXPECT_EQ(markOf(ProfieController()), 2u);
    // A set that failed to save does not hold back an older one.
    markAll(library, 3);
    const ProfieController::SaveSet before = library.takeSaveSet();
    markAll(library, 4);
    const ProfieController::SaveSet failing = library.takeSaveSet();
    library.setSaveHookForTesting(
        [](Step step) { return step == Step::StagingCreated ? Reply::Stop : Reply::Continue; });
    EXPECT_FALSE(library.writeSaveSet(failing));
    library.setSaveHookForTesting({});
    ASSERT_TRUE(library.writeSaveSet(before));
    EXPECT_EQ(markOf(ProfieController()), 3u);
}

// Another process holding the lock (a save that hangs, a stopped window) must not freeze the
// daemon: a reload gives up after a bounded wait and keeps the profiles it has.
TEST_F(ProfileLibrary, AReloadGivesUpOnAHeldLockAndKeepsItsProfiles) {
    ProfieController library;
    markAll(library, 11);
    library.saveToSys();
    library.refreshProfile();
    markAll(library, 22); // in memory only

    const int holder = ::open(QFile::encodeName(profilesPath() + ".lock").constData(), O_RDWR);
    ASSERT_GE(holder, 0);
    ASSERT_EQ(::flock(holder, LOCK_EX), 0);
    log().clear();
    library.refreshProfile();
    EXPECT_EQ(markOf(library), 22u) << "kept while the lock is held";
    EXPECT_EQ(log().filter("Profiles.lock").size(), 1) << log().text();
    library.refreshProfile(); // a second reload while the first one's waiter still waits
    EXPECT_EQ(markOf(library), 22u);
    ::close(holder);

    library.refreshProfile();
    EXPECT_EQ(markOf(library), 11u) << "read once the lock is free";
}

// ---- A save interrupted at every step ----

class InterruptedSave : public ProfileLibrary {
protected:
    // The old set (mark 11, and a stray file) on disk beside the user's folders, then a save of
    // the new set (mark 22) that ends at hook call stopAt as if the power went (-1: it does not).
    // Yields the steps reported.
    QList<Step> interrupt(bool exchange, int stopAt, const QStringList& usersFolders = {}) {
        QList<Step> steps;
        QDir(sysPath).removeRecursively();
        QDir().mkpath(sysPath);
        for (const QString& name : usersFolders) {
            QDir().mkpath(inData(name));
            writeFile(inData(name) + "/keep.txt", name.toUtf8());
        }
        ProfieController library;
        markAll(library, 11);
        EXPECT_TRUE(library.saveToSys());
        writeFile(inProfiles("stray.txt"), "old");
        markAll(library, 22);
        library.setSaveHookForTesting([&](Step step) {
            steps << step;
            if (steps.size() - 1 == stopAt)
                return Reply::Stop;
            return onwards(step, exchange);
        });
        const bool saved = library.saveToSys();
        EXPECT_TRUE(saved || stopAt >= 0);
        return steps;
    }
};

// Recovery removes the folders the journal names, never others of the same pattern: with the
// user's own "Profiles.saving" and "Profiles.old" beside, the save picks other names. A save
// interrupted at any step leaves one complete set, old or new, and nothing beside it but the
// user's folders as they were.
TEST_F(InterruptedSave, EveryStepLeavesACompleteSetAndTheUsersFoldersOfTheSameNames) {
    const QList<Step> written{Step::StagingCreated, Step::ProfileWritten, Step::ProfileWritten,
                              Step::ProfileWritten, Step::ProfileWritten, Step::ProfileWritten,
                              Step::StagingSynced};
    const QStringList users{"Profiles.old", "Profiles.old-3", "Profiles.saving",
                            "Profiles.saving-3", "Profiles.savings"};
    for (const QStringList& beside : {QStringList(), users}) {
        for (const bool exchange : {true, false}) {
            const QList<Step> all = interrupt(exchange, -1, beside);
            ASSERT_EQ(all,
                      written + (exchange ? QList<Step>{Step::FoldersExchanged, Step::OldSetRemoved}
                                          : QList<Step>{Step::OldSetMovedAside, Step::NewSetMovedIn,
                                                        Step::OldSetRemoved}));
            for (int stop = -1; stop < all.size(); ++stop) {
                SCOPED_TRACE(testing::Message() << beside.size() << " folders of the user's, "
                                                << "exchange " << exchange << ", stop " << stop);
                const QList<Step> steps = stop < 0 ? all : interrupt(exchange, stop, beside);
                // Once the old set is aside, the complete staged set is the one to finish with.
                const bool isNew = steps.contains(Step::FoldersExchanged) ||
                                   steps.contains(Step::OldSetMovedAside);
                EXPECT_EQ(markOf(ProfieController()), isNew ? 22u : 11u); // recovers
                EXPECT_EQ(profileFiles(), isNew ? fiveFiles() : fiveFiles() << "stray.txt");
                EXPECT_EQ(dataFolder(), kDataFolder + beside)
                    << "the save's own folders are gone, the user's stay";
                for (const QString& name : beside)
                    EXPECT_EQ(readFile(inData(name) + "/keep.txt"), name.toUtf8());
            }
        }
    }
}

// The save's durability rests on syncing each folder after its entries change: the staging
// folder once every file is in it, the data folder after each rename.
TEST_F(InterruptedSave, EveryFolderIsSyncedBeforeTheNextStepRelyingOnIt) {
    for (const bool exchange : {true, false}) {
        QStringList events;
        ProfieController library;
        library.setFolderSyncHookForTesting([&](const QString& folder, int fd) {
            events << QStringLiteral("sync ") + QFileInfo(folder).fileName();
            return ::fsync(fd);
        });
        library.setSaveHookForTesting([&](Step step) {
            events << QString::number(int(step));
            return onwards(step, exchange);
        });
        ASSERT_TRUE(library.saveToSys());
        const auto at = [&](const QString& event, qsizetype from = 0) {
            return events.indexOf(event, from);
        };
        const QString data = QFileInfo(sysPath).fileName();
        const qsizetype lastFile = events.lastIndexOf(QString::number(int(Step::ProfileWritten)));
        const qsizetype staged = at(QString::number(int(Step::StagingSynced)));
        EXPECT_GT(at("sync Profiles.saving", lastFile), lastFile)
            << events.join(", ").toStdString();
        EXPECT_LT(at("sync Profiles.saving", lastFile), staged);
        const Step swapped = exchange ? Step::FoldersExchanged : Step::NewSetMovedIn;
        const qsizetype swap = at(QString::number(int(swapped)));
        EXPECT_GT(at("sync " + data, staged), staged) << events.join(", ").toStdString();
        EXPECT_LT(at("sync " + data, staged), swap) << "the rename is durable before it counts";
    }
}

// Moved aside, the old set is the one to restore when the staged set is gone as well.
TEST_F(InterruptedSave, ABackupAloneIsRestoredAndTheRemovalsAreLogged) {
    const QList<Step> steps = interrupt(false, 7);
    ASSERT_EQ(steps.last(), Step::OldSetMovedAside);
    ASSERT_TRUE(QDir(inData("Profiles.saving")).removeRecursively());
    log().clear();
    ProfieController library;
    EXPECT_EQ(markOf(library), 11u);
    EXPECT_EQ(dataFolder(), kDataFolder);
    EXPECT_EQ(log().filter("Restored").size(), 1);

    interrupt(true, 7); // exchanged: the old set waits in the staging folder
    log().clear();
    library.refreshProfile(); // recovers as well
    EXPECT_EQ(markOf(library), 22u);
    EXPECT_EQ(log().filter("Removed " + inData("Profiles.saving")).size(), 1) << log().text();
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

TEST_F(Selection, AnUnknownNameKeepsTheSelectionAndItsPendingEdits) {
    library->setSelectByIndex(3);
    selProfile.srcSpeed = 9; // edited, not yet saved back
    library->setSelectByName(QStringLiteral("no such profile"));
    EXPECT_EQ(library->currProfile(), at(3));
    EXPECT_EQ(selProfile.srcSpeed, 9u);
    library->setSelectByName(QStringLiteral("Default2"));
    EXPECT_EQ(library->currProfile(), at(1));
    EXPECT_EQ(bytesOf(selProfile), bytesOf(at(1)->profileData()));
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

// ---- Preferences ----

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

// A journal job runs on another thread after it was made: edits dropped or written in between
// must not come back from it, while a job made after them keeps the new edits.
TEST_F(ProfileLibrary, AJournalJobMadeBeforeItsEditsWereDroppedWritesNothing) {
    ProfieController library;
    const QString journal = QDir(sysPath).filePath(QStringLiteral("Unwritten/Default2.buttons"));
    _BTN_INFO edits[5] = {};
    edits[1].FuncID = edits[1].FuncTableId = 15;
    library.keepButtonEdits(1, edits);
    const std::function<bool()> stale = library.buttonEditsJournalJob(1);
    library.dropButtonEdits(1);
    EXPECT_TRUE(stale());
    EXPECT_FALSE(QFileInfo::exists(journal)) << "dropped edits came back";

    library.keepButtonEdits(1, edits);
    const std::function<bool()> fresh = library.buttonEditsJournalJob(1);
    EXPECT_TRUE(fresh());
    EXPECT_TRUE(QFileInfo::exists(journal));
    library.dropButtonEdits(1);
    EXPECT_FALSE(QFileInfo::exists(journal));
}

} // namespace
