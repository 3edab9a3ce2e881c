#include "VirtualMouseFirmware.h"

#include <QStringList>

#include <algorithm>
#include <cerrno>
#include <cstring>

namespace {
constexpr uint8_t kLastStep = 0x40;
constexpr uint8_t kReleaseStep = 0x80;
constexpr uint8_t kLaunchFirst = 160;
constexpr uint8_t kLaunchLast = 184;
constexpr uint8_t kModeOnce = 160;

// Key-step codes of the mouse buttons and the one-step firmware codes of the side buttons, with
// the pointer report's button bit of each.
struct PointerCode {
    uint8_t code;
    uint8_t buttonBit;
    const char* name;
};
constexpr PointerCode kClickCodes[] = {
    {153, 0x01, "left"}, {152, 0x02, "right"}, {151, 0x04, "middle"}};
constexpr PointerCode kSideCodes[] = {{192, 0x08, "back"}, {193, 0x10, "forward"}};
constexpr int kRateHz[] = {1000, 500, 125};

const PointerCode* findCode(const auto& table, uint8_t code) {
    const auto it = std::find_if(std::begin(table), std::end(table),
                                 [code](const PointerCode& c) { return c.code == code; });
    return it == std::end(table) ? nullptr : it;
}

VirtualMouseFirmware::InputReport pointerReport(uint8_t buttons) {
    QByteArray bytes(8, '\0');
    bytes[0] = char(VirtualMouseFirmware::kPointerReportId);
    bytes[1] = char(buttons);
    return {VirtualMouseFirmware::kPointerInterface, bytes};
}

VirtualMouseFirmware::InputReport eventReport(uint8_t kind, uint8_t code = 0) {
    QByteArray bytes(8, '\0');
    bytes[0] = char(VirtualMouseFirmware::kEventReportId);
    bytes[1] = char(kind);
    bytes[3] = char(code);
    return {VirtualMouseFirmware::kControlInterface, bytes};
}
} // namespace

const char* VirtualMouseFirmware::keyName(Key key) {
    switch (key) {
    case Key::Dpi:
        return "dpi";
    case Key::Rate:
        return "rate";
    case Key::Profile:
        return "profile";
    case Key::Lock:
        return "lock";
    }
    return "?";
}

int VirtualMouseFirmware::State::rateHz() const {
    return rateCode >= 0 && rateCode < 3 ? kRateHz[rateCode] : 0;
}

QString VirtualMouseFirmware::State::describe() const {
    return QStringLiteral("profile %1, stage %2 (%3 DPI), %4 Hz, logo %5, wheel %6, %7")
        .arg(profile)
        .arg(stage + 1)
        .arg(dpi * 100)
        .arg(rateHz())
        .arg(logoLight ? "on" : "off", wheelLight ? "on" : "off", locked ? "locked" : "unlocked");
}

VirtualMouseFirmware::VirtualMouseFirmware() : memory_(factoryImage()) {
    powerOn();
}

QByteArray VirtualMouseFirmware::factoryImage() {
    QByteArray image(kMemorySize, '\0');
    // left, right, middle: a press and a release step; back, forward: one firmware step
    const uint8_t steps[kButtons][4] = {
        {153, 0x00, 153, 0xC0}, {152, 0x00, 152, 0xC0}, {151, 0x00, 151, 0xC0},
        {192, 0x40, 0, 0},      {193, 0x40, 0, 0},
    };
    for (int p = 0; p < kProfiles; ++p) {
        for (int b = 0; b < kButtons; ++b) {
            const int address = recordAddress(p, b);
            std::memcpy(image.data() + address, steps[b], sizeof steps[b]);
            image[address + kStepAreaSize] = char(kModeOnce);
            image[address + kStepAreaSize + 1] = 0;
        }
    }
    image[kStoredProfile] = char(1 << 5);
    image[kStoredRate] = 0;
    image[kStoredFlags] = char(kWheelLightBit | kLogoLightBit);
    const char dpi[kStages] = {8, 16, 24, 32};
    std::memcpy(image.data() + kStoredDpi, dpi, sizeof dpi);
    return image;
}

bool VirtualMouseFirmware::loadFlashImage(const QByteArray& image, QString* error) {
    if (image.size() != kMemorySize) {
        if (error)
            *error = QStringLiteral("flash image has %1 bytes, expected %2")
                         .arg(image.size())
                         .arg(kMemorySize);
        return false;
    }
    memory_ = image;
    powerOn();
    return true;
}

