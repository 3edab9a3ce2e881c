// Button records in device memory: a _BTN_INFO becomes up to 40 two-byte steps, a mode byte and
// a repeat count at 16 + 410 × slot + 82 × button, and a record read back becomes a _BTN_INFO
// again, macros included.
#include "KxAction.h"

#include "HvLogger.h"
#include "KxGlobals.h"
#include "MacroInfo.h"
#include "MacroKeyInfo.h"
#include "MenuInfo.h"
#include "ProfieController.h"

#include <algorithm>
#include <cstring>

namespace {

constexpr uint16_t kRecordBase = 16;
constexpr int kModeOffset = 80;
constexpr uint8_t kFlagRelease = 0x80;
constexpr uint8_t kFlagLast = 0x40;
constexpr uint8_t kDelayMask = 0x3F;
constexpr uint8_t kDelayStepMs = 100;
constexpr uint8_t kModeOnce = 160;
constexpr int32_t kNoChordKey = 255;

// Mouse buttons in macros: the desktop's codes in recorded steps, the mouse's on the device.
struct MouseButtonCode {
    int32_t recorded;
    uint8_t device;
};
constexpr MouseButtonCode kMouseButtons[] = {{120, 153}, {121, 152}, {122, 151}};

std::optional<uint8_t> deviceMouseButton(int32_t recorded) {
    for (const auto& b : kMouseButtons)
        if (b.recorded == recorded)
            return b.device;
    return std::nullopt;
}

std::optional<int32_t> recordedMouseButton(uint8_t device) {
    for (const auto& b : kMouseButtons)
        if (b.device == device)
            return b.recorded;
    return std::nullopt;
}

uint8_t delayFlags(int32_t delayMs) {
    return static_cast<uint8_t>(std::clamp(delayMs / kDelayStepMs, 0, int(kDelayMask)));
}

// Collects steps into the 80-byte step area, dropping whatever does not fit.
class StepWriter {
public:
    explicit StepWriter(uint8_t* buffer) : buffer_(buffer) {}

    void add(uint8_t code, uint8_t flags) {
        if (count_ == KxAction::kMaxRecordSteps)
            return;
        buffer_[2 * count_] = code;
        buffer_[2 * count_ + 1] = flags;
        ++count_;
    }
    // Marks the last stored step; the length of the step bytes.
    uint32_t finish(uint8_t lastFlags) {
        if (count_ > 0)
            buffer_[2 * count_ - 1] |= lastFlags;
        return 2 * count_;
    }

private:
    uint8_t* buffer_;
    int count_ = 0;
};

void encodeMacroStep(const MacroKeyInfo& step, StepWriter& steps) {
    if (step.keyFlag() == MacroKeyInfo::kFlagMenuFunction) {
        // An inserted chord: its keys pressed in order, then released in reverse.
        const std::shared_ptr<MenuInfo> entry = KxAction::getMacroMenuByFunid(step.keyCode());
        if (!entry)
            return;
        const int32_t keys[] = {entry->KeyBit1(), entry->KeyBit2(), entry->KeyBit3(),
                                entry->KeyBit4()};
        for (const int32_t key : keys) {
            if (key == kNoChordKey)
                break;
            steps.add(KxAction::GetFWKeyCode(key), 0x00);
        }
        for (int i = 3; i >= 0; --i)
            if (keys[i] != kNoChordKey)
                steps.add(KxAction::GetFWKeyCode(keys[i]), kFlagRelease | 1);
        return;
    }
    const uint8_t delay = delayFlags(step.delay());
    if (step.keyFlag() == MacroKeyInfo::kFlagMouseDown ||
        step.keyFlag() == MacroKeyInfo::kFlagMouseUp) {
        // Recorded clicks are the mouse's own button codes, not keys.
        const auto code = deviceMouseButton(step.keyCode());
        if (!code)
            return;
        const bool release = step.keyFlag() == MacroKeyInfo::kFlagMouseUp;
        steps.add(*code, delay | (release ? kFlagRelease : 0));
        return;
    }
    const bool release = step.keyFlag() == MacroKeyInfo::kFlagKeyUp;
    steps.add(KxAction::GetFWKeyCode(step.keyCode()), delay | (release ? kFlagRelease : 0));
}

} // namespace

