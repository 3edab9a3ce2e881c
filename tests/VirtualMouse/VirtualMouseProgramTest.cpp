#include "EmulatedMouse.h"
#include "EventLoopWait.h"
#include "PrivateRuntimeDir.h"
#include "Programs.h"

#include <QDir>
#include <QFile>
#include <QProcessEnvironment>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

class VirtualMouseProgramTest : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        env = dir.environment();
    }

    QString socketPath() const { return dir.filePath("run/kx-virtual-mouse.sock"); }

    // Starts the server and waits for its first line, written once it listens.
    void startServer(const QStringList& arguments = {}) {
        server.forget();
        ASSERT_TRUE(server.start(arguments, env));
        ASSERT_TRUE(KxTest::waitFor([&] { return server.output().startsWith("serving on"); }));
    }

    // Runs the program with the words of a command line.
    Program::Ran run(const QString& line) {
        return Program::run(KX_VIRTUAL_MOUSE_PATH, line.split(' '), 10000, env);
    }

    PrivateRuntimeDir dir;
    QProcessEnvironment env;
    Program server{KX_VIRTUAL_MOUSE_PATH};
};

TEST_F(VirtualMouseProgramTest, NoServerExitsOneAndBadUsageTwo) {
    const std::pair<const char*, int> cases[] = {{"status", 1},
                                                 {"press dpi", 1},
                                                 {"jump", 2},
                                                 {"press", 2},
                                                 {"press button 6", 2},
                                                 {"serve --now", 2},
                                                 {"stream-motion 10", 2},
                                                 {"fault --on write short", 2},
                                                 {"fault --at 0 stall", 2},
                                                 {"fault --at 2 --on write stall", 1}};
    for (const auto& [line, exitCode] : cases) {
        const Program::Ran result = run(line);
        EXPECT_EQ(result.exit, exitCode) << line;
        EXPECT_TRUE(result.err.contains(exitCode == 1 ? "not running" : "usage:"))
            << result.err.toStdString();
    }
}

TEST_F(VirtualMouseProgramTest, PressDpiShowsInTheDumpAndSurvivesARestart) {
    startServer();
    EXPECT_TRUE(run("dump").out.contains("stage: 1 (800 DPI)"));
    const Program::Ran press = run("press dpi");
    EXPECT_EQ(press.exit, 0) << press.err.toStdString();
    const Program::Ran dump = run("dump");
    EXPECT_EQ(dump.exit, 0);
    EXPECT_TRUE(dump.out.contains("stage: 2 (1600 DPI)")) << dump.out.toStdString();
    EXPECT_TRUE(dump.out.contains("DPI stages: 800 1600 2400 3200"));
    EXPECT_TRUE(dump.out.contains("profile 5 button 5 @1984: c1 40 00"));

    const Program::Ran stopped = server.stop();
    EXPECT_EQ(stopped.exit, 0);
    EXPECT_FALSE(QFile::exists(socketPath()));
    EXPECT_TRUE(stopped.out.contains("press dpi: profile 1, stage 2 (1600 DPI)"))
        << stopped.out.toStdString();
    EXPECT_TRUE(stopped.out.endsWith("stopped\n"));

    startServer();
    EXPECT_TRUE(run("dump").out.contains("stage: 2 (1600 DPI)"));
}

TEST_F(VirtualMouseProgramTest, SecondServerExitsOneAndCommandsReportFailure) {
    startServer({"serve", "--unplugged"});
    EXPECT_EQ(QFile::permissions(socketPath()) & 0077, 0); // the owner's only
    const Program::Ran second = run("serve");
    EXPECT_EQ(second.exit, 1);
    EXPECT_TRUE(second.err.contains("already running on " + socketPath()));

    const Program::Ran press = run("press lock");
    EXPECT_EQ(press.exit, 1);
    EXPECT_TRUE(press.err.contains("unplugged"));
    EXPECT_EQ(run("plug").exit, 0);
    const Program::Ran status = run("status");
    EXPECT_TRUE(status.out.contains("plugged: yes\ngeneration: 1\n")) << status.out.toStdString();
    EXPECT_EQ(run("press button 4").exit, 0);

    server.process.kill(); // no clean exit: the socket file stays behind
    server.process.waitForFinished(5000);
    ASSERT_TRUE(QFile::exists(socketPath()));
    startServer();
    EXPECT_EQ(run("status").exit, 0);
}

TEST_F(VirtualMouseProgramTest, BackendAnnouncesARunningServersMouseDuringStart) {
    startServer();
    dir.apply();
    KxTest::useVirtualBus();
    int error = 0;
    auto port = UsbNotificationPort::create(&error);
    UsbNotificationPort::setBackendFactory({});
    ASSERT_TRUE(port);
    UsbDeviceIterator* present =
        port->addMatchingNotification(UsbNotificationPort::Kind::FirstMatch, nullptr, nullptr);
    const auto mouse = present->next();
    ASSERT_TRUE(mouse && mouse->device);

    // Feature requests go through the HID class request path of the device.
    QByteArray report = KxTest::readReport(KxProtocol::kRegLiveProfile, 2);
    ASSERT_EQ(KxTest::featureRequest(*mouse->device, true, report), 0);
    uint32_t done = 0;
    ASSERT_EQ(KxTest::featureRequest(*mouse->device, false, report, 1, &done), 0);
    EXPECT_EQ(done, KxProtocol::kReportLength);
    EXPECT_EQ(report.mid(4, 2), QByteArray("\x01\x00", 2)) << "profile 1";
}

} // namespace
