// The profile folder on disk: loading, saving the whole set, and recovery from a save that a
// crash or power cut interrupted.
#include "ProfieController.h"

#include "HvAction.h"
#include "HvLogger.h"
#include "KxAction.h"
#include "KxGlobals.h"
#include "Linux/UniqueFd.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <memory>
#include <mutex>
#include <sys/file.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace {

// How long a load waits for another process's save or recovery before it gives up. Saves are
// a few milliseconds; a lock held longer belongs to a process that is stuck or stopped.
constexpr auto kLoadLockWait = std::chrono::seconds(2);
// Waiters given up on that are still blocked on the lock; beyond this, loads give up at once.
constexpr int kMaxWaitersLeftBehind = 8;
std::atomic<int> waitersLeftBehind{0};

QByteArray native(const QString& path) {
    return QFile::encodeName(path);
}

QString errnoText() {
    return QString::fromLocal8Bit(std::strerror(errno));
}

// A blocking flock on a thread of its own, so that the caller can stop waiting after a bounded
// time: flock itself has no timeout. A waiter given up on releases the lock the moment it gets
// it. It shares the caller's open file description (dup), which is what flock locks.
bool lockWithin(int fd, std::chrono::milliseconds wait) {
    if (::flock(fd, LOCK_EX | LOCK_NB) == 0)
        return true;
    if (errno != EWOULDBLOCK || waitersLeftBehind.load() >= kMaxWaitersLeftBehind)
        return false;
    struct Shared {
        std::mutex mutex;
        std::condition_variable changed;
        bool finished = false;
        bool granted = false;
        bool abandoned = false;
    };
    auto shared = std::make_shared<Shared>();
    UniqueFd waiterFd(::fcntl(fd, F_DUPFD_CLOEXEC, 0));
    if (!waiterFd.isValid())
        return false;
    std::thread([shared, waiterFd = std::move(waiterFd)] {
        int result;
        while ((result = ::flock(waiterFd.get(), LOCK_EX)) != 0 && errno == EINTR) {
        }
        bool abandoned;
        {
            std::lock_guard lock(shared->mutex);
            shared->finished = true;
            shared->granted = result == 0;
            abandoned = shared->abandoned;
        }
        shared->changed.notify_one();
        if (abandoned) {
            ::flock(waiterFd.get(), LOCK_UN);
            --waitersLeftBehind;
        }
    }).detach();

    std::unique_lock lock(shared->mutex);
    if (shared->changed.wait_for(lock, wait, [&] { return shared->finished; }))
        return shared->granted;
    shared->abandoned = true;
    ++waitersLeftBehind;
    return false;
}

} // namespace

// Exclusive lock on "<profile folder>.lock" for as long as it lives, so that the window and the
// daemon never load a set while the other is swapping or recovering it. The lock file also
// holds the save's journal: the names of the folders the running save has made beside the
// profile folder, so that recovery removes those and nothing a user put there.
class ProfieController::FolderLock {
public:
    enum class Wait {
        UntilGranted, // saves: they wait rather than give up
        Bounded,      // loads: a stuck holder must not freeze the program
    };
    FolderLock(const QString& profileFolder, Wait wait) : path_(profileFolder + ".lock") {
        fd_.reset(::open(native(path_).constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0600));
        if (!fd_.isValid())
            return;
        if (wait == Wait::Bounded) {
            held_ = lockWithin(fd_.get(), kLoadLockWait);
            return;
        }
        int result;
        while ((result = ::flock(fd_.get(), LOCK_EX)) != 0 && errno == EINTR) {
        }
        held_ = result == 0;
    }
    // Closing the file releases the lock.
    FolderLock(const FolderLock&) = delete;
    FolderLock& operator=(const FolderLock&) = delete;

    // No lock file at all (an unwritable data folder): loads go ahead unlocked.
    bool hasFile() const { return fd_.isValid(); }
    bool held() const { return held_; }
    const QString& path() const { return path_; }

