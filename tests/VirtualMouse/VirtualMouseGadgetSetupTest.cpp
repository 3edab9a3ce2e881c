// The gadget's answers to control requests, without a kernel: what it does on ep0 for each
// request, and how an armed fault changes that. A SET's fault must be answered in the setup
// stage, before its data is taken: taken, it can no longer be stalled and is applied.
#include "PrivateRuntimeDir.h"

#include "FlashStore.h"
#include "Virtual/VirtualUsbProtocol.h"
#include "VirtualMouseGadgetSetup.h"

#include <gtest/gtest.h>

#include <endian.h>

#include <string>
#include <vector>

using Fw = VirtualMouseFirmware;
using Kind = FeatureFault::Kind;
using On = FeatureFault::On;

namespace {

// ep0 as the handler uses it, each use written down; an OUT request's data is what the test put.
class RecordingEp0 : public VirtualMouseGadgetSetup::Ep0 {
public:
    void reply(const QByteArray& data) override {
        calls.push_back("reply " + data.toHex(' ').toStdString());
    }
    void acknowledge() override { calls.push_back("acknowledge"); }
    std::optional<QByteArray> receive(uint16_t length) override {
        calls.push_back("receive " + std::to_string(length));
        return hostData.left(length);
    }
    void stall(bool in) override { calls.push_back(in ? "stall in" : "stall out"); }
    void holdUnanswered(bool in) override { calls.push_back(in ? "hold in" : "hold out"); }

    QByteArray hostData;
    std::vector<std::string> calls;
};

usb_ctrlrequest setup(uint8_t type, uint8_t request, uint16_t value, uint16_t index,
                      uint16_t length) {
    return {type, request, htole16(value), htole16(index), htole16(length)};
}
constexpr uint8_t kClassOut = USB_DIR_OUT | USB_TYPE_CLASS | USB_RECIP_INTERFACE;
constexpr uint8_t kClassIn = USB_DIR_IN | USB_TYPE_CLASS | USB_RECIP_INTERFACE;
usb_ctrlrequest setFeature(uint8_t reportId, int interfaceNumber = 1) {
    return setup(kClassOut, 0x09, uint16_t(0x0300 | reportId), uint16_t(interfaceNumber), 16);
}
usb_ctrlrequest getFeature(uint8_t reportId) {
    return setup(kClassIn, 0x01, uint16_t(0x0300 | reportId), 1, 16);
}

// A write of bytes at 0x0100, as the host sends it.
QByteArray writeReport(const QByteArray& data) {
    QByteArray report = QByteArray::fromHex("03000100") + data;
    report[3] = char(data.size());
    report.resize(16, '\0');
    return report;
}

class VirtualMouseGadgetSetupTest : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        dir.apply();
        QObject::connect(&server, &VirtualMouseServer::warning,
                         [this](const QString& line) { warnings << line; });
    }
    // One host write through the handler: what ep0 saw.
    std::vector<std::string> write(const QByteArray& data) {
        ep0.calls.clear();
        ep0.hostData = writeReport(data);
        handler.handle(setFeature(Fw::kWriteReportId));
        return ep0.calls;
    }
    std::vector<std::string> read() {
        ep0.calls.clear();
        handler.handle(getFeature(Fw::kReadReportId));
        return ep0.calls;
    }
    QByteArray held() { return server.firmware().memory(0x0100, 2); }
    void arm(Kind kind, On on, int at = 1) { ASSERT_TRUE(server.armFault({kind, on, at})); }

    PrivateRuntimeDir dir;
    VirtualMouseServer server{{VirtualUsb::socketPath(), FlashStore::defaultPath(), true}};
    RecordingEp0 ep0;
    VirtualMouseGadgetSetup handler{server, ep0};
    QStringList warnings;
};

using Calls = std::vector<std::string>;

