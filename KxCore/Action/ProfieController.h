#pragma once

#include "KxRecords.h"
#include "ProfileValue.h"
#include "SettingsBlock.h"

#include <QList>
#include <QString>

#include <array>
#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <utility>

// The library of the mouse's five profiles: Default1.pro … Default5.pro in the folder
// "Profiles" of the data folder (element i of profileArr belongs to on-board slot i), the five
// built-in defaults compiled into the program (":/Default<n>.pro"), the selection and its
// working copy selProfile, and two preferences (on-screen display, launch paths).
//
// The values are shared (std::shared_ptr): the library's lists hold them, and menu items
// (ProfileMenuData) keep the profile they stand for alive after it leaves the list.
// currProfile and defaultProfile are plain non-owning pointers; the library clears them when
// their value leaves its lists.
//
// Saving replaces the whole folder without a moment in which no complete set is on disk: the
// new set is written and synced in "Profiles.saving", then swapped with "Profiles", then the old
// set is removed. A start (set-up or refreshProfile) finishes or rolls back an interrupted save.
// "Profiles.lock" serialises the programs and journals the folders a running save has made.
class ProfieController {
public:
    using ProfileList = QList<std::shared_ptr<ProfileValue>>;
    static constexpr qsizetype kNotFound = -1;

    // The steps of saveToSys after which the disk holds a new state, in order.
    enum class SaveStep {
        StagingCreated,   // empty "Profiles.saving"
        ProfileWritten,   // one file more in "Profiles.saving" (once per profile)
        StagingSynced,    // the new set is complete and durable
        FoldersExchanged, // "Profiles" holds the new set, "Profiles.saving" the old one
        OldSetMovedAside, // without exchange: "Profiles" renamed to "Profiles.old"
        NewSetMovedIn,    // without exchange: "Profiles.saving" renamed to "Profiles"
        OldSetRemoved,    // done
    };
    enum class SaveHookReply {
        Continue,
        Stop, // end the save here, leaving the disk as it is (a crash or power cut)
        // At StagingSynced: swap with two renames, as on file systems without an exchange.
        ContinueWithoutExchange,
    };
    using SaveHook = std::function<SaveHookReply(SaveStep)>;

    // The shared instance, made on the first call.
    static ProfieController* getShareProCon();

    // Set-up: data folder, profile folder, built-in defaults, slot ids 0..4, refreshProfile.
    ProfieController();
    ProfieController(const ProfieController&) = delete;
    ProfieController& operator=(const ProfieController&) = delete;

    // Reloads profileArr from the profile folder and clears the selection. Waits at most two
    // seconds for another program's save; past that the profiles in memory stay (a log line
    // says so). Only regular files are read.
    void refreshProfile();

    // Selection and working copy. The profiles hold the buttons the mouse holds, which is what a
    // save writes; button edits not yet written live in selProfile and, for a slot, in its
    // button edits below. Saving the selection back stores its settings in the profile and keeps
    // its buttons, when they differ, as the slot's edits; loading it takes the profile with the
    // slot's edits over its buttons.
    void setSelectByIndex(int32_t index);
    void saveSelProfileToData();
    void refreshSelProfileFromData();
    // Every setting of selProfile except the five buttons goes into every profile.
    void applySettingToAll();
    // The stage (0..3) or the polling rate (0..2) the mouse moved to by its own buttons: the
    // mouse holds one for every profile, so it becomes every profile's and selProfile's. True
    // when that changed anything; a value the mouse cannot have changes nothing.
    bool takeMouseStage(int stage);
    bool takeMouseRate(int rate);
    // The settings block the mouse holds becomes every profile's, and selProfile's too unless
    // intoWorkingCopy is false (a view still open keeps what the user set).
    void takeSettingsBlock(const SettingsBlock& block, bool intoWorkingCopy = true);
    void setSelectByName(const QString& name);
    void selectedLast();
    qsizetype getCurrProfileIndex() const; // kNotFound when nothing is selected
    qsizetype getProfileCount() const { return profileArr_.size(); }

