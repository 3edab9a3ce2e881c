#include "ProfieController.h"

#include "HvLogger.h"
#include "KxAction.h"
#include "KxGlobals.h"
#include "Preferences/UserPreferences.h"

#include <algorithm>
#include <cstring>
#include <limits>

namespace {

bool contains(const ProfieController::ProfileList& list, const ProfileValue* profile) {
    return std::any_of(list.begin(), list.end(),
                       [profile](const auto& entry) { return entry.get() == profile; });
}

qsizetype indexIn(const ProfieController::ProfileList& list, const ProfileValue* profile) {
    if (!profile)
        return ProfieController::kNotFound;
    for (qsizetype i = 0; i < list.size(); ++i) {
        if (list[i].get() == profile)
            return i;
    }
    return ProfieController::kNotFound;
}

_Kx_PROFILE dataOf(const ProfileValue* profile) {
    return profile ? profile->profileData() : _Kx_PROFILE{};
}

bool isIndex(int value) {
    return value >= 0 && value <= 4;
}

QString launchKey(uint32_t code) {
    return QStringLiteral("ProfileLaunch") + QString::number(code, 16);
}

} // namespace

ProfieController* ProfieController::getShareProCon() {
    static std::unique_ptr<ProfieController> shared;
    if (!shared)
        shared = std::make_unique<ProfieController>();
    return shared.get();
}

// Selection and working copy.

void ProfieController::setSelectByIndex(int32_t index) {
    saveSelProfileToData();
    currProfileId_ = index;
    if (index >= 0 && index < profileArr_.size())
        currProfile_ = profileArr_[index].get();
    else if (!profileArr_.isEmpty())
        currProfile_ = getFirstDefaultProfile();
    else
        return;
    selProfile = dataOf(currProfile_);
    refreshSelProfileFromData();
}

void ProfieController::saveSelProfileToData() {
    if (!currProfile_)
        return;
    _Kx_PROFILE data = selProfile;
    const _Kx_PROFILE stored = currProfile_->profileData();
    std::copy(std::begin(stored.btnInfo), std::end(stored.btnInfo), std::begin(data.btnInfo));
    currProfile_->setProfileData(data);
    const int slot = selectedSlot();
    if (slot != kNotFound && std::memcmp(selProfile.btnInfo, stored.btnInfo, sizeof stored.btnInfo))
        keepButtonEdits(slot, selProfile.btnInfo);
}

void ProfieController::refreshSelProfileFromData() {
    if (!currProfile_)
        return;
    selProfile = currProfile_->profileData();
    if (const int slot = selectedSlot(); slot != kNotFound && buttonEdits_[size_t(slot)])
        std::copy(buttonEdits_[size_t(slot)]->begin(), buttonEdits_[size_t(slot)]->end(),
                  std::begin(selProfile.btnInfo));
}

void ProfieController::applySettingToAll() {
    for (qsizetype i = profileArr_.size() - 1; i >= 0; --i) {
        ProfileValue& profile = *profileArr_[i];
        _Kx_PROFILE data = selProfile;
        const _Kx_PROFILE own = profile.profileData();
        std::copy(std::begin(own.btnInfo), std::end(own.btnInfo), std::begin(data.btnInfo));
        profile.setProfileData(data);
    }
}

void ProfieController::takeSettingsBlock(const SettingsBlock& block, bool intoWorkingCopy) {
    for (const auto& profile : profileArr_) {
        _Kx_PROFILE data = profile->profileData();
        block.putInto(data);
        profile->setProfileData(data);
    }
    if (intoWorkingCopy)
        block.putInto(selProfile);
}

namespace {

bool takeIntoEvery(const ProfieController::ProfileList& profiles, uint32_t _Kx_PROFILE::*field,
                   uint32_t value) {
    bool changed = selProfile.*field != value;
    selProfile.*field = value;
    for (const auto& profile : profiles) {
        _Kx_PROFILE data = profile->profileData();
        if (data.*field == value)
            continue;
        data.*field = value;
        profile->setProfileData(data);
        changed = true;
    }
    return changed;
}

} // namespace

