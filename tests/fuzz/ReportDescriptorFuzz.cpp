// A HID report descriptor as a device hands it over (HIDIOCGRDESC): the report ids of its input
// reports decide which hidraw nodes the daemon keeps open.
#include "FuzzSupport.h"
#include "Hid/HidReportDescriptor.h"

#include <vector>

namespace {

// Local items (usage, usage minimum) change nothing the ids depend on.
constexpr uint8_t kLocalUsage[] = {0x09, 0x01, 0x19, 0x01};
constexpr size_t kMaxDescriptor = 4096;

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    KxFuzz::setUp(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const auto ids = HidReportDescriptor::inputReportIds(data, size);
    if (size > kMaxDescriptor) {
        KX_FUZZ_CHECK(!ids);
        return 0;
    }
    if (!ids)
        return 0;

    // Every id is one the descriptor names in a report id item, or 0 for reports before any.
    for (const uint8_t id : *ids) {
        bool named = id == 0;
        for (size_t i = 0; !named && i + 1 < size; ++i)
            named = (data[i] & 0xFC) == 0x84 && data[i + 1] == id;
        KX_FUZZ_CHECK_MSG(named, QStringLiteral("report id %1 appears nowhere").arg(id));
    }
    // An input report needs an Input main item (prefix 0x80..0x83) somewhere.
    if (!ids->empty()) {
        bool input = false;
        for (size_t i = 0; !input && i < size; ++i)
            input = (data[i] & 0xFC) == 0x80;
        KX_FUZZ_CHECK(input);
    }
    // Local items appended to a descriptor it accepts change nothing.
    if (size + sizeof kLocalUsage <= kMaxDescriptor) {
        std::vector<uint8_t> longer(data, data + size);
        longer.insert(longer.end(), std::begin(kLocalUsage), std::end(kLocalUsage));
        KX_FUZZ_CHECK(HidReportDescriptor::inputReportIds(longer.data(), longer.size()) == ids);
    }
    return 0;
}
