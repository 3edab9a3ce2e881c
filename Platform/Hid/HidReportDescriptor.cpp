#include "Hid/HidReportDescriptor.h"

#include <vector>

namespace HidReportDescriptor {
namespace {

// Item prefixes (HID 1.11, 6.2.2): size in bits 0..1 (0, 1, 2 or 4 bytes), type in bits 2..3,
// tag in bits 4..7. A long item is 0xFE, its data size, its tag, then the data.
constexpr uint8_t kLongItem = 0xFE;
constexpr uint8_t kTypeMain = 0;
constexpr uint8_t kTypeGlobal = 1;
constexpr uint8_t kTagInput = 0x8;      // main
constexpr uint8_t kTagReportId = 0x8;   // global
constexpr uint8_t kTagPush = 0xA;       // global
constexpr uint8_t kTagPop = 0xB;        // global
constexpr size_t kMaxDescriptor = 4096; // HID_MAX_DESCRIPTOR_SIZE
constexpr size_t kMaxPushes = 4;        // HID_GLOBAL_STACK_SIZE

} // namespace

std::optional<std::set<uint8_t>> inputReportIds(const uint8_t* descriptor, size_t length) {
    if (length > kMaxDescriptor || (length > 0 && descriptor == nullptr))
        return std::nullopt;
    std::set<uint8_t> ids;
    uint8_t reportId = 0; // the global state's report id
    std::vector<uint8_t> pushed;
    size_t at = 0;
    while (at < length) {
        const uint8_t prefix = descriptor[at];
        if (prefix == kLongItem) {
            if (at + 2 >= length)
                return std::nullopt;
            const size_t size = descriptor[at + 1];
            if (at + 3 + size > length)
                return std::nullopt;
            at += 3 + size; // long items carry nothing this needs
            continue;
        }
        const size_t size = (prefix & 0x3) == 3 ? 4 : prefix & 0x3;
        if (at + 1 + size > length)
            return std::nullopt;
        const uint8_t type = (prefix >> 2) & 0x3;
        const uint8_t tag = prefix >> 4;
        const uint8_t* data = descriptor + at + 1;
        if (type == kTypeGlobal && tag == kTagReportId) {
            if (size == 0)
                return std::nullopt;
            reportId = data[0];
        } else if (type == kTypeGlobal && tag == kTagPush) {
            if (pushed.size() == kMaxPushes)
                return std::nullopt;
            pushed.push_back(reportId);
        } else if (type == kTypeGlobal && tag == kTagPop) {
            if (pushed.empty())
                return std::nullopt;
            reportId = pushed.back();
            pushed.pop_back();
        } else if (type == kTypeMain && tag == kTagInput) {
            ids.insert(reportId);
        }
        at += 1 + size;
    }
    return ids;
}

} // namespace HidReportDescriptor
