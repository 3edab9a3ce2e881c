#include "ProfileMenuData.h"

#include "ProfileValue.h"

ProfileMenuData::ProfileMenuData(std::shared_ptr<ProfileValue> value)
    : profileData_(std::move(value)) {
    if (profileData_) {
        setTitleStr(profileData_->name());
        profileId_ = profileData_->profileId();
    }
}