    const ProfileList& profileArr() const { return profileArr_; }
    void setProfileArr(const ProfileList& list);
    ProfileValue* currProfile() const { return currProfile_; }
    void setCurrProfile(ProfileValue* profile) { currProfile_ = profile; }
    void setDefaultProfile(ProfileValue* profile) { defaultProfile_ = profile; }
    const QString& sysProPath() const { return sysProPath_; }
    void setSysProPath(const QString& path) { sysProPath_ = path; }
    int32_t currFWProfileIndex() const { return currFWProfileIndex_; }
    int32_t currProfileId() const { return currProfileId_; }
    void setCurrProfileId(int32_t id) { currProfileId_ = id; }
    // Entry n - 1 is Default<n>, or null when its resource gave no value.
    const ProfileList& defaultProfileArrs() const { return defaultProfileArrs_; }
    void setDefaultProfileArrs(const ProfileList& list);
    const std::array<uint64_t, 5>& fwProfileID() const { return fwProfileID_; }

    // On-board slots and built-in defaults.
    void setCurrFWProfileIndex(int32_t slot);
    ProfileValue* getProValueByProid(int64_t profileId) const;
    ProfileValue* getProfileByFWProId(int32_t slot);
    void setProfileToFWPro(int64_t profileId);
    ProfileValue* defaultProfile();
    ProfileValue* getFirstDefaultProfile() const;
    void resetToDefault();
    void resetCurrFwToDef();
    void resetAllToDefault();
    void resetButtonInfo();
    _BTN_INFO getDefBtnInfoByIndex(int index);
    void fillOSD();
    void fillProRate();

    // Saving. saveToSys waits for another program's save to end; false (with a log line) when
    // the set could not be saved, the old one then being kept.
    bool saveToSys();
    // saveToSys in two halves, for a save on another thread (ProfileSaver.h): the set is taken
    // on the thread that edits the library, then written anywhere while the editing goes on.
    struct SaveSet {
        QList<std::pair<QString, QByteArray>> files; // file name, bytes
        uint64_t generation = 0;                     // a later set has a larger number
    };
    SaveSet takeSaveSet();
    // A set older than one this library has already saved is not written: the newer one holds
    // all it held (true).
    bool writeSaveSet(const SaveSet& set);
    void clearAllProfile();
    void saveToPath(const QString& directory);
    void saveSeltoPath(const QString& directory);
    void saveSelProfile();

    // Editing the list.
    int addByPath(const QString& path); // 0 added, 1 no value, 2 name in use
    bool checkProfileName(const QString& name, const ProfileValue* profile) const;
    int64_t getNewProfileId() const;
    QString getNewProfileName() const;
    QString getCopyProfileName() const;
    ProfileValue* addProfileByName(const QString& name, const ProfileValue* templateProfile);
    ProfileValue* addProfile();
    ProfileValue* copyProfile(const ProfileValue* profile);
    ProfileValue* getProfileByName(const QString& name) const;
    void delProByName(const QString& name);
    void delProfile(const ProfileValue* profile);
    ProfileValue* getNextProfie(const ProfileValue* profile) const;
    void sortProfile();
    void removeAllNoDefault();
    void getNoDefaultProArr(ProfileList& list) const;
    void setNoDefaultProArr(const ProfileList& list);
    void des() const;