    // The journal: "staging=<name>" and "backup=<name>" lines, names of the data folder.
    struct Journal {
        QString staging;
        QString backup;
        bool empty() const { return staging.isEmpty() && backup.isEmpty(); }
    };
    Journal journal() const {
        Journal journal;
        char text[1024];
        const ssize_t n = held_ ? ::pread(fd_.get(), text, sizeof text, 0) : -1;
        if (n <= 0)
            return journal;
        for (const QString& line : QString::fromUtf8(text, n).split(QLatin1Char('\n'))) {
            const QString value = line.section(QLatin1Char('='), 1);
            // Only plain names beside the profile folder.
            if (value.isEmpty() || value.contains(QLatin1Char('/')) || value.startsWith('.'))
                continue;
            if (line.startsWith(QLatin1String("staging=")))
                journal.staging = value;
            else if (line.startsWith(QLatin1String("backup=")))
                journal.backup = value;
        }
        return journal;
    }
    // Durable before the folders it names are made.
    bool setJournal(const Journal& journal) {
        QByteArray text;
        if (!journal.staging.isEmpty())
            text += "staging=" + journal.staging.toUtf8() + '\n';
        if (!journal.backup.isEmpty())
            text += "backup=" + journal.backup.toUtf8() + '\n';
        if (!held_ || ::ftruncate(fd_.get(), 0) != 0 ||
            ::pwrite(fd_.get(), text.constData(), size_t(text.size()), 0) != text.size() ||
            ::fdatasync(fd_.get()) != 0) {
            HV_WARNING(QStringLiteral("Could not write %1: %2").arg(path_, errnoText()));
            return false;
        }
        return true;
    }

private:
    QString path_;
    UniqueFd fd_;
    bool held_ = false;
};

namespace {

// A directory, not followed through a symbolic link.
bool isRealDir(const QString& path) {
    struct stat info {};
    return ::lstat(native(path).constData(), &info) == 0 && S_ISDIR(info.st_mode);
}

bool isDir(const QString& path) {
    return QFileInfo(path).isDir();
}

bool existsAtAll(const QString& path) {
    struct stat info {};
    return ::lstat(native(path).constData(), &info) == 0;
}

bool renamePath(const QString& from, const QString& to) {
    if (std::rename(native(from).constData(), native(to).constData()) == 0)
        return true;
    HV_WARNING(QStringLiteral("Could not rename %1 to %2: %3").arg(from, to, errnoText()));
    return false;
}

bool removeFolder(const QString& path) {
    if (!existsAtAll(path))
        return true;
    if (isRealDir(path) && QDir(path).removeRecursively())
        return true;
    HV_WARNING(QStringLiteral("Could not remove %1").arg(path));
    return false;
}

// The first name of the form <base>, <base>-2, <base>-3 … that nothing in the folder has.
QString freeName(const QString& parent, const QString& base) {
    for (int n = 1; n <= 100; ++n) {
        const QString name = n == 1 ? base : QStringLiteral("%1-%2").arg(base).arg(n);
        if (!existsAtAll(QDir(parent).filePath(name)))
            return name;
    }
    return {};
}

} // namespace

QString ProfieController::siblingPath(const QString& name) const {
    return QDir(QFileInfo(sysProPath_).absolutePath()).filePath(name);
}

QString ProfieController::fileNameFor(const ProfileValue& profile) {
    QString base = profile.name();
    base.replace(QLatin1Char('/'), QLatin1Char('_'));
    return base + QStringLiteral(".pro");
}