void VirtualMouseFirmware::powerOn() {
    state_.locked = false;
    readAddress_ = 0;
    readCount_ = 0;
    commit();
    hostProfileSwitches_ = 0;
}

uint16_t VirtualMouseFirmware::recordAddress(int profileIndex, int buttonIndex) {
    return uint16_t(kRecordBase + kProfileSize * profileIndex + kRecordSize * buttonIndex);
}

QByteArray VirtualMouseFirmware::record(int profileIndex, int buttonIndex) const {
    return memory(recordAddress(profileIndex, buttonIndex), kRecordSize);
}

QByteArray VirtualMouseFirmware::memory(uint16_t address, int count) const {
    return memory_.mid(address, std::max(0, count));
}

int VirtualMouseFirmware::storedDpi(int stage) const {
    return uint8_t(memory_[kStoredDpi + stage]);
}

void VirtualMouseFirmware::storeByte(uint16_t address, uint8_t value) {
    memory_[address] = char(value);
    if (flashChanged_)
        flashChanged_();
}

// Applies the stored block to the live state. Values the live state cannot take (profile
// number outside 1..5, rate code above 2, stage above 3) leave that part as it is.
void VirtualMouseFirmware::commit() {
    const int profile = uint8_t(memory_[kStoredProfile]) >> 5;
    if (profile >= 1 && profile <= kProfiles && profile != state_.profile) {
        state_.profile = profile;
        ++hostProfileSwitches_;
    }
    const int rate = uint8_t(memory_[kStoredRate]);
    if (rate < 3)
        state_.rateCode = rate;
    const uint8_t flags = uint8_t(memory_[kStoredFlags]);
    if ((flags & 0x0F) < kStages)
        state_.stage = flags & 0x0F;
    state_.wheelLight = flags & kWheelLightBit;
    state_.logoLight = flags & kLogoLightBit;
    state_.dpi = storedDpi(state_.stage);
}

bool VirtualMouseFirmware::takesFeatureReport(int interfaceNumber, uint8_t reportId, bool isSet) {
    return interfaceNumber == kControlInterface &&
           (reportId == kReadReportId || (isSet && reportId == kWriteReportId));
}

int VirtualMouseFirmware::setFeatureReport(int interfaceNumber, const uint8_t* report,
                                           size_t length, size_t* transferred) {
    if (interfaceNumber != kControlInterface || report == nullptr || length == 0)
        return EPIPE;
    uint8_t bytes[kReportLength] = {};
    std::memcpy(bytes, report, std::min(length, kReportLength));
    const uint16_t address = uint16_t(bytes[1] | bytes[2] << 8);
    const int count = bytes[3];
    switch (bytes[0]) {
    case kWriteReportId:
        // A count the firmware cannot carry is ignored; the request itself still succeeds.
        if (count >= 1 && count <= kMaxTransfer) {
            if (address >= kRegStage && address <= kRegCommit)
                writeRegister(address, bytes + 4, count);
            else
                writeBytes(address, bytes + 4, count);
        }
        break;
    case kReadReportId:
        if (count >= 1 && count <= kMaxTransfer) {
            readAddress_ = address;
            readCount_ = count;
        } else {
            readAddress_ = 0;
            readCount_ = 0;
        }
        break;
    default:
        return EPIPE;
    }
    if (transferred)
        *transferred = length;
    return 0;
}

int VirtualMouseFirmware::getFeatureReport(int interfaceNumber, uint8_t* report, size_t length,
                                           size_t* transferred) {
    if (interfaceNumber != kControlInterface || report == nullptr || length == 0 ||
        report[0] != kReadReportId)
        return EPIPE;
    // Without a prepared read the response is the bare report id: address 0, count 0, no data.
    uint8_t bytes[kReportLength] = {kReadReportId, uint8_t(readAddress_ & 0xFF),
                                    uint8_t(readAddress_ >> 8), uint8_t(readCount_)};
    for (int i = 0; i < readCount_; ++i)
        bytes[4 + i] = readByte(readAddress_, i);
    const size_t n = std::min(length, kReportLength);
    std::memcpy(report, bytes, n);
    if (transferred)
        *transferred = n;
    return 0;
}

// Byte `offset` of a read at `address`: a register's value (zero past its width) or flash.
// Reads past the top of the address space give zeros.
uint8_t VirtualMouseFirmware::readByte(uint16_t address, int offset) const {
    switch (address) {
    case kRegStage:
        return offset == 0 ? state_.stage : offset == 1 ? state_.dpi : 0;
    case kRegRate:
        return offset == 0 ? state_.rateCode : 0;
    case kRegProfile:
        return offset == 0 ? state_.profile : 0;
    case kRegWheelLight:
        return offset == 0 ? state_.wheelLight : 0;
    case kRegLogoLight:
        return offset == 0 ? state_.logoLight : 0;
    case kRegLock:
        return offset == 0 ? state_.locked : 0;
    case kRegCommit:
        return 0;
    default:
        return address + offset < kMemorySize ? uint8_t(memory_[address + offset]) : 0;
    }
}