TEST_F(VirtualMouseGadgetSetupTest, FeatureWritesAreTakenAndAppliedReadsAnswered) {
    EXPECT_EQ(write("\x11\x22"), Calls{"receive 16"});
    EXPECT_EQ(held(), QByteArray("\x11\x22"));
    ep0.hostData = QByteArray::fromHex("04000102") + QByteArray(12, '\0');
    handler.handle(setFeature(Fw::kReadReportId));
    EXPECT_EQ(read(), Calls{"reply 04 00 01 02 11 22 00 00 00 00 00 00 00 00 00 00"});
    // Another report id or interface is stalled in the setup stage, its data never taken.
    ep0.calls.clear();
    handler.handle(setFeature(5));
    handler.handle(setFeature(Fw::kWriteReportId, 0));
    EXPECT_EQ(ep0.calls, (Calls{"stall out", "stall out"}));
    EXPECT_EQ(server.pacing().requests(), 3u);
}

TEST_F(VirtualMouseGadgetSetupTest, AWriteFaultIsAnsweredInTheSetupStageAndAppliesNothing) {
    ASSERT_EQ(write("\x01\x02"), Calls{"receive 16"});

    arm(Kind::Stall, On::Write);
    EXPECT_EQ(read().front().substr(0, 5), "reply") << "a write fault lets reads pass";
    EXPECT_EQ(write("\x11\x12"), Calls{"stall out"});
    EXPECT_EQ(held(), QByteArray("\x01\x02"));
    EXPECT_EQ(write("\x21\x22"), Calls{"receive 16"}) << "once";

    arm(Kind::Silent, On::Write);
    EXPECT_EQ(write("\x31\x32"), Calls{"hold out"});
    EXPECT_EQ(held(), QByteArray("\x21\x22"));

    arm(Kind::Unplug, On::Write);
    EXPECT_EQ(write("\x41\x42"), Calls{}) << "left waiting while the gadget goes";
    EXPECT_FALSE(server.isPlugged());
    EXPECT_EQ(held(), QByteArray("\x21\x22"));
    EXPECT_TRUE(warnings.isEmpty()) << warnings.join('\n').toStdString();
}

TEST_F(VirtualMouseGadgetSetupTest, ReadFaultsCutStallOrHoldTheAnswer) {
    arm(Kind::Short, On::Read);
    EXPECT_EQ(read(), Calls{"reply 04 00 00 00"});
    arm(Kind::Stall, On::Read);
    EXPECT_EQ(read(), Calls{"stall in"});
    arm(Kind::Silent, On::Read);
    EXPECT_EQ(read(), Calls{"hold in"});
    arm(Kind::Unplug, On::Read);
    EXPECT_EQ(read(), Calls{});
    EXPECT_FALSE(server.isPlugged());
}

// Only feature requests count towards the Nth: the descriptors and HID class requests the kernel
// sends on its own (at enumeration, or when a node is opened) do not.
TEST_F(VirtualMouseGadgetSetupTest, OnlyFeatureRequestsCountTowardsTheNth) {
    arm(Kind::Stall, On::Any, 3);
    ep0.calls.clear();
    handler.handle(setup(USB_DIR_IN | USB_TYPE_STANDARD | USB_RECIP_INTERFACE,
                         USB_REQ_GET_DESCRIPTOR, 0x2200, 1, 4));
    handler.handle(setup(kClassOut, 0x0A, 0, 0, 0));      // SET_IDLE
    handler.handle(setup(kClassIn, 0x03, 0, 1, 1));       // GET_PROTOCOL
    handler.handle(setup(kClassIn, 0x01, 0x0104, 1, 16)); // GET_REPORT of an input report
    ASSERT_EQ(ep0.calls.size(), 4u);
    EXPECT_EQ(ep0.calls[0].substr(0, 5), "reply") << "the report descriptor, cut to 4 bytes";
    EXPECT_EQ(ep0.calls[0].size(), std::string("reply 00 00 00 00").size());
    EXPECT_EQ(ep0.calls[1], "acknowledge");
    EXPECT_EQ(ep0.calls[2], "reply 01");
    EXPECT_EQ(ep0.calls[3], "stall in");
    EXPECT_EQ(server.faults().armed()->at, 3);

    EXPECT_EQ(read().front().substr(0, 5), "reply");
    EXPECT_EQ(write("\x05\x06"), Calls{"receive 16"});
    EXPECT_EQ(write("\x07\x08"), Calls{"stall out"}) << "the third feature request";
    EXPECT_EQ(held(), QByteArray("\x05\x06"));
    EXPECT_FALSE(server.faults().armed());
}

} // namespace