bool ProfieController::takeMouseStage(int stage) {
    if (stage < 0 || stage >= KxProtocol::kStages)
        return false;
    return takeIntoEvery(profileArr_, &_Kx_PROFILE::currSelectDPI, uint32_t(stage));
}

bool ProfieController::takeMouseRate(int rate) {
    if (rate < 0 || rate >= KxProtocol::kRates)
        return false;
    return takeIntoEvery(profileArr_, &_Kx_PROFILE::poRate, uint32_t(rate));
}

void ProfieController::setSelectByName(const QString& name) {
    // An unknown name changes nothing: clearing selProfile would lose the pending edits.
    ProfileValue* profile = getProfileByName(name);
    if (!profile) {
        HV_DEBUG(QStringLiteral("No profile named %1; the selection stays").arg(name));
        return;
    }
    currProfile_ = profile;
    selProfile = dataOf(currProfile_);
}

void ProfieController::selectedLast() {
    if (profileArr_.isEmpty())
        return;
    const int64_t id = profileArr_.first()->currProfileId();
    const bool fits =
        id >= std::numeric_limits<int32_t>::min() && id <= std::numeric_limits<int32_t>::max();
    setSelectByIndex(fits ? static_cast<int32_t>(id) : -1);
}

qsizetype ProfieController::getCurrProfileIndex() const {
    return indexIn(profileArr_, currProfile_);
}

void ProfieController::setProfileArr(const ProfileList& list) {
    const ProfileList old = profileArr_; // keeps the old values alive while the pointers move
    profileArr_ = list;
    if (currProfile_ && !contains(profileArr_, currProfile_))
        currProfile_ = nullptr;
    if (defaultProfile_ && !contains(profileArr_, defaultProfile_) &&
        !contains(defaultProfileArrs_, defaultProfile_))
        defaultProfile_ = nullptr;
}

void ProfieController::setDefaultProfileArrs(const ProfileList& list) {
    defaultProfileArrs_ = list;
    if (defaultProfile_ && !contains(profileArr_, defaultProfile_) &&
        !contains(defaultProfileArrs_, defaultProfile_))
        defaultProfile_ = nullptr;
}

// On-board slots and built-in defaults.

void ProfieController::setCurrFWProfileIndex(int32_t slot) {
    if (!isIndex(slot))
        return;
    currFWProfileIndex_ = slot;
    ProfileValue* profile = getProfileByFWProId(slot);
    const qsizetype index = indexIn(profileArr_, profile);
    setSelectByIndex(index == kNotFound ? -1 : static_cast<int32_t>(index));
    defaultProfile_ = nullptr;
}

ProfileValue* ProfieController::getProValueByProid(int64_t profileId) const {
    for (const auto& profile : profileArr_) {
        if (profile->profileId() == profileId)
            return profile.get();
    }
    return nullptr;
}

ProfileValue* ProfieController::getProfileByFWProId(int32_t slot) {
    if (!isIndex(slot))
        return nullptr;
    if (ProfileValue* profile = getProValueByProid(static_cast<int64_t>(fwProfileID_[slot])))
        return profile;
    if (ProfileValue* profile = getFirstDefaultProfile())
        return profile;
    return defaultProfile();
}

void ProfieController::setProfileToFWPro(int64_t profileId) {
    if (!isIndex(currFWProfileIndex_))
        return;
    ProfileValue* profile = getProValueByProid(profileId);
    if (!profile)
        profile = defaultProfile();
    if (!profile) {
        HV_WARNING(QStringLiteral("No profile %1 and no built-in default for slot %2")
                       .arg(profileId)
                       .arg(currFWProfileIndex_));
        return;
    }
    fwProfileID_[currFWProfileIndex_] = static_cast<uint64_t>(profile->profileId());
    const qsizetype index = indexIn(profileArr_, profile);
    setSelectByIndex(index == kNotFound ? -1 : static_cast<int32_t>(index));
}

