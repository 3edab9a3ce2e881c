// A profile file as it lies in the data folder: read, saved, read again; the button records it
// holds encoded as the mouse will get them.
#include "FuzzSupport.h"
#include "KxAction.h"
#include "KxGlobals.h"
#include "KxProtocol.h"
#include "ProfileValue.h"

#include <cstddef>
#include <cstring>

namespace {

bool sameBytes(const void* a, const void* b, size_t size) {
    return std::memcmp(a, b, size) == 0;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    KxFuzz::setUp(argc, argv);
    KxAction::getSysPath();
    KxAction::initMenuList(); // the built-in catalogue: button records name its macros
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const QString in = KxFuzz::folder(QStringLiteral("profile")) + QStringLiteral("/in.pro");
    static const QString out =
        KxFuzz::folder(QStringLiteral("profile")) + QStringLiteral("/out.pro");
    KxFuzz::writeFile(in, data, size);

    const auto value = ProfileValue::initWithPath(in);
    KX_FUZZ_CHECK(value);
    // The record is the file's first bytes, zero beyond a short file's end.
    _Kx_CONFIG expected{};
    std::memcpy(&expected, data, std::min(size, sizeof expected));
    const _Kx_CONFIG read = value->configPro();
    KX_FUZZ_CHECK(sameBytes(&read, &expected, sizeof read));

    // Saved and read again: the same profile (a name the field cannot hold whole, once its
    // invalid bytes are replaced, keeps its start), and saving that gives the same bytes.
    KX_FUZZ_CHECK(value->saveToPath(out));
    const QByteArray saved = KxFuzz::readFile(out);
    KX_FUZZ_CHECK(saved.size() == qsizetype(sizeof(_Kx_CONFIG)));
    const auto again = ProfileValue::initWithPath(out);
    KX_FUZZ_CHECK(again);
    KX_FUZZ_CHECK_MSG(
        value->name().startsWith(again->name()),
        QStringLiteral("%1 is not the start of %2").arg(again->name(), value->name()));
    if (value->name().toUtf8().size() < ProfileValue::kNameFieldSize)
        KX_FUZZ_CHECK(again->name() == value->name());
    KX_FUZZ_CHECK(again->profileId() == value->profileId());
    KX_FUZZ_CHECK(again->isDefault() == value->isDefault());
    KX_FUZZ_CHECK(again->fwProfileID() == value->fwProfileID());
    const _Kx_PROFILE first = value->profileData();
    const _Kx_PROFILE second = again->profileData();
    KX_FUZZ_CHECK(sameBytes(&first, &second, sizeof first));
    KX_FUZZ_CHECK(again->saveToPath(out));
    KX_FUZZ_CHECK(KxFuzz::readFile(out) == saved);
    KX_FUZZ_CHECK(ProfileValue::initWithPath(out)->name() == again->name());
    // Every byte but the flag and the name (both normalised) travels unchanged.
    const _Kx_CONFIG savedConfig = again->configPro();
    _Kx_CONFIG normalised = expected;
    normalised.isDefault = savedConfig.isDefault;
    std::memcpy(normalised.profileName, savedConfig.profileName, sizeof normalised.profileName);
    KX_FUZZ_CHECK(sameBytes(&normalised, saved.constData(), sizeof normalised));

    // Each button as the mouse would get it: within its record, the trailer in place.
    for (const _BTN_INFO& button : first.btnInfo) {
        uint8_t record[KxProtocol::kRecordSize + 16];
        std::memset(record, 0xA5, sizeof record);
        uint32_t length = 0;
        KxAction::getBtnDataInfoBy(button, record, &length);
        KX_FUZZ_CHECK(length <= uint32_t(2 * KxProtocol::kMaxRecordSteps));
        KX_FUZZ_CHECK(length % 2 == 0);
        for (size_t i = KxProtocol::kRecordSize; i < sizeof record; ++i)
            KX_FUZZ_CHECK(record[i] == 0xA5);
    }
    KxAction::settingsByte(first);
    return 0;
}
