#pragma once

#include "HvMenuData.h"

#include <cstdint>
#include <memory>

class ProfileValue;

// A menu-list item standing for one profile. It shares the profile with the library, so an item
// still shown after the profile left the library's list refers to a live value.
class ProfileMenuData : public HvMenuData {
public:
    // Title = the value's name, profileId = the value's id; a null value gives an empty item.
    explicit ProfileMenuData(std::shared_ptr<ProfileValue> value);

    int64_t profileId() const { return profileId_; }
    void setProfileId(int64_t id) { profileId_ = id; }
    const std::shared_ptr<ProfileValue>& profileData() const { return profileData_; }
    void setProfileData(std::shared_ptr<ProfileValue> value) { profileData_ = std::move(value); }

private:
    int64_t profileId_ = 0;
    std::shared_ptr<ProfileValue> profileData_;
};