    // Button edits not yet on the mouse, per profile of profileArr (its on-board slot 0..4):
    // left behind by a switch made on the mouse, or not taken by a write that failed. They end
    // when a write takes them or the user drops them, never by a switch alone.
    bool hasButtonEdits(int slot) const;
    std::optional<std::array<_BTN_INFO, 5>> buttonEdits(int slot) const;
    // The slot's five records become its edits (its working copy when it is the selection).
    void keepButtonEdits(int slot, const _BTN_INFO (&buttons)[5]);
    // Forgets the slot's edits and their journal; the selection's buttons go back to the
    // profile's when it is that slot.
    void dropButtonEdits(int slot);
    void dropAllButtonEdits();
    // After a write to the slot: the buttons in `held` (bit b = button b) are on the mouse as
    // given and become the profile's, a launcher's path going to the preferences with it; the
    // edits of the buttons in `leftAsIs` give way to what the mouse kept. The edits end, and
    // their journal with them, once none differs from the profile. Not saved to disk here.
    void takeWrittenButtons(int slot, const _BTN_INFO (&buttons)[5], unsigned held,
                            unsigned leftAsIs);
    // The slot's edits written to disk ("Unwritten/Default<n>.buttons" in the data folder)
    // before a write starts, so that a write cut short by an unplug or a crash is not lost;
    // false (with a log line) when they could not be.
    bool journalButtonEdits(int slot);
    // The same as a job for another thread (the mouse's queue, ahead of the write): the edits as
    // they are now, written when it runs.
    std::function<bool()> buttonEditsJournalJob(int slot) const;
    // At start, after the mouse was read: the journalled edits that the mouse does not hold
    // become the slots' edits again; the slots, in order. A journal the mouse already holds
    // (the write ended just before its journal could go) is removed; one that cannot be read is
    // left alone with a log line.
    QList<int> restoreJournalledEdits();
    // Every macro id a button refers to: in the profiles, in the edits and in selProfile.
    QList<int32_t> macroIdsInUse() const;

    // Preferences.
    void setIsOSD(bool isOSD);
    bool isOSD();
    // Launch path of slot 0..4, button 0..4, under "ProfileLaunch<code in hex>" (code 160 +
    // 5 * slot + button); written to disk at once.
    void setLaunchPath(const QString& path, int slot, int button);
    std::optional<QString> getLaunchPath(int slot, int button) const;
    static std::optional<QString> getLaunchPath(uint32_t code);

    // Test hooks, never set by the programs: called after each step of saveToSys; called to
    // sync a folder (given the folder and an open descriptor of it) instead of fsync.
    void setSaveHookForTesting(SaveHook hook) { saveHook_ = std::move(hook); }
    using FolderSyncHook = std::function<int(const QString& folder, int fd)>;
    void setFolderSyncHookForTesting(FolderSyncHook hook) { folderSyncHook_ = std::move(hook); }

    // The file name a profile is saved under: its name and ".pro", a '/' replaced by '_'.
    static QString fileNameFor(const ProfileValue& profile);

private:
    class FolderLock;
    enum class CreateFolder { No, IfMissing };
    void refreshProfile(CreateFolder create);
    // Finishes or rolls back a save that a crash interrupted, so that "Profiles" holds a
    // complete set again, and removes what the save had made beside it (as its journal in the
    // lock file names them).
    void recoverInterruptedSave(FolderLock& lock);
    bool reportStep(SaveStep step, SaveHookReply* reply = nullptr) const;
    // Makes the entries of a folder (creations, renames) durable.
    void syncFolder(const QString& path) const;
    // Drops non-owning pointers to a value that leaves the lists.
    void forget(const ProfileValue* profile);
    void removeAt(qsizetype index);
    // A path in the folder that holds the profile folder.
    QString siblingPath(const QString& name) const;
    // The journal file of a slot's button edits.
    QString journalPath(int slot) const;
    void removeJournal(int slot) const;
    // The selection's profile index (its slot), or kNotFound.
    int selectedSlot() const;

    ProfileList profileArr_;
    ProfileValue* currProfile_ = nullptr;
    ProfileValue* defaultProfile_ = nullptr;
    ProfileList defaultProfileArrs_;
    QString sysProPath_;
    bool isOSD_ = false;
    int32_t currProfileId_ = 0;
    int32_t currFWProfileIndex_ = 0;
    std::array<uint64_t, 5> fwProfileID_{0, 1, 2, 3, 4};
    std::array<std::optional<std::array<_BTN_INFO, 5>>, 5> buttonEdits_;
    // Orders the journal jobs (run on another thread) after the removals made here: a job made
    // before its slot's journal was removed writes nothing, so dropped edits never come back.
    struct JournalGuard;
    static std::shared_ptr<JournalGuard> makeJournalGuard();
    std::shared_ptr<JournalGuard> journalGuard_ = makeJournalGuard();
    SaveHook saveHook_;
    FolderSyncHook folderSyncHook_;
    std::atomic<uint64_t> setsTaken_{0};
    std::atomic<uint64_t> newestSetSaved_{0}; // changed only with the folder's lock held
};
