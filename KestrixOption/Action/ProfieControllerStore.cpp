// The profile folder on disk: loading, saving the whole set, and recovery from a save that a
// crash or power cut interrupted.
#include "ProfieController.h"

#include "HvAction.h"
#include "HvLogger.h"
#include "KxAction.h"
#include "KxGlobals.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace {

// Exclusive lock on "<profile folder>.lock" for as long as it lives, so that the window and the
// daemon never load a set while the other is swapping or recovering it. Blocks until granted;
// without a lock file (an unwritable data folder) the work goes ahead unlocked.
class FolderLock {
public:
    explicit FolderLock(const QString& profileFolder) {
        const QByteArray path = QFile::encodeName(profileFolder + QStringLiteral(".lock"));
        fd_ = ::open(path.constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
        if (fd_ < 0)
            return;
        while (::flock(fd_, LOCK_EX) != 0 && errno == EINTR) {
        }
    }
    ~FolderLock() {
        if (fd_ >= 0)
            ::close(fd_); // releases the lock
    }
    FolderLock(const FolderLock&) = delete;
    FolderLock& operator=(const FolderLock&) = delete;

private:
    int fd_ = -1;
};

QByteArray native(const QString& path) {
    return QFile::encodeName(path);
}

bool isDir(const QString& path) {
    return QFileInfo(path).isDir();
}

// Makes the entries of a folder (creations, renames) durable.
void syncFolder(const QString& path) {
    const int fd = ::open(native(path).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return;
    ::fsync(fd);
    ::close(fd);
}

bool renamePath(const QString& from, const QString& to) {
    if (std::rename(native(from).constData(), native(to).constData()) == 0)
        return true;
    HV_WARNING(QStringLiteral("Could not rename %1 to %2: %3")
                   .arg(from, to, QString::fromLocal8Bit(std::strerror(errno))));
    return false;
}

bool removeFolder(const QString& path) {
    if (!QFileInfo::exists(path))
        return true;
    if (QDir(path).removeRecursively())
        return true;
    HV_WARNING(QStringLiteral("Could not remove %1").arg(path));
    return false;
}

} // namespace

QString ProfieController::siblingPath(const char* suffix) const {
    return sysProPath_ + QLatin1String(suffix);
}

QString ProfieController::fileNameFor(const ProfileValue& profile) {
    QString base = profile.name();
    base.replace(QLatin1Char('/'), QLatin1Char('_'));
    return base + QStringLiteral(".pro");
}

ProfieController::ProfieController() {
    if (sysPath.isEmpty())
        KxAction::getSysPath();
    sysProPath_ = QDir(sysPath).filePath(QStringLiteral("Profiles"));
    // An interrupted save may have left the set beside the folder; creating an empty folder
    // first would hide it.
    {
        FolderLock lock(sysProPath_);
        recoverInterruptedSave();
        HvAction::creatDirectoryPro(sysProPath_);
    }

    for (int n = 1; n <= 5; ++n) {
        std::shared_ptr<ProfileValue> value =
            ProfileValue::initWithPath(QStringLiteral(":/Default%1.pro").arg(n));
        if (!value)
            HV_WARNING(QStringLiteral("Built-in profile Default%1.pro is missing").arg(n));
        defaultProfileArrs_.append(std::move(value));
    }
    refreshProfile();
}

void ProfieController::refreshProfile() {
    profileArr_.clear();
    currProfile_ = nullptr;
    if (defaultProfile_ &&
        !std::any_of(defaultProfileArrs_.begin(), defaultProfileArrs_.end(),
                     [this](const auto& p) { return p.get() == defaultProfile_; }))
        defaultProfile_ = nullptr;

    FolderLock lock(sysProPath_);
    recoverInterruptedSave();
    if (!isDir(sysProPath_)) {
        HV_WARNING(QStringLiteral("No profile folder %1").arg(sysProPath_));
        return;
    }
    const QDir folder(sysProPath_);
    for (int n = 1; n <= 5; ++n) {
        const QString path = folder.filePath(QStringLiteral("Default%1.pro").arg(n));
        if (QFileInfo::exists(path)) {
            addByPath(path);
            continue;
        }
        auto placeholder = std::make_shared<ProfileValue>();
        placeholder->setName(QStringLiteral("Default%1").arg(n));
        placeholder->setIsDefault(false);
        placeholder->setProfileId(n - 1);
        profileArr_.append(std::move(placeholder));
    }
}

void ProfieController::recoverInterruptedSave() {
    const QString staging = siblingPath(".saving");
    const QString backup = siblingPath(".old");
    const bool hasStaging = isDir(staging);
    const bool hasBackup = isDir(backup);
    if (!hasStaging && !hasBackup)
        return;

    const QString parent = QFileInfo(sysProPath_).absolutePath();
    if (!QFileInfo::exists(sysProPath_)) {
        // The staging set is only ever complete once the old set has been moved aside, so
        // without a profile folder it is the newest complete set; else the moved-aside set is.
        if (hasStaging && renamePath(staging, sysProPath_))
            HV_WARNING(QStringLiteral("Finished an interrupted save of %1").arg(sysProPath_));
        else if (hasBackup && renamePath(backup, sysProPath_))
            HV_WARNING(QStringLiteral("Restored %1 after an interrupted save").arg(sysProPath_));
        syncFolder(parent);
    }
    if (!isDir(sysProPath_))
        return;
    // The profile folder holds a complete set; what lies beside it is left over.
    removeFolder(staging);
    removeFolder(backup);
    syncFolder(parent);
}

bool ProfieController::reportStep(SaveStep step, SaveHookReply* reply) const {
    const SaveHookReply answer = saveHook_ ? saveHook_(step) : SaveHookReply::Continue;
    if (reply)
        *reply = answer;
    return answer != SaveHookReply::Stop;
}

void ProfieController::saveToSys() {
    const QString staging = siblingPath(".saving");
    const QString backup = siblingPath(".old");
    const QString parent = QFileInfo(sysProPath_).absolutePath();

    FolderLock lock(sysProPath_);
    recoverInterruptedSave();
    // The old set must be in place before the staging folder appears: recovery takes a staging
    // folder beside a missing profile folder for a complete set.
    if (!isDir(sysProPath_)) {
        HvAction::creatDirectoryPro(sysProPath_);
        syncFolder(parent);
    }
    if (!removeFolder(staging) || !QDir().mkpath(staging)) {
        HV_WARNING(QStringLiteral("Could not prepare %1; profiles not saved").arg(staging));
        return;
    }
    syncFolder(parent);
    if (!reportStep(SaveStep::StagingCreated))
        return;

    const QDir stagingDir(staging);
    for (const auto& profile : profileArr_) {
        profile->setFwProfileID(fwProfileID_);
        if (!profile->saveToPath(stagingDir.filePath(fileNameFor(*profile)))) {
            HV_WARNING(QStringLiteral("Profiles not saved; %1 kept").arg(sysProPath_));
            removeFolder(staging);
            return;
        }
        if (!reportStep(SaveStep::ProfileWritten))
            return;
    }
    syncFolder(staging);
    SaveHookReply reply = SaveHookReply::Continue;
    if (!reportStep(SaveStep::StagingSynced, &reply))
        return;

    if (reply != SaveHookReply::ContinueWithoutExchange &&
        ::renameat2(AT_FDCWD, native(staging).constData(), AT_FDCWD,
                    native(sysProPath_).constData(), RENAME_EXCHANGE) == 0) {
        syncFolder(parent);
        if (!reportStep(SaveStep::FoldersExchanged))
            return;
        removeFolder(staging); // now the old set
    } else {
        // No exchange on this file system: two renames, with the old set kept aside between.
        if (!removeFolder(backup) || !renamePath(sysProPath_, backup)) {
            removeFolder(staging);
            return;
        }
        syncFolder(parent);
        if (!reportStep(SaveStep::OldSetMovedAside))
            return;
        if (!renamePath(staging, sysProPath_)) {
            renamePath(backup, sysProPath_);
            return;
        }
        syncFolder(parent);
        if (!reportStep(SaveStep::NewSetMovedIn))
            return;
        removeFolder(backup);
    }
    syncFolder(parent);
    reportStep(SaveStep::OldSetRemoved);
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
