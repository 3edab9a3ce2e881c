#include "SettingsBlock.h"

#include "KxRecords.h"

#include <algorithm>
#include <iterator>

SettingsBlock SettingsBlock::of(const _Kx_PROFILE& profile) {
    SettingsBlock block;
    block.stage = profile.currSelectDPI;
    std::copy(std::begin(profile.islightOnArr), std::end(profile.islightOnArr), block.lights);
    std::copy(std::begin(profile.xSensArr), std::end(profile.xSensArr), block.dpi);
    block.rate = profile.poRate;
    return block;
}

void SettingsBlock::putInto(_Kx_PROFILE& profile) const {
    profile.currSelectDPI = stage;
    std::copy(std::begin(lights), std::end(lights), profile.islightOnArr);
    std::copy(std::begin(dpi), std::end(dpi), profile.xSensArr);
    std::copy(std::begin(dpi), std::end(dpi), profile.ySensArr);
    profile.poRate = rate;
}
