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

#include <QByteArray>

#include <algorithm>
#include <array>
#include <cstring>
#include <map>
#include <vector>

using namespace KxProtocol;

namespace {

constexpr uint8_t kDelayMask = kStepDelayMask;
constexpr int32_t kNoChordKey = 255; // a chord's unused key

// Mouse buttons in macros: the desktop's codes in recorded steps, the mouse's on the device.
struct MouseButtonCode {
    int32_t recorded;
    uint8_t device;
};
constexpr MouseButtonCode kMouseButtons[] = {
    {120, kCodeLeftClick}, {121, kCodeRightClick}, {122, kCodeMiddleClick}};

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
    return static_cast<uint8_t>(std::clamp(delayMs / kStepDelayUnitMs, 0, int(kDelayMask)));
}

// One step of a record as the mouse holds it: a key or button code and its flags byte.
struct DeviceStep {
    uint8_t code;
    uint8_t flags;
    bool release() const { return (flags & kStepRelease) != 0; }
};

// Collects a record's steps and writes them into its 80-byte step area. What must go whole (one
// recorded step, or every press and release of an inserted chord) is added as one unit. A record
// longer than the area loses whole units from its end, then the presses whose releases went with
// them, so that the mouse never ends a record with a key or button held down.
class StepWriter {
public:
    explicit StepWriter(uint8_t* buffer) : buffer_(buffer) {}

    // A step of its own.
    void add(uint8_t code, uint8_t flags) { units_.push_back({DeviceStep{code, flags}}); }
    // Steps that go whole or not at all.
    void addUnit(std::vector<DeviceStep> steps) {
        if (!steps.empty())
            units_.push_back(std::move(steps));
    }
    // Writes what fits and marks the last step written; the length of the step bytes.
    uint32_t finish(uint8_t lastFlags) {
        std::vector<DeviceStep> kept;
        size_t total = 0;
        bool full = false;
        for (const std::vector<DeviceStep>& unit : units_) {
            total += unit.size();
            if (full || kept.size() + unit.size() > size_t(kMaxRecordSteps)) {
                full = true;
                continue;
            }
            kept.insert(kept.end(), unit.begin(), unit.end());
        }
        if (full)
            dropHeldPresses(kept);
        needed_ = total;
        dropped_ = total - kept.size();
        for (size_t i = 0; i < kept.size(); ++i) {
            buffer_[2 * i] = kept[i].code;
            buffer_[2 * i + 1] = kept[i].flags;
        }
        if (!kept.empty())
            buffer_[2 * kept.size() - 1] |= lastFlags;
        return uint32_t(2 * kept.size());
    }
    // After finish: the steps the record needed, and how many of them were left out.
    size_t needed() const { return needed_; }
    size_t dropped() const { return dropped_; }

private:
    // Removes every press that no later release of the same code answers: at a cut, the keys
    // held across it. Each release answers the latest press of its code before it.
    static void dropHeldPresses(std::vector<DeviceStep>& steps) {
        std::map<uint8_t, std::vector<size_t>> open;
        for (size_t i = 0; i < steps.size(); ++i) {
            std::vector<size_t>& pressed = open[steps[i].code];
            if (!steps[i].release())
                pressed.push_back(i);
            else if (!pressed.empty())
                pressed.pop_back();
        }
        std::vector<bool> held(steps.size(), false);
        for (const auto& [code, pressed] : open)
            for (const size_t i : pressed)
                held[i] = true;
        size_t at = 0;
        for (size_t i = 0; i < steps.size(); ++i)
            if (!held[i])
                steps[at++] = steps[i];
        steps.resize(at);
    }

    uint8_t* buffer_;
    std::vector<std::vector<DeviceStep>> units_;
    size_t needed_ = 0;
    size_t dropped_ = 0;
};

void encodeMacroStep(const MacroKeyInfo& step, StepWriter& steps) {
    if (step.keyFlag() == MacroKeyInfo::kFlagMenuFunction) {
        // An inserted chord: its keys pressed in order, then released in reverse.
        const std::shared_ptr<MenuInfo> entry = KxAction::getMacroMenuByFunid(step.keyCode());
        if (!entry)
            return;
        const int32_t keys[] = {entry->KeyBit1(), entry->KeyBit2(), entry->KeyBit3(),
                                entry->KeyBit4()};
        std::vector<DeviceStep> chord;
        for (const int32_t key : keys) {
            if (key == kNoChordKey)
                break;
            chord.push_back({KxAction::GetFWKeyCode(key), 0x00});
        }
        for (int i = 3; i >= 0; --i)
            if (keys[i] != kNoChordKey)
                chord.push_back({KxAction::GetFWKeyCode(keys[i]), kStepRelease | 1});
        steps.addUnit(std::move(chord));
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
        steps.add(*code, delay | (release ? kStepRelease : 0));
        return;
    }
    const bool release = step.keyFlag() == MacroKeyInfo::kFlagKeyUp;
    const uint8_t code = step.deviceCode().value_or(KxAction::GetFWKeyCode(step.keyCode()));
    steps.add(code, delay | (release ? kStepRelease : 0));
}

} // namespace