void ProfieController::syncFolder(const QString& path) const {
    const UniqueFd fd(::open(native(path).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (!fd.isValid())
        return;
    const int result = folderSyncHook_ ? folderSyncHook_(path, fd.get()) : ::fsync(fd.get());
    if (result != 0)
        HV_WARNING(QStringLiteral("Could not sync %1: %2").arg(path, errnoText()));
}

ProfieController::ProfieController() {
    if (sysPath.isEmpty())
        KxAction::getSysPath();
    sysProPath_ = QDir(sysPath).filePath(QStringLiteral("Profiles"));
    for (int n = 1; n <= 5; ++n) {
        std::shared_ptr<ProfileValue> value =
            ProfileValue::initWithPath(QStringLiteral(":/Default%1.pro").arg(n));
        if (!value)
            HV_WARNING(QStringLiteral("Built-in profile Default%1.pro is missing").arg(n));
        defaultProfileArrs_.append(std::move(value));
    }
    // Creating an empty folder before recovery would hide a set an interrupted save left
    // beside it; refreshProfile recovers first.
    refreshProfile(CreateFolder::IfMissing);
}

void ProfieController::refreshProfile() {
    refreshProfile(CreateFolder::No);
}

void ProfieController::refreshProfile(CreateFolder create) {
    FolderLock lock(sysProPath_, FolderLock::Wait::Bounded);
    if (lock.hasFile() && !lock.held()) {
        HV_WARNING(QStringLiteral("Profiles not reloaded: another program has held %1 for over "
                                  "%2 s; the profiles in memory stay")
                       .arg(lock.path())
                       .arg(std::chrono::seconds(kLoadLockWait).count()));
        return;
    }
    profileArr_.clear();
    currProfile_ = nullptr;
    if (defaultProfile_ &&
        !std::any_of(defaultProfileArrs_.begin(), defaultProfileArrs_.end(),
                     [this](const auto& p) { return p.get() == defaultProfile_; }))
        defaultProfile_ = nullptr;

    if (lock.held())
        recoverInterruptedSave(lock);
    if (create == CreateFolder::IfMissing && !existsAtAll(sysProPath_))
        HvAction::creatDirectoryPro(sysProPath_);
    if (!isDir(sysProPath_)) {
        HV_WARNING(QStringLiteral("No profile folder %1%2")
                       .arg(sysProPath_, existsAtAll(sysProPath_)
                                             ? QStringLiteral(" (something that is not a folder "
                                                              "has its name)")
                                             : QString()));
        return;
    }
    const QDir folder(sysProPath_);
    for (int n = 1; n <= 5; ++n) {
        const QString path = folder.filePath(QStringLiteral("Default%1.pro").arg(n));
        // Only regular files: a FIFO or device of that name would block the open for good.
        if (QFileInfo(path).isFile()) {
            addByPath(path);
            continue;
        }
        if (existsAtAll(path))
            HV_WARNING(QStringLiteral("%1 is not a regular file; its slot starts empty").arg(path));
        auto placeholder = std::make_shared<ProfileValue>();
        placeholder->setName(QStringLiteral("Default%1").arg(n));
        placeholder->setIsDefault(false);
        placeholder->setProfileId(n - 1);
        profileArr_.append(std::move(placeholder));
    }
}

void ProfieController::recoverInterruptedSave(FolderLock& lock) {
    const FolderLock::Journal journal = lock.journal();
    if (journal.empty())
        return;
    const QString staging = journal.staging.isEmpty() ? QString() : siblingPath(journal.staging);
    const QString backup = journal.backup.isEmpty() ? QString() : siblingPath(journal.backup);
    const QString parent = QFileInfo(sysProPath_).absolutePath();
    if (!existsAtAll(sysProPath_)) {
        // The staging set is only ever complete once the old set has been moved aside, so
        // without a profile folder it is the newest complete set; else the moved-aside set is.
        if (!staging.isEmpty() && isRealDir(staging) && renamePath(staging, sysProPath_))
            HV_WARNING(QStringLiteral("Finished an interrupted save of %1").arg(sysProPath_));
        else if (!backup.isEmpty() && isRealDir(backup) && renamePath(backup, sysProPath_))
            HV_WARNING(QStringLiteral("Restored %1 after an interrupted save").arg(sysProPath_));
        syncFolder(parent);
    }
    if (!isDir(sysProPath_))
        return;
    // The profile folder holds a complete set; what the save made beside it is left over.
    for (const QString& leftover : {staging, backup}) {
        if (leftover.isEmpty() || !existsAtAll(leftover))
            continue;
        if (removeFolder(leftover))
            HV_WARNING(QStringLiteral("Removed %1, left by an interrupted save").arg(leftover));
    }
    syncFolder(parent);
    lock.setJournal({});
}

bool ProfieController::reportStep(SaveStep step, SaveHookReply* reply) const {
    const SaveHookReply answer = saveHook_ ? saveHook_(step) : SaveHookReply::Continue;
    if (reply)
        *reply = answer;
    return answer != SaveHookReply::Stop;
}

bool ProfieController::saveToSys() {
    return writeSaveSet(takeSaveSet());
}

ProfieController::SaveSet ProfieController::takeSaveSet() {
    SaveSet set;
    for (const auto& profile : profileArr_) {
        profile->setFwProfileID(fwProfileID_);
        set.files.append({fileNameFor(*profile), profile->fileBytes()});
    }
    set.generation = setsTaken_.fetch_add(1) + 1;
    return set;
}

bool ProfieController::writeSaveSet(const SaveSet& set) {
    const QString parent = QFileInfo(sysProPath_).absolutePath();
    FolderLock lock(sysProPath_, FolderLock::Wait::UntilGranted);
    if (!lock.held()) {
        HV_WARNING(QStringLiteral("Profiles not saved: %1 cannot be locked (%2)")
                       .arg(lock.path(), errnoText()));
        return false;
    }
    if (set.generation < newestSetSaved_.load())
        return true;
    recoverInterruptedSave(lock);
    // The old set must be in place before the staging folder appears: recovery takes a staging
    // folder beside a missing profile folder for a complete set.
    if (!existsAtAll(sysProPath_)) {
        HvAction::creatDirectoryPro(sysProPath_);
        syncFolder(parent);
    }
    if (!isDir(sysProPath_)) {
        HV_WARNING(QStringLiteral("Profiles not saved: %1 is not a folder").arg(sysProPath_));
        return false;
    }
    // The staging folder's name is journalled before it exists, so recovery removes it and
    // never a folder of the user's that happens to have such a name.
    FolderLock::Journal journal;
    journal.staging = freeName(parent, QFileInfo(sysProPath_).fileName() + ".saving");
    const QString staging = siblingPath(journal.staging);
    if (journal.staging.isEmpty() || !lock.setJournal(journal) || !QDir().mkdir(staging)) {
        HV_WARNING(
            QStringLiteral("Profiles not saved: no staging folder beside %1").arg(sysProPath_));
        return false;
    }
    syncFolder(parent);
    if (!reportStep(SaveStep::StagingCreated))
        return false;

    const QDir stagingDir(staging);
    for (const auto& [fileName, bytes] : set.files) {
        if (!ProfileValue::writeFile(stagingDir.filePath(fileName), bytes)) {
            HV_WARNING(QStringLiteral("Profiles not saved; %1 kept").arg(sysProPath_));
            removeFolder(staging);
            lock.setJournal({});
            return false;
        }
        if (!reportStep(SaveStep::ProfileWritten))
            return false;
    }
    syncFolder(staging);
    SaveHookReply reply = SaveHookReply::Continue;
    if (!reportStep(SaveStep::StagingSynced, &reply))
        return false;

    if (reply != SaveHookReply::ContinueWithoutExchange &&
        ::renameat2(AT_FDCWD, native(staging).constData(), AT_FDCWD,
                    native(sysProPath_).constData(), RENAME_EXCHANGE) == 0) {
        syncFolder(parent);
        if (!reportStep(SaveStep::FoldersExchanged))
            return false;
        removeFolder(staging); // now the old set
        HV_DEBUG(QStringLiteral("Removed the previous set, %1").arg(staging));
    } else {
        // No exchange on this file system: two renames, with the old set kept aside between.
        journal.backup = freeName(parent, QFileInfo(sysProPath_).fileName() + ".old");
        const QString backup = siblingPath(journal.backup);
        if (journal.backup.isEmpty() || !lock.setJournal(journal) ||
            !renamePath(sysProPath_, backup)) {
            removeFolder(staging);
            lock.setJournal({});
            HV_WARNING(QStringLiteral("Profiles not saved; %1 kept").arg(sysProPath_));
            return false;
        }
        syncFolder(parent);
        if (!reportStep(SaveStep::OldSetMovedAside))
            return false;
        if (!renamePath(staging, sysProPath_)) {
            renamePath(backup, sysProPath_);
            syncFolder(parent);
            return false;
        }
        syncFolder(parent);
        if (!reportStep(SaveStep::NewSetMovedIn))
            return false;
        removeFolder(backup);
        HV_DEBUG(QStringLiteral("Removed the previous set, %1").arg(backup));
    }
    syncFolder(parent);
    lock.setJournal({});
    newestSetSaved_.store(set.generation); // not older: checked under this lock above
    reportStep(SaveStep::OldSetRemoved);
    return true;
}

void ProfieController::clearAllProfile() {
    removeFolder(sysProPath_);
    HvAction::creatDirectoryPro(sysProPath_);
}

void ProfieController::saveToPath(const QString& directory) {
    const QDir folder(directory);
    for (const auto& profile : profileArr_) {
        profile->setFwProfileID(fwProfileID_);
        profile->saveToPath(folder.filePath(fileNameFor(*profile)));
    }
}

void ProfieController::saveSeltoPath(const QString& directory) {
    if (!currProfile_)
        return;
    currProfile_->setProfileData(selProfile);
    currProfile_->saveToPath(QDir(directory).filePath(fileNameFor(*currProfile_)));
}

void ProfieController::saveSelProfile() {
    saveSeltoPath(sysProPath_);
}