ProfileValue* ProfieController::defaultProfile() {
    if (defaultProfile_)
        return defaultProfile_;
    if (defaultProfileArrs_.isEmpty())
        return nullptr;
    const qsizetype index =
        currFWProfileIndex_ >= 0 && currFWProfileIndex_ < defaultProfileArrs_.size()
            ? currFWProfileIndex_
            : 0;
    defaultProfile_ = defaultProfileArrs_[index].get();
    return defaultProfile_;
}

ProfileValue* ProfieController::getFirstDefaultProfile() const {
    for (const auto& profile : profileArr_) {
        if (profile->isDefault())
            return profile.get();
    }
    return nullptr;
}

void ProfieController::resetToDefault() {
    if (currProfile_)
        currProfile_->setProfileData(dataOf(defaultProfile()));
}

void ProfieController::resetCurrFwToDef() {
    if (isIndex(currFWProfileIndex_))
        resetToDefault();
}

void ProfieController::resetAllToDefault() {
    const _Kx_PROFILE data = dataOf(defaultProfile());
    for (const auto& profile : profileArr_)
        profile->setProfileData(data);
}

void ProfieController::resetButtonInfo() {
    if (!currProfile_)
        return;
    const _Kx_PROFILE data = dataOf(defaultProfile());
    std::copy(std::begin(data.btnInfo), std::end(data.btnInfo), std::begin(selProfile.btnInfo));
}

_BTN_INFO ProfieController::getDefBtnInfoByIndex(int index) {
    if (!isIndex(index)) {
        HV_WARNING(QStringLiteral("No button %1; buttons are 0 to 4").arg(index));
        return _BTN_INFO{};
    }
    return dataOf(defaultProfile()).btnInfo[index];
}

void ProfieController::fillOSD() {
    for (const auto& profile : profileArr_)
        profile->setOSD(selProfile.enableSrcDes);
}

void ProfieController::fillProRate() {
    for (const auto& profile : profileArr_)
        profile->setProRate(selProfile.poRate);
}

// Editing the list.

int ProfieController::addByPath(const QString& path) {
    std::shared_ptr<ProfileValue> value = ProfileValue::initWithPath(path);
    if (!value) {
        HV_WARNING(QStringLiteral("No profile at %1").arg(path));
        return 1;
    }
    if (!checkProfileName(value->name(), nullptr)) {
        HV_WARNING(
            QStringLiteral("Profile %1 refused: the name %2 is in use").arg(path, value->name()));
        return 2;
    }
    profileArr_.append(std::move(value));
    return 0;
}

bool ProfieController::checkProfileName(const QString& name, const ProfileValue* profile) const {
    return std::none_of(profileArr_.begin(), profileArr_.end(), [&](const auto& entry) {
        return entry.get() != profile && entry->name() == name;
    });
}

int64_t ProfieController::getNewProfileId() const {
    if (profileArr_.isEmpty())
        return 1;
    const auto largest =
        std::max_element(profileArr_.begin(), profileArr_.end(), [](const auto& a, const auto& b) {
            return a->profileId() < b->profileId();
        });
    return (*largest)->profileId() + 1;
}

QString ProfieController::getNewProfileName() const {
    for (int n = 1;; ++n) {
        const QString name = QStringLiteral("NewProfile_%1").arg(n);
        if (checkProfileName(name, nullptr))
            return name;
    }
}

QString ProfieController::getCopyProfileName() const {
    if (!currProfile_) {
        HV_WARNING(QStringLiteral("No profile selected to name a copy after"));
        return getNewProfileName();
    }
    for (int n = 1;; ++n) {
        const QString name = QStringLiteral("%1 copy_%2").arg(currProfile_->name()).arg(n);
        if (checkProfileName(name, nullptr))
            return name;
    }
}

ProfileValue* ProfieController::addProfileByName(const QString& name,
                                                 const ProfileValue* templateProfile) {
    auto profile = std::make_shared<ProfileValue>();
    profile->setName(name);
    profile->setIsDefault(false);
    profile->setProfileData(templateProfile ? templateProfile->profileData()
                                            : dataOf(defaultProfile()));
    profile->setProfileId(getNewProfileId());
    profileArr_.append(profile);
    return profile.get();
}

ProfileValue* ProfieController::addProfile() {
    return addProfileByName(getNewProfileName(), nullptr);
}