namespace {

// What an encoding left out of a macro that does not fit a record.
struct Cut {
    QString macro;
    uint32_t needed = 0;
    uint32_t dropped = 0;
};

void encodeRecordInto(const _BTN_INFO& btnInfo, uint8_t* buffer, uint32_t* length, Cut* cut) {
    StepWriter steps(buffer);
    *length = 0;
    switch (btnInfo.FuncTableId) {
    case KxFuncTable::kFirmware:
    case KxFuncTable::kLaunch:
    case KxFuncTable::kDisabled:
        steps.add(static_cast<uint8_t>(btnInfo.KeyBit[0]), 0);
        *length = steps.finish(kStepLast);
        buffer[kModeOffset] = kModeOnce;
        buffer[kModeOffset + 1] = 0;
        return;
    case KxFuncTable::kKeys:
        for (const uint32_t key : btnInfo.KeyBit) {
            const uint8_t code = static_cast<uint8_t>(key);
            if (code == 0)
                break;
            steps.add(code, 0x00);
            steps.add(code, kStepRelease);
        }
        *length = steps.finish(kStepLast);
        buffer[kModeOffset] = kModeOnce;
        buffer[kModeOffset + 1] = 0;
        return;
    case KxFuncTable::kMacro: {
        const std::shared_ptr<MacroInfo> macro =
            KxAction::getMacroById(static_cast<int32_t>(btnInfo.MacroID));
        if (!macro)
            return;
        for (const MacroKeyInfo& step : macro->keyInfoArr())
            encodeMacroStep(step, steps);
        *length = steps.finish(kStepLast);
        if (cut && steps.dropped() > 0)
            *cut = {macro->nameStr(), uint32_t(steps.needed()), uint32_t(steps.dropped())};
        buffer[kModeOffset] = KxAction::getMacroType(btnInfo.KeyBit[0]);
        // One byte holds the count: larger counts run the most the mouse can.
        buffer[kModeOffset + 1] = static_cast<uint8_t>(std::min<uint32_t>(btnInfo.KeyBit[1], 255));
        return;
    }
    default:
        return;
    }
}

} // namespace

void KxAction::getBtnDataInfoBy(const _BTN_INFO& btnInfo, uint8_t* buffer, uint32_t* length) {
    encodeRecordInto(btnInfo, buffer, length, nullptr);
}

namespace {

// What this program knows each record on the mouse to mean, as the bytes the record's value
// encodes to now (steps, then mode byte and count): set when a record is read or written,
// forgotten when a write fails or a new whole read starts. Only transfers touch it, one at a
// time.
std::array<std::optional<QByteArray>, kProfiles * kButtons>& knownRecords() {
    static std::array<std::optional<QByteArray>, kProfiles * kButtons> known;
    return known;
}

std::optional<QByteArray>* knownRecord(uint32_t slot, uint32_t button) {
    if (slot >= uint32_t(kProfiles) || button >= uint32_t(kButtons))
        return nullptr;
    return &knownRecords()[slot * kButtons + button];
}

// A record's meaning as bytes: its steps and, behind them, the mode byte and count. Empty when
// the record writes nothing.
QByteArray encodedRecord(const _BTN_INFO& info) {
    uint8_t record[kRecordSize] = {};
    uint32_t length = 0;
    KxAction::getBtnDataInfoBy(info, record, &length);
    if (length == 0)
        return {};
    QByteArray bytes(reinterpret_cast<const char*>(record), qsizetype(length));
    bytes.append(char(record[kModeOffset]));
    bytes.append(char(record[kModeOffset + 1]));
    return bytes;
}

// The bytes of one record, read on demand in whole 12-byte chunks from its start, as the mouse
// is read. Seven chunks cover the step area and the mode byte and count behind it.
class RecordReader {
public:
    explicit RecordReader(uint16_t address) : address_(address) {}

