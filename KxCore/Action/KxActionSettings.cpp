#include "KxAction.h"

#include "KxGlobals.h"
#include "ProfieController.h"

using namespace KxProtocol;

namespace {

// One register or memory read of up to 12 bytes; the data starts at buffer[4]. A read that did
// not reach the mouse leaves zeros.
struct ReadBuffer {
    uint8_t bytes[kReportLength] = {};
    bool complete = false;
    const uint8_t* data() const { return bytes + kReportHeaderLength; }
};

ReadBuffer read(uint16_t address, uint8_t count) {
    ReadBuffer buffer;
    buffer.complete = KxAction::readDeviceData(address, count, buffer.bytes);
    return buffer;
}

// One byte as setAdrrData writes it; false, without the pause, when it did not go across.
bool writeByte(uint8_t value, uint16_t address) {
    if (KxAction::sendWriteReport(address, &value, 1) != 1)
        return false;
    KxAction::pause(kReportPauseUs);
    return true;
}

} // namespace

uint8_t KxAction::settingsByte(const _Kx_PROFILE& profile) {
    uint8_t value = profile.currSelectDPI & kStageMask;
    if (profile.islightOnArr[1] != 0)
        value |= kWheelLightBit;
    if (profile.islightOnArr[0] != 0)
        value |= kLogoLightBit;
    return value;
}

void KxAction::setSettingToDev_Dpi(uint8_t stage, uint8_t value) {
    writeLiveDpi(stage, value);
}

void KxAction::setSettingToDev_Rate(uint32_t poRate) {
    writeLiveRate(poRate);
}

void KxAction::setWhellColorToDevice() {
    writeLiveLight(kWheelLight, selProfile.islightOnArr[kWheelLight] != 0);
}

void KxAction::setLogoColorToDevice() {
    writeLiveLight(kLogoLight, selProfile.islightOnArr[kLogoLight] != 0);
}

void KxAction::setColorToDevice() {
    writeColorToDevice();
}

void KxAction::setSettingToDev() {
    writeSettingToDevice();
}

bool KxAction::writeLiveDpi(uint8_t stage, uint8_t value) {
    const uint8_t data[2] = {stage, value};
    if (sendWriteReport(kRegLiveDpi, data, 2) != 1)
        return false;
    pause(kReportPauseUs);
    return true;
}

bool KxAction::writeLiveRate(uint32_t poRate) {
    return writeByte(static_cast<uint8_t>(2 - poRate), kRegLiveRate);
}

bool KxAction::writeLiveLight(int light, bool on) {
    return writeByte(on ? 1 : 0, light == kWheelLight ? kRegWheelLight : kRegLogoLight);
}

bool KxAction::writeActiveProfile(uint32_t profileIndex) {
    // Leaves the mouse ready to answer which profile is active; the answer is not fetched.
    return writeByte(static_cast<uint8_t>((profileIndex + 1) << 5), kAddrActiveProfile) &&
           writeByte(1, kRegCommit) && sendPrepareReport(kRegLiveProfile, 2) == 1;
}

bool KxAction::writeColorToDevice() {
    return writeColorsOf(currSetProfile);
}

bool KxAction::writeSettingToDevice() {
    return writeSettingsOf(currSetProfile);
}

bool KxAction::writeColorsOf(const _Kx_PROFILE& profile) {
    // The lights share their byte with the stage, which the mouse's own DPI button moves: the
    // stage written back is the one the mouse holds, read in the same turn at the mouse.
    uint8_t held[kReportLength] = {};
    if (!readDeviceData(kAddrSettings, 1, held))
        return false;
    _Kx_PROFILE lit = profile;
    lit.currSelectDPI = held[kReportHeaderLength] & kStageMask;
    return writeByte(settingsByte(lit), kAddrSettings) && writeByte(1, kRegCommit);
}

bool KxAction::writeSettingsOf(const _Kx_PROFILE& profile, bool* anySent) {
    bool sent = false;
    const auto write = [&sent](uint8_t value, uint16_t address) {
        if (!writeByte(value, address))
            return false;
        sent = true;
        return true;
    };
    bool complete = write(settingsByte(profile), kAddrSettings);
    for (uint16_t stage = 0; complete && stage < kStages; ++stage)
        complete = write(static_cast<uint8_t>(profile.xSensArr[stage]),
                         static_cast<uint16_t>(kAddrStageDpi + stage));
    complete = complete && write(static_cast<uint8_t>(2 - profile.poRate), kAddrRate) &&
               write(1, kRegCommit);
    if (anySent)
        *anySent = sent;
    return complete;
}

void KxAction::setCurrColorToDev() {
    takeEditedProfileForTransfer();
    setColorToDevice();
}

void KxAction::setCurrSettingToDev() {
    takeEditedProfileForTransfer();
    setSettingToDev();
}

void KxAction::getSettingFromDevice() {
    readSettingFromDevice();
}

bool KxAction::readSettingFromDevice() {
    const ReadBuffer block = read(kAddrSettings, 1);
    const uint8_t settings = block.data()[0];
    currSetProfile.islightOnArr[0] = (settings & kLogoLightBit) ? 1 : 0;
    currSetProfile.islightOnArr[1] = (settings & kWheelLightBit) ? 1 : 0;
    currSetProfile.currSelectDPI = settings & kStageMask;

    // The mouse holds one DPI per stage: both axes take it, so that no older vertical value is
    // shown or kept as if the mouse had it.
    const ReadBuffer dpi = read(kAddrStageDpi, kStages);
    for (int stage = 0; stage < kStages; ++stage)
        currSetProfile.xSensArr[stage] = currSetProfile.ySensArr[stage] = dpi.data()[stage];

    const ReadBuffer rate = read(kAddrRate, 1);
    currSetProfile.poRate = 2 - rate.data()[0];
    return block.complete && dpi.complete && rate.complete;
}

std::optional<SettingsBlock> KxAction::readSettingsBlock() {
    static_assert(kAddrSettings == kAddrRate + 1 && kAddrStageDpi == kAddrSettings + 1);
    const ReadBuffer block = read(kAddrRate, 2 + kStages);
    if (!block.complete || block.data()[0] > 2)
        return std::nullopt;
    SettingsBlock held;
    held.rate = 2 - block.data()[0];
    const uint8_t settings = block.data()[1];
    held.stage = settings & kStageMask;
    held.lights[kLogoLight] = (settings & kLogoLightBit) ? 1 : 0;
    held.lights[kWheelLight] = (settings & kWheelLightBit) ? 1 : 0;
    for (int stage = 0; stage < kStages; ++stage)
        held.dpi[stage] = block.data()[2 + stage];
    return held;
}

void KxAction::getSettingFromDev_Dpi(int* stage, int* value) {
    readSettingFromDev_Dpi(stage, value);
}

bool KxAction::readSettingFromDev_Dpi(int* stage, int* value) {
    const ReadBuffer live = read(kRegLiveDpi, 2);
    *stage = live.data()[0];
    *value = live.data()[1];
    return live.complete;
}

int KxAction::getSettingFromDev_Rate() {
    return 2 - read(kRegLiveRate, 1).data()[0];
}

std::optional<int> KxAction::readSettingFromDev_Rate() {
    const ReadBuffer live = read(kRegLiveRate, 1);
    if (!live.complete)
        return std::nullopt;
    return 2 - live.data()[0];
}

int KxAction::getFWLockState() {
    return read(kRegLock, 1).data()[0];
}

std::optional<int> KxAction::readFWLockState() {
    const ReadBuffer live = read(kRegLock, 1);
    if (!live.complete)
        return std::nullopt;
    return live.data()[0];
}
