#include "EmulatedMouse.h"
#include "EventLoopWait.h"
#include "PrivateRuntimeDir.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

struct Outcome {
    int exitCode = -1;
    QString out;
    QString err;
};

class VirtualMouseProgramTest : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        env = dir.environment();
    }

    void TearDown() override {
        if (server.state() != QProcess::NotRunning) {
            server.terminate();
            server.waitForFinished(5000);
        }
    }

    QString socketPath() const { return dir.filePath("run/kx-virtual-mouse.sock"); }

    // Starts the server and waits for its first line, written once it listens.
    void startServer(const QStringList& arguments = {}) {
        serverOutput.clear();
        server.setProcessEnvironment(env);
        server.start(KX_VIRTUAL_MOUSE_PATH, arguments);
        ASSERT_TRUE(server.waitForStarted());
        ASSERT_TRUE(KxTest::waitFor([&] {
            serverOutput += QString::fromLocal8Bit(server.readAllStandardOutput());
            return serverOutput.startsWith("serving on");
        }));
    }

    // Runs the program with the words of a command line.
    Outcome run(const QString& line) {
        QProcess process;
        process.setProcessEnvironment(env);
        process.start(KX_VIRTUAL_MOUSE_PATH, line.split(' '));
        Outcome result;
        if (!process.waitForFinished(10000))
            return result;
        result.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
        result.out = QString::fromLocal8Bit(process.readAllStandardOutput());
        result.err = QString::fromLocal8Bit(process.readAllStandardError());
        return result;
    }

    PrivateRuntimeDir dir;
    QProcessEnvironment env;
    QProcess server;
    QString serverOutput;
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
        const Outcome result = run(line);
        EXPECT_EQ(result.exitCode, exitCode) << line;
        EXPECT_TRUE(result.err.contains(exitCode == 1 ? "not running" : "usage:"))
            << result.err.toStdString();
    }
}

TEST_F(VirtualMouseProgramTest, PressDpiShowsInTheDumpAndSurvivesARestart) {
    startServer();
    EXPECT_TRUE(run("dump").out.contains("stage: 1 (800 DPI)"));
    const Outcome press = run("press dpi");
    EXPECT_EQ(press.exitCode, 0) << press.err.toStdString();
    const Outcome dump = run("dump");
    EXPECT_EQ(dump.exitCode, 0);
    EXPECT_TRUE(dump.out.contains("stage: 2 (1600 DPI)")) << dump.out.toStdString();
    EXPECT_TRUE(dump.out.contains("DPI stages: 800 1600 2400 3200"));
    EXPECT_TRUE(dump.out.contains("profile 5 button 5 @1984: c1 40 00"));

    server.terminate();
    ASSERT_TRUE(server.waitForFinished(5000));
    EXPECT_EQ(server.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(server.exitCode(), 0);
    EXPECT_FALSE(QFile::exists(socketPath()));
    const QString output = serverOutput + QString::fromLocal8Bit(server.readAllStandardOutput());
    EXPECT_TRUE(output.contains("press dpi: profile 1, stage 2 (1600 DPI)"))
        << output.toStdString();
    EXPECT_TRUE(output.endsWith("stopped\n"));

    startServer();
    EXPECT_TRUE(run("dump").out.contains("stage: 2 (1600 DPI)"));
}

TEST_F(VirtualMouseProgramTest, SecondServerExitsOneAndCommandsReportFailure) {
    startServer({"serve", "--unplugged"});
    EXPECT_EQ(QFile::permissions(socketPath()) & 0077, 0); // the owner's only
    const Outcome second = run("serve");
    EXPECT_EQ(second.exitCode, 1);
    EXPECT_TRUE(second.err.contains("already running on " + socketPath()));

    const Outcome press = run("press lock");
    EXPECT_EQ(press.exitCode, 1);
    EXPECT_TRUE(press.err.contains("unplugged"));
    EXPECT_EQ(run("plug").exitCode, 0);
    const Outcome status = run("status");
    EXPECT_TRUE(status.out.contains("plugged: yes\ngeneration: 1\n")) << status.out.toStdString();
    EXPECT_EQ(run("press button 4").exitCode, 0);

    server.kill(); // no clean exit: the socket file stays behind
    server.waitForFinished(5000);
    ASSERT_TRUE(QFile::exists(socketPath()));
    startServer();
    EXPECT_EQ(run("status").exitCode, 0);
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