    // Reads chunks until the first `end` bytes are in; false when a request of the record
    // failed or `end` lies beyond the seven chunks.
    bool ensure(int end) {
        while (available_ < end && available_ + kChunkSize <= int(sizeof bytes_)) {
            uint8_t report[kReportLength] = {};
            complete_ = KxAction::readDeviceData(static_cast<uint16_t>(address_ + available_),
                                                 kChunkSize, report) &&
                        complete_;
            std::memcpy(bytes_ + available_, report + kReportHeaderLength, kChunkSize);
            available_ += kChunkSize;
        }
        return complete_ && available_ >= end;
    }
    // Byte i of the record; valid after ensure(i + 1) succeeded.
    uint8_t operator[](int i) const { return bytes_[i]; }
    const uint8_t* data() const { return bytes_; }

    // The mode byte and repeat count at +80: from the chunks when they reached them, else read
    // on their own.
    bool trailer(uint8_t* mode, uint8_t* count) {
        if (available_ < kModeOffset + 2) {
            uint8_t report[kReportLength] = {};
            complete_ = KxAction::readDeviceData(static_cast<uint16_t>(address_ + kModeOffset), 2,
                                                 report) &&
                        complete_;
            *mode = report[kReportHeaderLength];
            *count = report[kReportHeaderLength + 1];
            return complete_;
        }
        *mode = bytes_[kModeOffset];
        *count = bytes_[kModeOffset + 1];
        return complete_;
    }
    bool complete() const { return complete_; }

private:
    uint16_t address_;
    uint8_t bytes_[kChunksPerRecord * kChunkSize] = {};
    int available_ = 0;
    bool complete_ = true;
};

// The record at a button's address read back and compared with the bytes it was given (steps,
// mode byte and count); none when a read was not answered.
std::optional<bool> readsBackAs(uint32_t slot, uint32_t button, const QByteArray& expected) {
    RecordReader record(recordAddress(slot, button));
    const int steps = int(expected.size()) - 2;
    uint8_t mode = 0;
    uint8_t count = 0;
    if (!record.ensure(steps) || !record.trailer(&mode, &count))
        return std::nullopt;
    return std::memcmp(record.data(), expected.constData(), size_t(steps)) == 0 &&
           mode == uint8_t(expected[steps]) && count == uint8_t(expected[steps + 1]);
}

// One record in 12-byte chunks, then its mode byte and count; false at the first report that
// does not go across, the rest then not sent.
bool writeRecord(uint16_t base, uint32_t index, const uint8_t* record, uint32_t length) {
    uint16_t address = static_cast<uint16_t>(base + kRecordSize * KxAction::getBtnIndexBy(index));
    HV_DEBUG(QString::asprintf("%0x", address));
    const uint32_t chunks =
        std::min<uint32_t>((length + kChunkSize - 1) / kChunkSize, kChunksPerRecord);
    HV_DEBUG(QString::asprintf("writeCount %d", chunks));
    for (uint32_t c = 0; c < chunks; ++c) {
        const uint32_t n = std::min<uint32_t>(kChunkSize, length - kChunkSize * c);
        HV_DEBUG(QString::asprintf("数据部分 部分%0x", address));
        if (KxAction::sendWriteReport(address, record + kChunkSize * c, static_cast<uint8_t>(n)) !=
            1)
            return false;
        address = static_cast<uint16_t>(address + n);
        KxAction::pause(kButtonChunkPauseUs);
    }
    const uint16_t trailer = static_cast<uint16_t>(base + kRecordSize * index + kModeOffset);
    HV_DEBUG(QString::asprintf("End 部分%0x", trailer));
    if (KxAction::sendWriteReport(trailer, record + kModeOffset, 2) != 1)
        return false;
    KxAction::pause(kButtonChunkPauseUs);
    return true;
}

} // namespace

bool KxAction::ButtonWriteResult::complete() const {
    for (int b = 0; b < kButtons; ++b)
        if (!reached(b))
            return false;
    return settingsWritten.value_or(true);
}

void KxAction::knowRecord(uint32_t slot, uint32_t button, const _BTN_INFO& record) {
    if (std::optional<QByteArray>* known = knownRecord(slot, button)) {
        const QByteArray bytes = encodedRecord(record);
        if (!bytes.isEmpty())
            *known = bytes;
    }
}