void KxAction::getBtnDataInfoBy(const _BTN_INFO& btnInfo, uint8_t* buffer, uint32_t* length) {
    StepWriter steps(buffer);
    *length = 0;
    switch (btnInfo.FuncTableId) {
    case 1:
    case 15:
    case 255:
        steps.add(static_cast<uint8_t>(btnInfo.KeyBit[0]), 0);
        *length = steps.finish(kFlagLast);
        buffer[kModeOffset] = kModeOnce;
        buffer[kModeOffset + 1] = 0;
        return;
    case 2:
        for (const uint32_t key : btnInfo.KeyBit) {
            const uint8_t code = static_cast<uint8_t>(key);
            if (code == 0)
                break;
            steps.add(code, 0x00);
            steps.add(code, kFlagRelease);
        }
        *length = steps.finish(kFlagLast);
        buffer[kModeOffset] = kModeOnce;
        buffer[kModeOffset + 1] = 0;
        return;
    case 6: {
        const std::shared_ptr<MacroInfo> macro =
            getMacroById(static_cast<int32_t>(btnInfo.MacroID));
        if (!macro)
            return;
        for (const MacroKeyInfo& step : macro->keyInfoArr())
            encodeMacroStep(step, steps);
        *length = steps.finish(kFlagLast);
        buffer[kModeOffset] = getMacroType(btnInfo.KeyBit[0]);
        // One byte holds the count: larger counts run the most the mouse can.
        buffer[kModeOffset + 1] = static_cast<uint8_t>(std::min<uint32_t>(btnInfo.KeyBit[1], 255));
        return;
    }
    default:
        return;
    }
}

void KxAction::setBtnInfoToDevice() {
    const uint16_t base = getOffsetAdrBy(kRecordBase, currSetProfileID);
    for (uint32_t index = 0; index < 5; ++index) {
        const _BTN_INFO& btnInfo = currSetProfile.btnInfo[index];
        if (btnInfo.FuncTableId >= 239 && btnInfo.FuncTableId <= 242)
            continue; // the mouse keeps what it holds for these
        uint16_t address = static_cast<uint16_t>(base + kRecordSize * getBtnIndexBy(index));
        HV_DEBUG(QString::asprintf("%0x", address));

        uint8_t record[kRecordSize] = {};
        uint32_t length = 0;
        getBtnDataInfoBy(btnInfo, record, &length);
        if (length == 0)
            continue;

        const uint32_t chunks = std::min<uint32_t>((length + kChunkSize - 1) / kChunkSize, 7);
        HV_DEBUG(QString::asprintf("writeCount %d", chunks));
        for (uint32_t c = 0; c < chunks; ++c) {
            const uint32_t n = std::min<uint32_t>(kChunkSize, length - kChunkSize * c);
            HV_DEBUG(QString::asprintf("数据部分 部分%0x", address));
            sendWriteReport(address, record + kChunkSize * c, static_cast<uint8_t>(n));
            address = static_cast<uint16_t>(address + n);
            pause(kButtonChunkPauseUs);
        }
        const uint16_t trailer = static_cast<uint16_t>(base + kRecordSize * index + kModeOffset);
        HV_DEBUG(QString::asprintf("End 部分%0x", trailer));
        sendWriteReport(trailer, record + kModeOffset, 2);
        pause(kButtonChunkPauseUs);
    }
}

namespace {

// Reads of one record; remembers whether every request reached the mouse.
class RecordReader {
public:
    explicit RecordReader(uint16_t address) : address_(address) {}

