// Button edits not yet on the mouse: kept per slot across switches, taken by writes, dropped by
// the user, and journalled on disk while a write runs.
#include "ProfieController.h"

#include "HvLogger.h"
#include "KxAction.h"
#include "KxGlobals.h"
#include "Workspace/RegularFile.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>

#include <cstring>
#include <mutex>

namespace {

constexpr int kButtons = 5;

// A journal file: this tag, then the slot's five records as they are in memory.
constexpr char kJournalTag[8] = {'K', 'X', 'E', 'D', 'I', 'T', 'S', '1'};
constexpr qint64 kJournalSize = qint64(sizeof kJournalTag + kButtons * sizeof(_BTN_INFO));

bool isSlot(int slot) {
    return slot >= 0 && slot < kButtons;
}

bool sameButtons(const _BTN_INFO* a, const _BTN_INFO* b) {
    return std::memcmp(a, b, kButtons * sizeof(_BTN_INFO)) == 0;
}

// The journal's bytes, from a regular file of exactly its size (read without blocking on
// whatever else may sit at the path); none otherwise.
std::optional<QByteArray> readJournal(const QString& path) {
    const std::optional<QByteArray> bytes = RegularFile::read(path, kJournalSize);
    if (!bytes || bytes->size() != kJournalSize ||
        std::memcmp(bytes->constData(), kJournalTag, sizeof kJournalTag) != 0)
        return std::nullopt;
    return bytes;
}

} // namespace

int ProfieController::selectedSlot() const {
    const qsizetype index = getCurrProfileIndex();
    return index != kNotFound && isSlot(int(index)) ? int(index) : int(kNotFound);
}

bool ProfieController::hasButtonEdits(int slot) const {
    return isSlot(slot) && buttonEdits_[size_t(slot)].has_value();
}

std::optional<std::array<_BTN_INFO, 5>> ProfieController::buttonEdits(int slot) const {
    return isSlot(slot) ? buttonEdits_[size_t(slot)] : std::nullopt;
}

void ProfieController::keepButtonEdits(int slot, const _BTN_INFO (&buttons)[5]) {
    if (!isSlot(slot))
        return;
    auto& edits = buttonEdits_[size_t(slot)].emplace();
    std::copy(std::begin(buttons), std::end(buttons), edits.begin());
    if (slot == selectedSlot())
        std::copy(edits.begin(), edits.end(), std::begin(selProfile.btnInfo));
}

void ProfieController::dropButtonEdits(int slot) {
    if (!isSlot(slot))
        return;
    buttonEdits_[size_t(slot)].reset();
    removeJournal(slot);
    if (slot == selectedSlot() && currProfile_) {
        const _Kx_PROFILE stored = currProfile_->profileData();
        std::copy(std::begin(stored.btnInfo), std::end(stored.btnInfo),
                  std::begin(selProfile.btnInfo));
    }
}

void ProfieController::dropAllButtonEdits() {
    for (int slot = 0; slot < kButtons; ++slot)
        dropButtonEdits(slot);
}

void ProfieController::takeWrittenButtons(int slot, const _BTN_INFO (&buttons)[5], unsigned held,
                                          unsigned leftAsIs) {
    if (!isSlot(slot) || slot >= profileArr_.size())
        return;
    ProfileValue& profile = *profileArr_[slot];
    _Kx_PROFILE data = profile.profileData();
    for (int b = 0; b < kButtons; ++b) {
        if (!(held & (1u << b)))
            continue;
        data.btnInfo[b] = buttons[b];
        // The daemon starts a launcher's path from the preferences: it changes with the record,
        // filed under the button's own code (a record sending another's launches that one's).
        const _BTN_INFO& record = buttons[b];
        const size_t length = strnlen(record.app_path, sizeof record.app_path);
        if (record.FuncID == KxFuncId::kLaunch && length > 0 &&
            record.KeyBit[0] == KxAction::getBtnAppLaunchIndex(uint32_t(slot), uint32_t(b)))
            setLaunchPath(QString::fromUtf8(record.app_path, qsizetype(length)), slot, b);
    }
    profile.setProfileData(data);

    auto& edits = buttonEdits_[size_t(slot)];
    if (edits) {
        for (int b = 0; b < kButtons; ++b)
            if (leftAsIs & (1u << b))
                (*edits)[size_t(b)] = data.btnInfo[b];
        if (sameButtons(edits->data(), data.btnInfo)) {
            edits.reset();
            removeJournal(slot);
        } else {
            journalButtonEdits(slot);
        }
    }
    // The selection's settings may be ahead of the profile's; only its buttons follow.
    if (slot == selectedSlot()) {
        const _BTN_INFO* shown = edits ? edits->data() : data.btnInfo;
        std::copy(shown, shown + kButtons, std::begin(selProfile.btnInfo));
    }
}