_BTN_INFO KxAction::asTheProfileHolds(const _BTN_INFO& read, const _BTN_INFO& profiles) {
    if (read.FuncID == KxFuncId::kMacro || profiles.FuncID != KxFuncId::kMacro ||
        !getMacroById(int32_t(profiles.MacroID)))
        return read;
    const QByteArray bytes = encodedRecord(read);
    return !bytes.isEmpty() && encodedRecord(profiles) == bytes ? profiles : read;
}

void KxAction::forgetKnownRecords() {
    for (auto& record : knownRecords())
        record.reset();
}

KxAction::ButtonWriteResult KxAction::writeSlotButtons(uint32_t slot, const SlotButtons& buttons,
                                                       bool readBack) {
    using Outcome = ButtonWriteResult::Outcome;
    ButtonWriteResult result;
    result.slot = slot;
    std::copy(buttons.begin(), buttons.end(), std::begin(result.buttons));
    const uint16_t base = getOffsetAdrBy(kRecordBase, slot);
    bool stopped = false; // after a failure nothing more is sent
    for (uint32_t index = 0; index < 5; ++index) {
        const _BTN_INFO& btnInfo = buttons[index];
        Outcome& outcome = result.outcome[index];
        if (KxFuncTable::isKeptByMouse(btnInfo.FuncTableId)) {
            outcome = Outcome::LeftAsIs; // the mouse keeps what it holds for these
            continue;
        }
        uint8_t record[kRecordSize] = {};
        uint32_t length = 0;
        Cut cut;
        encodeRecordInto(btnInfo, record, &length, &cut);
        if (length == 0) {
            outcome = Outcome::LeftAsIs; // a deleted macro: the mouse keeps what it runs
            continue;
        }
        std::optional<QByteArray>* known = knownRecord(slot, index);
        QByteArray encoded(reinterpret_cast<const char*>(record), qsizetype(length));
        encoded.append(char(record[kModeOffset]));
        encoded.append(char(record[kModeOffset + 1]));
        if (known && *known == encoded) {
            outcome = Outcome::AlreadyHeld;
            continue;
        }
        if (stopped) {
            outcome = Outcome::NotReached;
            continue;
        }
        if (cut.dropped > 0)
            HV_WARNING(QStringLiteral("The macro \"%1\" needs %2 steps on the mouse, a button "
                                      "holds %3: %4 are left out (whole steps and chords from its "
                                      "end, and the presses of keys still held there) so that no "
                                      "key stays down")
                           .arg(cut.macro)
                           .arg(cut.needed)
                           .arg(kMaxRecordSteps)
                           .arg(cut.dropped));
        const bool sent = writeRecord(base, index, record, length);
        outcome = sent ? Outcome::Written : Outcome::Failed;
        // The mouse acknowledges nothing: what it holds is read back, also after a report that
        // did not go across (an unplug may take the report with it).
        if (readBack) {
            const std::optional<bool> held = readsBackAs(slot, index, encoded);
            outcome = held.value_or(false) ? Outcome::Written
                      : held               ? Outcome::Failed
                                           : Outcome::Unconfirmed;
        }
        if (outcome != Outcome::Written) {
            // Part of the record may have gone across: what the mouse holds is unknown now.
            if (known)
                known->reset();
            HV_WARNING(QStringLiteral("Button %1 of profile %2 %3; the write stops")
                           .arg(index + 1)
                           .arg(slot + 1)
                           .arg(outcome == Outcome::Failed
                                    ? QStringLiteral("does not hold what was written")
                                    : QStringLiteral("could not be read back")));
            stopped = true;
            continue;
        }
        if (known)
            *known = encoded;
    }
    return result;
}

KxAction::ButtonWriteResult KxAction::setBtnInfoToDevice(bool readBack) {
    SlotButtons buttons;
    std::copy(std::begin(currSetProfile.btnInfo), std::end(currSetProfile.btnInfo),
              buttons.begin());
    return writeSlotButtons(currSetProfileID, buttons, readBack);
}