// Bytes that would pass the top of the address space are dropped.
void VirtualMouseFirmware::writeBytes(uint16_t address, const uint8_t* data, int count) {
    const int n = std::min(count, kMemorySize - address);
    std::memcpy(memory_.data() + address, data, n);
    if (flashChanged_)
        flashChanged_();
}

// Register writes change the live state only; the stored block waits for a commit. Values the
// register cannot hold are ignored.
void VirtualMouseFirmware::writeRegister(uint16_t address, const uint8_t* data, int count) {
    switch (address) {
    case kRegStage:
        if (data[0] < kStages) {
            state_.stage = data[0];
            // Stage and DPI switch together; a one-byte write takes the stage's stored DPI.
            state_.dpi = count >= 2 ? data[1] : storedDpi(state_.stage);
        }
        break;
    case kRegRate:
        if (data[0] < 3)
            state_.rateCode = data[0];
        break;
    case kRegWheelLight:
        state_.wheelLight = data[0] != 0;
        break;
    case kRegLogoLight:
        state_.logoLight = data[0] != 0;
        break;
    case kRegCommit:
        if (data[0] == 1)
            commit();
        break;
    default: // profile and lock are read only
        break;
    }
}

std::optional<VirtualMouseFirmware::InputReport> VirtualMouseFirmware::press(Key key) {
    if (key == Key::Lock) {
        state_.locked = !state_.locked;
        return eventReport(uint8_t(key));
    }
    if (state_.locked)
        return std::nullopt;
    switch (key) {
    case Key::Dpi:
        state_.stage = (state_.stage + 1) % kStages;
        state_.dpi = storedDpi(state_.stage);
        storeByte(kStoredFlags, (uint8_t(memory_[kStoredFlags]) & 0xF0) | state_.stage);
        break;
    case Key::Rate:
        state_.rateCode = (state_.rateCode + 1) % 3;
        storeByte(kStoredRate, state_.rateCode);
        break;
    case Key::Profile:
        state_.profile = state_.profile % kProfiles + 1;
        storeByte(kStoredProfile, state_.profile << 5);
        break;
    case Key::Lock:
        break;
    }
    return eventReport(uint8_t(key));
}

VirtualMouseFirmware::ButtonResult VirtualMouseFirmware::pressButton(int button) {
    ButtonResult result;
    if (button < 1 || button > kButtons) {
        result.description = QStringLiteral("no button %1").arg(button);
        return result;
    }
    const QByteArray steps = record(state_.profile - 1, button - 1).left(kStepAreaSize);
    const uint8_t first = uint8_t(steps[0]);
    if (first >= kLaunchFirst && first <= kLaunchLast && (uint8_t(steps[1]) & kLastStep)) {
        result.reports.push_back(eventReport(0, first));
        result.description = QStringLiteral("launch slot %1").arg(first);
        return result;
    }
    // Walk the steps up to the last one; mouse buttons become pointer reports.
    uint8_t held = 0;
    QStringList done;
    QStringList skipped;
    for (int i = 0; i + 1 < steps.size(); i += 2) {
        const uint8_t code = uint8_t(steps[i]);
        const uint8_t flags = uint8_t(steps[i + 1]);
        if (const PointerCode* click = findCode(kClickCodes, code)) {
            const bool release = flags & kReleaseStep;
            held = release ? held & ~click->buttonBit : held | click->buttonBit;
            result.reports.push_back(pointerReport(held));
            done << QStringLiteral("%1 %2").arg(click->name, release ? "up" : "down");
        } else if (const PointerCode* side = findCode(kSideCodes, code)) {
            result.reports.push_back(pointerReport(held | side->buttonBit));
            result.reports.push_back(pointerReport(held));
            done << QStringLiteral("%1 click").arg(side->name);
        } else if (code != 0) {
            skipped << QString::number(code);
        }
        if (flags & kLastStep)
            break;
    }
    result.description = done.isEmpty() ? QStringLiteral("no pointer report")
                                        : QStringLiteral("pointer: ") + done.join(", ");
    if (!skipped.isEmpty())
        result.description += QStringLiteral("; codes not emulated: ") + skipped.join(' ');
    return result;
}