ProfileValue* ProfieController::copyProfile(const ProfileValue* profile) {
    return addProfileByName(getCopyProfileName(), profile);
}

ProfileValue* ProfieController::getProfileByName(const QString& name) const {
    for (const auto& profile : profileArr_) {
        if (profile->name() == name)
            return profile.get();
    }
    return nullptr;
}

void ProfieController::delProByName(const QString& name) {
    delProfile(getProfileByName(name));
}

void ProfieController::delProfile(const ProfileValue* profile) {
    const qsizetype index = indexIn(profileArr_, profile);
    if (index != kNotFound)
        removeAt(index);
}

ProfileValue* ProfieController::getNextProfie(const ProfileValue* profile) const {
    if (profileArr_.size() < 2)
        return nullptr;
    const qsizetype index = indexIn(profileArr_, profile);
    if (index == kNotFound)
        return nullptr;
    return index == profileArr_.size() - 1 ? profileArr_[index - 1].get()
                                           : profileArr_[index + 1].get();
}

void ProfieController::sortProfile() {
    std::stable_sort(profileArr_.begin(), profileArr_.end(),
                     [](const auto& a, const auto& b) { return a->profileId() < b->profileId(); });
}

void ProfieController::removeAllNoDefault() {
    for (qsizetype i = profileArr_.size() - 1; i >= 0; --i) {
        if (!profileArr_[i]->isDefault())
            removeAt(i);
    }
}

void ProfieController::getNoDefaultProArr(ProfileList& list) const {
    for (const auto& profile : profileArr_) {
        if (!profile->isDefault())
            list.append(profile);
    }
}

void ProfieController::setNoDefaultProArr(const ProfileList& list) {
    const ProfileList incoming = list; // list may refer to values removed just below
    removeAllNoDefault();
    for (const auto& profile : incoming) {
        if (profile)
            profileArr_.append(profile);
    }
}

void ProfieController::des() const {
    for (const auto& profile : profileArr_)
        HV_DEBUG(QStringLiteral("%1=%2").arg(profile->name()).arg(profile->profileId()));
}

void ProfieController::forget(const ProfileValue* profile) {
    if (currProfile_ == profile)
        currProfile_ = nullptr;
    if (defaultProfile_ == profile && !contains(defaultProfileArrs_, profile))
        defaultProfile_ = nullptr;
}

void ProfieController::removeAt(qsizetype index) {
    forget(profileArr_[index].get());
    profileArr_.removeAt(index);
}

// Preferences.

void ProfieController::setIsOSD(bool isOSD) {
    isOSD_ = isOSD;
    UserPreferences::open()->setValue(QStringLiteral("OSDTag"), isOSD);
}

bool ProfieController::isOSD() {
    const QVariant stored = UserPreferences::open()->value(QStringLiteral("OSDTag"));
    if (stored.isValid())
        isOSD_ = stored.toBool();
    else
        setIsOSD(true);
    return isOSD_;
}

void ProfieController::setLaunchPath(const QString& path, int slot, int button) {
    if (!isIndex(slot) || !isIndex(button)) {
        HV_WARNING(
            QStringLiteral("No launch slot for profile %1, button %2").arg(slot).arg(button));
        return;
    }
    auto settings = UserPreferences::open();
    settings->setValue(launchKey(KxAction::getBtnAppLaunchIndex(uint32_t(slot), uint32_t(button))),
                       path);
    settings->sync();
    if (settings->status() != QSettings::NoError)
        HV_WARNING(QStringLiteral("Preferences %1 could not be written").arg(settings->fileName()));
}

std::optional<QString> ProfieController::getLaunchPath(int slot, int button) const {
    if (!isIndex(slot) || !isIndex(button))
        return std::nullopt;
    return getLaunchPath(KxAction::getBtnAppLaunchIndex(uint32_t(slot), uint32_t(button)));
}

std::optional<QString> ProfieController::getLaunchPath(uint32_t code) {
    const QVariant stored = UserPreferences::open()->value(launchKey(code));
    if (!stored.isValid())
        return std::nullopt;
    return stored.toString();
}