QString ProfieController::journalPath(int slot) const {
    return QDir(siblingPath(QStringLiteral("Unwritten")))
        .filePath(QStringLiteral("Default%1.buttons").arg(slot + 1));
}

namespace {

void removeJournalFile(const QString& path) {
    if (QFileInfo::exists(path) && !QFile::remove(path))
        HV_WARNING(QStringLiteral("%1 could not be removed").arg(path));
}

} // namespace

struct ProfieController::JournalGuard {
    std::mutex mutex;
    std::array<uint64_t, kButtons> removals{};
};

std::shared_ptr<ProfieController::JournalGuard> ProfieController::makeJournalGuard() {
    return std::make_shared<JournalGuard>();
}

void ProfieController::removeJournal(int slot) const {
    const std::lock_guard lock(journalGuard_->mutex);
    ++journalGuard_->removals[size_t(slot)];
    removeJournalFile(journalPath(slot));
}

bool ProfieController::journalButtonEdits(int slot) {
    return buttonEditsJournalJob(slot)();
}

std::function<bool()> ProfieController::buttonEditsJournalJob(int slot) const {
    if (!isSlot(slot))
        return [] { return false; };
    const QString path = journalPath(slot);
    const auto& edits = buttonEdits_[size_t(slot)];
    if (!edits) {
        return [path] {
            removeJournalFile(path);
            return true;
        };
    }
    QByteArray bytes(kJournalTag, sizeof kJournalTag);
    bytes.append(reinterpret_cast<const char*>(edits->data()), kButtons * sizeof(_BTN_INFO));
    std::shared_ptr<JournalGuard> guard = journalGuard_;
    const uint64_t removals = [&] {
        const std::lock_guard lock(guard->mutex);
        return guard->removals[size_t(slot)];
    }();
    return [slot, path, bytes, guard, removals] {
        const std::lock_guard lock(guard->mutex);
        if (guard->removals[size_t(slot)] != removals)
            return true; // the edits were dropped or written since: nothing to keep
        QDir().mkpath(QFileInfo(path).absolutePath());
        QSaveFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() ||
            !file.flush() || !file.commit()) {
            HV_WARNING(QStringLiteral("The edits of profile %1 could not be kept in %2: %3")
                           .arg(slot + 1)
                           .arg(path, file.errorString()));
            return false;
        }
        return true;
    };
}

QList<int> ProfieController::restoreJournalledEdits() {
    QList<int> restored;
    for (int slot = 0; slot < kButtons && slot < profileArr_.size(); ++slot) {
        const QString path = journalPath(slot);
        if (!QFileInfo::exists(path))
            continue;
        const std::optional<QByteArray> bytes = readJournal(path);
        if (!bytes) {
            HV_WARNING(QStringLiteral("%1 is not a journal of button edits; left alone").arg(path));
            continue;
        }
        _BTN_INFO buttons[kButtons];
        std::memcpy(buttons, bytes->constData() + sizeof kJournalTag, sizeof buttons);
        // Paths are NUL-terminated in memory, whatever the file held.
        for (_BTN_INFO& button : buttons)
            button.app_path[sizeof button.app_path - 1] = '\0';
        if (sameButtons(buttons, profileArr_[slot]->profileData().btnInfo)) {
            removeJournal(slot);
            continue;
        }
        keepButtonEdits(slot, buttons);
        restored.append(slot);
    }
    return restored;
}

QList<int32_t> ProfieController::macroIdsInUse() const {
    QList<int32_t> ids;
    const auto note = [&ids](const _BTN_INFO& button) {
        if (button.FuncID == KxFuncId::kMacro && !ids.contains(int32_t(button.MacroID)))
            ids.append(int32_t(button.MacroID));
    };
    for (const auto& profile : profileArr_)
        for (const _BTN_INFO& button : profile->profileData().btnInfo)
            note(button);
    for (const auto& edits : buttonEdits_)
        if (edits)
            for (const _BTN_INFO& button : *edits)
                note(button);
    for (const _BTN_INFO& button : selProfile.btnInfo)
        note(button);
    return ids;
}
