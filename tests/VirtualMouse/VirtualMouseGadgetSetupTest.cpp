// The gadget's answers to control requests, without a kernel: what it does on ep0 for each
// request, and how an armed fault changes that. A SET's fault must be answered in the setup
// stage, before its data is taken: taken, it can no longer be stalled and is applied.
#include "EmulatedMouse.h"
#include "PrivateRuntimeDir.h"

#include "VirtualMouseGadgetSetup.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <endian.h>

#include <string>
#include <vector>

using KxTest::kScratch;
using Kind = FeatureFault::Kind;
using On = FeatureFault::On;
using Calls = std::vector<std::string>;

namespace {

// ep0 as the handler uses it, each use written down; an OUT request's data is what the test put.
class RecordingEp0 : public VirtualMouseGadgetSetup::Ep0 {
public:
    void reply(const QByteArray& data) override { calls.push_back(replied(data)); }
    void acknowledge() override { calls.push_back("acknowledge"); }
    std::optional<QByteArray> receive(uint16_t length) override {
        calls.push_back("receive " + std::to_string(length));
        return hostData.left(length);
    }
    void stall(bool in) override { calls.push_back(in ? "stall in" : "stall out"); }
    void holdUnanswered(bool in) override { calls.push_back(in ? "hold in" : "hold out"); }
    static std::string replied(const QByteArray& data) {
        return "reply " + data.toHex(' ').toStdString();
    }

    QByteArray hostData;
    Calls calls;
};

usb_ctrlrequest setup(uint8_t type, uint8_t request, uint16_t value, uint16_t index,
                      uint16_t length) {
    return {type, request, htole16(value), htole16(index), htole16(length)};
}
usb_ctrlrequest feature(bool set, uint8_t reportId,
                        uint16_t interface = KxProtocol::kControlInterface) {
    return setup(set ? UsbHid::kClassInterfaceOut : UsbHid::kClassInterfaceIn,
                 set ? UsbHid::kSetReport : UsbHid::kGetReport,
                 uint16_t(UsbHid::kReportTypeFeature << 8 | reportId), interface,
                 KxProtocol::kReportLength);
}

class VirtualMouseGadgetSetupTest : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        dir.apply();
        QObject::connect(&server, &VirtualMouseServer::warning,
                         [this](const QString& line) { warnings << line; });
    }
    // One host request through the handler: what ep0 saw.
    Calls handle(const usb_ctrlrequest& request, const QByteArray& hostData = {}) {
        ep0.calls.clear();
        ep0.hostData = hostData;
        handler.handle(request);
        return ep0.calls;
    }
    Calls write(const QByteArray& data) {
        return handle(feature(true, KxProtocol::kReportWrite), KxTest::writeReport(kScratch, data));
    }
    Calls read() { return handle(feature(false, KxProtocol::kReportRead)); }
    QByteArray held() { return server.firmware().memory(kScratch, 2); }
    void arm(Kind kind, On on, int at = 1) { ASSERT_TRUE(server.armFault({kind, on, at})); }

    PrivateRuntimeDir dir;
    VirtualMouseServer server{{VirtualUsb::socketPath(), FlashStore::defaultPath(), true}};
    RecordingEp0 ep0;
    VirtualMouseGadgetSetup handler{server, ep0};
    QStringList warnings;
};

TEST_F(VirtualMouseGadgetSetupTest, FeatureWritesAreTakenAndAppliedReadsAnswered) {
    EXPECT_EQ(write("\x11\x22"), Calls{"receive 16"});
    EXPECT_EQ(held(), QByteArray("\x11\x22"));
    const QByteArray prepare = KxTest::readReport(kScratch, 2);
    handle(feature(true, KxProtocol::kReportRead), prepare);
    EXPECT_EQ(read(), Calls{RecordingEp0::replied(QByteArray(prepare).replace(4, 2, "\x11\x22"))});
    // Another report id or interface is stalled in the setup stage, its data never taken.
    EXPECT_EQ(handle(feature(true, 5)), Calls{"stall out"});
    EXPECT_EQ(handle(feature(true, KxProtocol::kReportWrite, 0)), Calls{"stall out"});
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
    EXPECT_EQ(read(), Calls{RecordingEp0::replied(KxTest::readReport(0, 0).left(4))});
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
    const uint8_t in = UsbHid::kClassInterfaceIn, setIdle = 0x0A, getProtocol = 0x03;
    EXPECT_THAT(handle(setup(USB_DIR_IN | USB_TYPE_STANDARD | USB_RECIP_INTERFACE,
                             USB_REQ_GET_DESCRIPTOR, 0x2200, 1, 4)),
                testing::ElementsAre(testing::MatchesRegex("reply( [0-9a-f]{2}){4}")))
        << "the report descriptor, cut to 4 bytes";
    EXPECT_EQ(handle(setup(UsbHid::kClassInterfaceOut, setIdle, 0, 0, 0)), Calls{"acknowledge"});
    EXPECT_EQ(handle(setup(in, getProtocol, 0, 1, 1)), Calls{"reply 01"});
    // GET_REPORT of an input report (type 1) with the read's id.
    EXPECT_EQ(handle(setup(in, UsbHid::kGetReport, 0x0100 | KxProtocol::kReportRead, 1, 16)),
              Calls{"stall in"});
    EXPECT_EQ(server.faults().armed()->at, 3);

    EXPECT_EQ(read().front().substr(0, 5), "reply");
    EXPECT_EQ(write("\x05\x06"), Calls{"receive 16"});
    EXPECT_EQ(write("\x07\x08"), Calls{"stall out"}) << "the third feature request";
    EXPECT_EQ(held(), QByteArray("\x05\x06"));
    EXPECT_FALSE(server.faults().armed());
}

} // namespace
