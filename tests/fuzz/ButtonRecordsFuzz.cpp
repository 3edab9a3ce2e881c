// The button records of one on-board profile as a whole read brings them back from the mouse
// (the emulated firmware in this process, its memory holding the input). A read that does not
// come back whole changes neither the library nor what the program knows of the mouse; one that
// does reads the same again after it is written back.
#include "FirmwareUsbBackend.h"
#include "FuzzSupport.h"
#include "KxAction.h"
#include "KxGlobals.h"
#include "KxProtocol.h"
#include "MacroInfo.h"
#include "Usb/UsbNotificationPort.h"

#include <QJsonDocument>

#include <cstring>

namespace {

constexpr int kSlotBytes = KxProtocol::kRecordSize * KxProtocol::kButtons;

struct Bench {
    std::shared_ptr<VirtualMouseFirmware> firmware = std::make_shared<VirtualMouseFirmware>();
    std::shared_ptr<std::vector<std::string>> log = std::make_shared<std::vector<std::string>>();
    FirmwareUsbBackend* bus = nullptr;
    QByteArray factory;
    QList<std::shared_ptr<MacroInfo>> library;
    int32_t mark = 0;
};

// Never destroyed: the requester holds the firmware's backend until the process ends.
Bench& bench() {
    static Bench* bench = new Bench;
    return *bench;
}

// What a button does, its macro by its steps (ids of macros read back differ from read to read).
QString describe(const _BTN_INFO& info) {
    QString out = QStringLiteral("func %1 table %2 type %3 keys %4 %5 %6 %7")
                      .arg(info.FuncID)
                      .arg(info.FuncTableId)
                      .arg(info.btnType)
                      .arg(info.KeyBit[0])
                      .arg(info.KeyBit[1])
                      .arg(info.KeyBit[2])
                      .arg(info.KeyBit[3]);
    if (info.FuncTableId == 6) {
        const auto macro = KxAction::getMacroById(int32_t(info.MacroID));
        out += macro ? QStringLiteral(" steps ") +
                           QString::fromUtf8(
                               QJsonDocument(
                                   macro->toArchive().value(QStringLiteral("keyInfoArr")).toArray())
                                   .toJson(QJsonDocument::Compact))
                     : QStringLiteral(" no macro %1").arg(info.MacroID);
    }
    return out;
}

// Whether every step code of the slot's records is a mouse button or a key whose usage id the
// key code table gives back (a one-step record of a code the mouse runs itself is a function).
bool keysRoundTrip(const uint8_t* records) {
    const auto ownFunction = [](uint8_t code) {
        return code == 0 || code == 156 || code == 157 || code == 192 || code == 193 ||
               code == 194 || (code >= 160 && code <= 184);
    };
    for (int record = 0; record < KxProtocol::kButtons; ++record) {
        const uint8_t* steps = records + record * KxProtocol::kRecordSize;
        if (((steps[1] & KxProtocol::kStepLast) && ownFunction(steps[0])) ||
            (steps[0] == 0 && steps[1] == 0))
            continue;
        for (int step = 0; step < KxProtocol::kMaxRecordSteps; ++step) {
            const uint8_t code = steps[2 * step];
            const bool mouseButton =
                code >= KxProtocol::kCodeMiddleClick && code <= KxProtocol::kCodeLeftClick;
            if (!mouseButton && KxAction::GetFWKeyCode(KxAction::GetKeyCodeByFW(code)) != code)
                return false;
            if (steps[2 * step + 1] & KxProtocol::kStepLast)
                break;
        }
    }
    return true;
}

QString describeSlot() {
    QString out;
    for (const _BTN_INFO& info : currSetProfile.btnInfo)
        out += describe(info) + QLatin1Char('\n');
    return out;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    KxFuzz::setUp(argc, argv);
    KxAction::getSysPath();
    KxAction::initMenuList();
    Bench& b = bench();
    b.factory = b.firmware->flashImage();
    b.library = macroListArrs;
    b.mark = macroIdHighWater;
    UsbNotificationPort::setBackendFactory([] {
        auto backend = std::make_unique<FirmwareUsbBackend>(bench().firmware, bench().log);
        bench().bus = backend.get();
        std::vector<std::unique_ptr<UsbBackend>> backends;
        backends.push_back(std::move(backend));
        return backends;
    });
    KxAction::startListenDev();
    KX_FUZZ_CHECK(KxAction::checkListenDev());
    return 0;
}

// Input: one byte naming a fault of the read (0: none; else bit 0 a stall rather than a short
// answer, the rest the read it hits), then the step areas, mode bytes and counts of slot 0.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 1)
        return 0;
    Bench& b = bench();
    QByteArray image = b.factory;
    const size_t records = std::min<size_t>(size - 1, kSlotBytes);
    std::memcpy(image.data() + KxProtocol::recordAddress(0, 0), data + 1, records);
    QString error;
    KX_FUZZ_CHECK_MSG(b.firmware->loadFlashImage(image, &error), error);
    b.log->clear();
    b.bus->clearFault();
    if (data[0] != 0) {
        FeatureFault fault;
        fault.kind = (data[0] & 1) ? FeatureFault::Kind::Stall : FeatureFault::Kind::Short;
        fault.on = FeatureFault::On::Read;
        fault.at = (data[0] >> 1) + 1;
        KX_FUZZ_CHECK(b.bus->armFault(fault));
    }
    macroListArrs = b.library;
    macroIdHighWater = b.mark;
    KxAction::forgetKnownRecords();
    currSetProfileID = 0;
    std::memset(&currSetProfile, 0, sizeof currSetProfile);

    const bool complete = KxAction::readBtnInfoFromDevice();
    b.bus->clearFault();
    if (!complete) {
        KX_FUZZ_CHECK(macroListArrs == b.library);
        return 0;
    }
    for (const _BTN_INFO& info : currSetProfile.btnInfo)
        KX_FUZZ_CHECK(info.FuncTableId != 6 || KxAction::getMacroById(int32_t(info.MacroID)));
    // Macro steps hold desktop key codes, and the table between them and the mouse's usage ids
    // is not one to one (a usage it lacks reads as A's code 0, two usages share a code): such
    // a record cannot be written back as it was, by design of the key codes. The rest must be.
    if (!keysRoundTrip(reinterpret_cast<const uint8_t*>(image.constData()) +
                       KxProtocol::recordAddress(0, 0)))
        return 0;
    const QString first = describeSlot();

    // Written back (every record, nothing known) and read again: the same buttons.
    KxAction::forgetKnownRecords();
    const auto written = KxAction::setBtnInfoToDevice();
    for (int button = 0; button < KxProtocol::kButtons; ++button)
        KX_FUZZ_CHECK(written.reached(button));
    KxAction::forgetKnownRecords();
    std::memset(&currSetProfile, 0, sizeof currSetProfile);
    KX_FUZZ_CHECK(KxAction::readBtnInfoFromDevice());
    const QString second = describeSlot();
    KX_FUZZ_CHECK_MSG(first == second,
                      QStringLiteral("read:\n%1\nwritten and read again:\n%2").arg(first, second));
    return 0;
}