    // count bytes at offset into out; false once any request of the record failed.
    bool read(int offset, uint8_t count, uint8_t* out) {
        uint8_t buffer[KxAction::kReportLength] = {};
        complete_ =
            KxAction::readDeviceData(static_cast<uint16_t>(address_ + offset), count, buffer) &&
            complete_;
        std::memcpy(out, buffer + 4, count);
        return complete_;
    }
    bool complete() const { return complete_; }

private:
    uint16_t address_;
    bool complete_ = true;
};

_BTN_INFO singleFunction(uint32_t table, uint32_t code) {
    _BTN_INFO info{};
    info.FuncID = table;
    info.FuncTableId = table;
    info.btnType = table == 15 ? 3 : 1;
    info.KeyBit[0] = code;
    return info;
}

// A record whose first step is its last: a function of the mouse, unless the code is a key.
std::optional<_BTN_INFO> classifyOneStep(uint8_t code) {
    switch (code) {
    case 0:
        return singleFunction(255, 0);
    case 157:
        return singleFunction(240, code);
    case 156:
        return singleFunction(241, code);
    case 194:
        return singleFunction(242, code);
    case 192:
    case 193:
        return singleFunction(1, code);
    default:
        break;
    }
    if (code >= 160 && code <= 184)
        return singleFunction(15, code);
    return std::nullopt;
}

// Up to four keys each pressed and released without delay, the last release ending the record:
// the key sequence of a table 2 entry. Clicks (153, 152, 151) always read as one; other keys
// only where the catalogue has that sequence, since a recorded macro can hold the same steps.
std::optional<_BTN_INFO> classifyKeySequence(const uint8_t* steps) {
    _BTN_INFO info{};
    info.FuncID = 2;
    info.FuncTableId = 2;
    info.btnType = 1;
    for (int key = 0; key < 4; ++key) {
        const uint8_t* pair = steps + 4 * key;
        const bool last = pair[3] == (kFlagRelease | kFlagLast);
        if (pair[0] == 0 || pair[1] != 0x00 || pair[2] != pair[0] ||
            (pair[3] != kFlagRelease && !last))
            return std::nullopt;
        info.KeyBit[key] = pair[0];
        if (last) {
            const bool clicks = std::all_of(info.KeyBit, info.KeyBit + key + 1, [](uint32_t c) {
                return c == 153 || c == 152 || c == 151;
            });
            if (clicks || KxAction::getSingleByBtnInfo(info))
                return info;
            return std::nullopt;
        }
    }
    return std::nullopt;
}

MacroKeyInfo decodeMacroStep(uint8_t code, uint8_t flags) {
    const int32_t delay = (flags & kDelayMask) * kDelayStepMs;
    const bool release = (flags & kFlagRelease) != 0;
    if (const auto button = recordedMouseButton(code))
        return MacroKeyInfo(
            *button, release ? MacroKeyInfo::kFlagMouseUp : MacroKeyInfo::kFlagMouseDown, delay);
    return MacroKeyInfo(KxAction::GetKeyCodeByFW(code),
                        release ? MacroKeyInfo::kFlagKeyUp : MacroKeyInfo::kFlagKeyDown, delay);
}

// The rest of a macro record: steps until the last-step bit, then the mode byte and count.
// bytes holds the first chunk already read.
std::optional<_BTN_INFO> readMacro(RecordReader& reader, uint8_t* bytes) {
    auto macro = std::make_shared<MacroInfo>();
    int offset = 0; // of bytes[0] within the record
    int available = KxAction::kChunkSize;
    int step = 0;
    bool last = false;
    while (!last && step < KxAction::kMaxRecordSteps) {
        const int at = 2 * step - offset;
        if (at + 2 > available) {
            // The mouse is read in whole chunks; the last one also holds the mode and count.
            offset += available;
            if (!reader.read(offset, KxAction::kChunkSize, bytes))
                return std::nullopt;
            continue;
        }
        macro->keyInfoArr().append(decodeMacroStep(bytes[at], bytes[at + 1]));
        last = (bytes[at + 1] & kFlagLast) != 0;
        ++step;
    }
    uint8_t trailer[2];
    const int trailerAt = kModeOffset - offset;
    if (trailerAt >= 0 && trailerAt + 2 <= available) {
        trailer[0] = bytes[trailerAt];
        trailer[1] = bytes[trailerAt + 1];
    } else if (!reader.read(kModeOffset, 2, trailer)) {
        return std::nullopt;
    }

    uint32_t runMode = KxAction::getMacroType2(trailer[0]);
    if (runMode == 0 && trailer[1] >= 2)
        runMode = 1;
    _BTN_INFO info{};
    info.FuncID = 6;
    info.FuncTableId = 6;
    info.btnType = 2;
    info.KeyBit[0] = runMode;
    info.KeyBit[1] = trailer[1];

    if (const auto known = KxAction::getMacroByData(*macro)) {
        info.MacroID = static_cast<uint32_t>(known->macroId());
        return info;
    }
    // A macro the library does not know joins it hidden, so it can be assigned again.
    macro->setMacroId(KxAction::getNewMacorId());
    macro->setNameStr(KxAction::getNewMacorName());
    macro->setIsNoDisplay(true);
    macroListArrs.append(macro);
    info.MacroID = static_cast<uint32_t>(macro->macroId());
    return info;
}

} // namespace

_BTN_INFO KxAction::readBtnRecord(uint16_t address, bool* complete) {
    RecordReader reader(address);
    uint8_t bytes[kChunkSize] = {};
    std::optional<_BTN_INFO> info;
    if (reader.read(0, kChunkSize, bytes)) {
        if (bytes[1] & kFlagLast)
            info = classifyOneStep(bytes[0]);
        else
            info = classifyKeySequence(bytes);
        if (!info && bytes[0] == 0 && bytes[1] == 0)
            info = singleFunction(255, 0);
        if (!info)
            info = readMacro(reader, bytes);
    }
    // A record that could not be read whole is a disabled button, never a half-read macro.
    *complete = reader.complete();
    if (!info || !reader.complete())
        return singleFunction(255, 0);
    if (info->FuncTableId != 6)
        if (const auto entry = getSingleByBtnInfo(*info))
            info->FuncID = static_cast<uint32_t>(entry->functionID());
    return *info;
}

void KxAction::getBtnInfoFromDevice() {
    readBtnInfoFromDevice();
}

bool KxAction::readBtnInfoFromDevice() {
    bool complete = true;
    for (uint32_t index = 0; index < 5; ++index) {
        const uint16_t address = static_cast<uint16_t>(
            getOffsetAdrBy(kRecordBase, currSetProfileID) + kRecordSize * getBtnIndexBy(index));
        HV_DEBUG(QString::asprintf("currBtnIndex %d", index));
        bool recordComplete = false;
        currSetProfile.btnInfo[index] = readBtnRecord(address, &recordComplete);
        complete = complete && recordComplete;
    }
    return complete;
}

void KxAction::setCurrBtnInfoToDevice() {
    takeEditedProfileForTransfer();
    setBtnInfoToDevice();
    sendHideLoadView(0);
}
