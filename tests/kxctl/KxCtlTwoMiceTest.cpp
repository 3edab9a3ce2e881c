// kxctl with two mice attached, in process against two emulated firmwares: --device picks one by
// its number, a write that names none is refused, a reading command uses the first and says so,
// and a mouse nobody has is no mouse.
#include "FirmwareUsbBackend.h"
#include "KxCtlCommandLine.h"
#include "KxCtlTestSupport.h"
#include "KxCtlTool.h"
#include "Usb/UsbNotificationPort.h"
#include "VirtualMouseFirmware.h"

#include <array>

namespace {

const auto* const kHome = testing::AddGlobalTestEnvironment(new PrivateHome);

class KxCtlTwoMiceTest : public testing::Test {
protected:
    void SetUp() override {
        UsbNotificationPort::setBackendFactory([this] {
            std::vector<std::unique_ptr<UsbBackend>> backends;
            for (const auto& firmware : firmwares) {
                auto backend = std::make_unique<FirmwareUsbBackend>(firmware, log);
                backend->plug();
                backends.push_back(std::move(backend));
            }
            return backends;
        });
    }
    void TearDown() override { UsbNotificationPort::setBackendFactory({}); }

    // The exit status of kxctl with these arguments; what it printed in out and err.
    int kxctl(const QStringList& arguments) {
        const KxCtl::Parsed parsed = KxCtl::parse(arguments);
        EXPECT_TRUE(parsed.invocation) << qPrintable(parsed.error);
        if (!parsed.invocation)
            return -1;
        testing::internal::CaptureStdout();
        testing::internal::CaptureStderr();
        const int status = KxCtl::Tool(*parsed.invocation).run();
        out = QString::fromStdString(testing::internal::GetCapturedStdout());
        err = QString::fromStdString(testing::internal::GetCapturedStderr());
        return status;
    }
    int rateOf(size_t mouse) const { return firmwares[mouse]->state().rateHz(); }

    std::array<std::shared_ptr<VirtualMouseFirmware>, 2> firmwares{
        std::make_shared<VirtualMouseFirmware>(), std::make_shared<VirtualMouseFirmware>()};
    std::shared_ptr<std::vector<std::string>> log = std::make_shared<std::vector<std::string>>();
    QString out;
    QString err;
};

TEST_F(KxCtlTwoMiceTest, AWriteNamesItsMouseAndAReadSaysWhichItUsed) {
    ASSERT_EQ(kxctl({"--json", "list"}), 0) << qPrintable(err);
    const QJsonArray mice = json(out.toUtf8()).value("mice").toArray();
    ASSERT_EQ(mice.size(), 2) << qPrintable(out);
    EXPECT_EQ(mice[1]["index"], QJsonValue(2));

    EXPECT_EQ(kxctl({"rate", "500"}), 1);
    EXPECT_TRUE(says(err, "2 mice are attached: say which with --device"));
    EXPECT_EQ(rateOf(0), 1000);
    EXPECT_EQ(rateOf(1), 1000);

    EXPECT_EQ(kxctl({"--device", "2", "rate", "500"}), 0) << qPrintable(err);
    EXPECT_EQ(rateOf(1), 500);
    EXPECT_EQ(rateOf(0), 1000) << "the other mouse is left alone";
    EXPECT_EQ(kxctl({"rate", "125", "--device", "1"}), 0) << qPrintable(err);
    EXPECT_EQ(rateOf(0), 125);
    EXPECT_EQ(rateOf(1), 500);

    EXPECT_EQ(kxctl({"--device", "3", "rate", "500"}), 3);
    EXPECT_TRUE(says(err, "no attached mouse is 3"));
    EXPECT_EQ(kxctl({"--device", "2", "show"}), 0) << qPrintable(err);
    EXPECT_TRUE(says(out, "Polling rate: 500 Hz"));
    EXPECT_EQ(kxctl({"show"}), 0) << qPrintable(err);
    EXPECT_TRUE(says(out, "Polling rate: 125 Hz"));
    EXPECT_TRUE(says(err, "this is mouse 1"));
}

} // namespace
