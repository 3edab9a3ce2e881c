// The emulated mouse's wire format as both ends read it: frames taken off a stream, and the
// payloads of the server's unasked frames. Every frame taken re-encodes to the bytes it came
// from; every payload read re-encodes to the same reading.
#include "FuzzSupport.h"
#include "Virtual/VirtualUsbProtocol.h"

using namespace VirtualUsb;

namespace {

void checkPresence(const QByteArray& payload) {
    const auto presence = decodePresence(payload);
    if (!presence)
        return;
    const auto again = decodePresence(encodePresence(*presence));
    KX_FUZZ_CHECK(again);
    KX_FUZZ_CHECK(again->plugged == presence->plugged);
    KX_FUZZ_CHECK(again->generation == presence->generation);
    KX_FUZZ_CHECK(again->vendorId == presence->vendorId);
    KX_FUZZ_CHECK(again->productId == presence->productId);
    KX_FUZZ_CHECK(again->interfaces == presence->interfaces);
    KX_FUZZ_CHECK_MSG(again->name == presence->name,
                      QStringLiteral("%1 != %2").arg(again->name, presence->name));
}

void checkInputReport(const QByteArray& payload) {
    const auto report = decodeInputReport(payload);
    const auto inPlace = decodeInputReport(payload.constData(), size_t(payload.size()));
    KX_FUZZ_CHECK(report.has_value() == inPlace.has_value());
    if (!report)
        return;
    KX_FUZZ_CHECK(report->length > 0);
    KX_FUZZ_CHECK(report->report >= reinterpret_cast<const uint8_t*>(payload.constData()));
    KX_FUZZ_CHECK(report->report + report->length <=
                  reinterpret_cast<const uint8_t*>(payload.constData()) + payload.size());
    KX_FUZZ_CHECK(inPlace->generation == report->generation &&
                  inPlace->interfaceNumber == report->interfaceNumber &&
                  inPlace->length == report->length);
    const QByteArray bytes(reinterpret_cast<const char*>(report->report),
                           qsizetype(report->length));
    KX_FUZZ_CHECK(encodeInputReport(report->generation, uint8_t(report->interfaceNumber), bytes) ==
                  payload);
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    KxFuzz::setUp(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray stream(reinterpret_cast<const char*>(data), qsizetype(size));
    // Every payload as either kind, whatever its frame says.
    checkPresence(stream);
    checkInputReport(stream);

    QByteArray buffer = stream;
    qsizetype offset = 0;
    for (;;) {
        bool peekMalformed = false;
        const auto view = peekFrame(buffer.constData(), size_t(buffer.size()), &peekMalformed);
        bool malformed = false;
        const QByteArray before = buffer;
        const auto frame = takeFrame(buffer, &malformed);
        KX_FUZZ_CHECK(malformed == peekMalformed);
        KX_FUZZ_CHECK(frame.has_value() == view.has_value());
        if (!frame) {
            // Nothing consumed by a frame not yet whole or a bad one.
            KX_FUZZ_CHECK(buffer == before);
            break;
        }
        KX_FUZZ_CHECK(frame->type == view->type);
        KX_FUZZ_CHECK(qsizetype(view->payloadSize) == frame->payload.size());
        const QByteArray encoded = encodeFrame(frame->type, frame->payload);
        KX_FUZZ_CHECK(qsizetype(view->frameSize) == encoded.size());
        KX_FUZZ_CHECK(stream.mid(offset, encoded.size()) == encoded);
        KX_FUZZ_CHECK(before.mid(encoded.size()) == buffer);
        offset += encoded.size();
        if (frame->type == FrameType::Presence)
            checkPresence(frame->payload);
        if (frame->type == FrameType::InputReport)
            checkInputReport(frame->payload);
    }
    return 0;
}