namespace {

_BTN_INFO singleFunction(uint32_t table, uint32_t code) {
    _BTN_INFO info{};
    info.FuncID = table;
    info.FuncTableId = table;
    info.btnType = table == KxFuncTable::kLaunch ? KxButtonType::kLaunch : KxButtonType::kSingle;
    info.KeyBit[0] = code;
    return info;
}

// A record whose first step is its last: a function of the mouse, unless the code is a key.
std::optional<_BTN_INFO> classifyOneStep(uint8_t code) {
    switch (code) {
    case kCodeDisabled:
        return singleFunction(KxFuncTable::kDisabled, 0);
    case kCodeTable240:
        return singleFunction(KxFuncTable::kPageUpWin, code);
    case kCodeTable241:
        return singleFunction(KxFuncTable::kPageDownWin, code);
    case kCodeTable242:
        return singleFunction(KxFuncTable::kMiddleButtonWin, code);
    case kCodeBack:
    case kCodeForward:
        return singleFunction(KxFuncTable::kFirmware, code);
    default:
        break;
    }
    if (code >= kFirstLaunchCode && code <= kLastLaunchCode)
        return singleFunction(KxFuncTable::kLaunch, code);
    return std::nullopt;
}

// Up to four keys each pressed and released without delay, the last release ending the record:
// the key sequence of a table 2 entry. Clicks (153, 152, 151) always have that shape; other keys
// only where the catalogue has the sequence. A macro can hold the same steps, so the caller
// still checks the mode byte and count.
std::optional<_BTN_INFO> classifyKeySequence(RecordReader& record) {
    _BTN_INFO info{};
    info.FuncID = KxFuncTable::kKeys; // until the catalogue names it
    info.FuncTableId = KxFuncTable::kKeys;
    info.btnType = KxButtonType::kSingle;
    for (int key = 0; key < 4; ++key) {
        const int at = 4 * key;
        if (!record.ensure(at + 4))
            return std::nullopt;
        const uint8_t code = record[at];
        const bool last = record[at + 3] == (kStepRelease | kStepLast);
        if (code == 0 || record[at + 1] != 0x00 || record[at + 2] != code ||
            (record[at + 3] != kStepRelease && !last))
            return std::nullopt;
        info.KeyBit[key] = code;
        if (last) {
            const bool clicks = std::all_of(info.KeyBit, info.KeyBit + key + 1, [](uint32_t c) {
                return c == kCodeLeftClick || c == kCodeRightClick || c == kCodeMiddleClick;
            });
            if (clicks || KxAction::getSingleByBtnInfo(info))
                return info;
            return std::nullopt;
        }
    }
    return std::nullopt;
}

MacroKeyInfo decodeMacroStep(uint8_t code, uint8_t flags) {
    const int32_t delay = (flags & kDelayMask) * kStepDelayUnitMs;
    const bool release = (flags & kStepRelease) != 0;
    if (const auto button = recordedMouseButton(code))
        return MacroKeyInfo(
            *button, release ? MacroKeyInfo::kFlagMouseUp : MacroKeyInfo::kFlagMouseDown, delay);
    MacroKeyInfo step(KxAction::GetKeyCodeByFW(code),
                      release ? MacroKeyInfo::kFlagKeyUp : MacroKeyInfo::kFlagKeyDown, delay);
    // The key table is not one to one: a code it does not give back is kept as the mouse's.
    if (KxAction::GetFWKeyCode(uint32_t(step.keyCode())) != code)
        step.setDeviceCode(code);
    return step;
}

// A macro record: steps until the last-step bit or the end of the step area, then the mode byte
// and count.
std::optional<_BTN_INFO> readMacro(RecordReader& record) {
    auto macro = std::make_shared<MacroInfo>();
    int stepBytes = 0;
    for (int step = 0; step < kMaxRecordSteps; ++step) {
        if (!record.ensure(2 * step + 2))
            return std::nullopt;
        const uint8_t flags = record[2 * step + 1];
        macro->keyInfoArr().append(decodeMacroStep(record[2 * step], flags));
        stepBytes = 2 * step + 2;
        if (flags & kStepLast)
            break;
    }
    uint8_t mode = 0, count = 0;
    if (!record.trailer(&mode, &count))
        return std::nullopt;

    uint32_t runMode = KxAction::getMacroType2(mode);
    if (runMode == 0 && count >= 2)
        runMode = 1;
    _BTN_INFO info{};
    info.FuncID = KxFuncId::kMacro;
    info.FuncTableId = KxFuncTable::kMacro;
    info.btnType = KxButtonType::kMacro;
    info.KeyBit[0] = runMode;
    info.KeyBit[1] = count;

    // The library's macro only when it would be written as these very steps: two macros that
    // differ only in their delays are not the same macro to the mouse.
    if (const auto known = KxAction::getMacroByRecordSteps(record.data(), stepBytes)) {
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

std::optional<_BTN_INFO> classifyRecord(RecordReader& record) {
    if (!record.ensure(2))
        return std::nullopt;
    if (record[1] & kStepLast) {
        if (auto function = classifyOneStep(record[0]))
            return function;
    } else if (auto sequence = classifyKeySequence(record)) {
        // The function only when it runs once without a count; otherwise the user's macro. The
        // mode reads as the macro reader reads it (a byte this program never writes runs once),
        // so that the record means the same before and after it is written back.
        uint8_t mode = 0, count = 0;
        if (!record.trailer(&mode, &count))
            return std::nullopt;
        if (KxAction::getMacroType2(mode) == 0 && count == 0)
            return sequence;
    } else if (record[0] == 0 && record[1] == 0) {
        return singleFunction(KxFuncTable::kDisabled, 0);
    }
    return readMacro(record);
}

} // namespace

std::shared_ptr<MacroInfo> KxAction::getMacroByRecordSteps(const uint8_t* record, int length) {
    // A step area filled to its end ends there, marked or not (another program may leave the
    // mark out); this program marks it.
    uint8_t steps[kRecordSize] = {};
    length = std::clamp(length, 0, int(sizeof steps));
    std::memcpy(steps, record, size_t(length));
    if (length == 2 * kMaxRecordSteps)
        steps[length - 1] |= kStepLast;
    for (const std::shared_ptr<MacroInfo>& macro : std::as_const(macroListArrs)) {
        if (!macro)
            continue;
        uint8_t encoded[kRecordSize] = {};
        StepWriter writer(encoded);
        for (const MacroKeyInfo& step : macro->keyInfoArr())
            encodeMacroStep(step, writer);
        const uint32_t encodedLength = writer.finish(kStepLast);
        if (int(encodedLength) == length && std::memcmp(encoded, steps, size_t(length)) == 0)
            return macro;
    }
    return nullptr;
}

_BTN_INFO KxAction::readBtnRecord(uint16_t address, bool* complete) {
    RecordReader record(address);
    std::optional<_BTN_INFO> info = classifyRecord(record);
    // A record that could not be read whole is a disabled button, never a half-read macro.
    *complete = record.complete();
    if (!info || !record.complete())
        return singleFunction(KxFuncTable::kDisabled, 0);
    if (info->FuncTableId != KxFuncTable::kMacro)
        if (const auto entry = getSingleByBtnInfo(*info))
            info->FuncID = static_cast<uint32_t>(entry->functionID());
    return *info;
}

void KxAction::getBtnInfoFromDevice() {
    readBtnInfoFromDevice();
}

namespace {
// The mouse holds a launch slot's code; the path the daemon starts for it is in the
// preferences. A path the record cannot hold whole is left out rather than cut.
void fillLaunchPath(_BTN_INFO& record) {
    std::memset(record.app_path, 0, sizeof record.app_path);
    const std::optional<QString> path = ProfieController::getLaunchPath(record.KeyBit[0]);
    if (!path)
        return;
    const QByteArray utf8 = path->toUtf8();
    if (utf8.size() < qsizetype(sizeof record.app_path) && !utf8.contains('\0'))
        std::memcpy(record.app_path, utf8.constData(), size_t(utf8.size()));
}
} // namespace

std::optional<KxAction::SlotButtons> KxAction::readSlotButtons(uint32_t slot) {
    // Macros read back join the library only when every record of the slot was read.
    const QList<std::shared_ptr<MacroInfo>> library = macroListArrs;
    SlotButtons buttons;
    for (uint32_t index = 0; index < 5; ++index) {
        const uint16_t address = static_cast<uint16_t>(getOffsetAdrBy(kRecordBase, slot) +
                                                       kRecordSize * getBtnIndexBy(index));
        HV_DEBUG(QString::asprintf("currBtnIndex %d", index));
        bool recordComplete = false;
        _BTN_INFO& read = buttons[index] = readBtnRecord(address, &recordComplete);
        std::optional<QByteArray>* known = knownRecord(slot, index);
        if (!recordComplete) {
            // A mouse that does not answer one record will not answer the next: stop here.
            if (known)
                known->reset();
            macroListArrs = library;
            return std::nullopt;
        }
        if (read.FuncID == KxFuncId::kLaunch)
            fillLaunchPath(read);
        if (known)
            *known = encodedRecord(read);
    }
    return buttons;
}

bool KxAction::readBtnInfoFromDevice() {
    const std::optional<SlotButtons> buttons = readSlotButtons(currSetProfileID);
    if (buttons)
        std::copy(buttons->begin(), buttons->end(), std::begin(currSetProfile.btnInfo));
    return buttons.has_value();
}
