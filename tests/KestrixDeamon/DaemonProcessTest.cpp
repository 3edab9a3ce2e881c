// KestrixDeamon end to end: the emulated mouse and the daemon as programs of their own, this
// process as the configuration window, all on the test's session bus.
#include "EventLoopWait.h"
#include "KxAction.h"
#include "KxGlobals.h"
#include "KxMessages.h"
#include "KxMouseLock.h"
#include "KxProtocol.h"
#include "MarkerProgram.h"
#include "Notifications/DistributedNotificationCenter.h"
#include "Preferences/UserPreferences.h"
#include "PrivateHome.h"
#include "ProfieController.h"
#include "ProfileValue.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>

#include <gtest/gtest.h>

#include <atomic>
#include <csignal>
#include <thread>

#include <sys/stat.h>

namespace {
using namespace KxMessages;
using namespace KxProtocol;
const auto* const kHome = testing::AddGlobalTestEnvironment(new PrivateHome);

class DaemonProcessTest : public testing::Test {
protected:
    void SetUp() override {
        if (!QDBusConnection::sessionBus().isConnected())
            GTEST_SKIP() << "no session bus (./kx test provides one)";
        observer = DistributedNotificationCenter::defaultCenter().addObserver(
            QLatin1String(kDevStatus), [this](const Notification& n) {
                statuses.push_back(n.userInfo.value_or(QVariantMap()));
            });
    }
    void TearDown() override {
        DistributedNotificationCenter::defaultCenter().removeObserver(observer);
        for (QProcess* process : {&daemon, &mouse}) {
            process->terminate();
            process->waitForFinished(5000);
        }
    }

    void startMouse(bool plugged = true) {
        mouse.start(KX_VIRTUAL_MOUSE_PATH,
                    plugged ? QStringList{"serve"} : QStringList{"serve", "--unplugged"});
        ASSERT_TRUE(mouse.waitForStarted());
        ASSERT_TRUE(KxTest::waitFor([&] { return mouse.canReadLine(); }));
    }
    // Runs a command of the emulated mouse; its answer.
    QString mouseCommand(const QString& line) {
        QProcess client;
        client.start(KX_VIRTUAL_MOUSE_PATH, line.split(' '));
        EXPECT_TRUE(client.waitForFinished(10000));
        EXPECT_EQ(client.exitCode(), 0) << client.readAllStandardError().toStdString();
        return QString::fromLocal8Bit(client.readAllStandardOutput());
    }
    // Listening once it says so.
    void
    startDaemon(const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment()) {
        daemon.setProcessEnvironment(environment);
        daemon.start(KX_DAEMON_PATH, {});
        ASSERT_TRUE(daemon.waitForStarted());
        ASSERT_TRUE(daemonSays("Starting run loop.")) << errors.toStdString();
    }
    // The mouse, the daemon, and the two announcements of the mouse it finds at its start.
    void startBoth() {
        ASSERT_NO_FATAL_FAILURE(startMouse());
        ASSERT_NO_FATAL_FAILURE(startDaemon());
        ASSERT_TRUE(waitForStatuses(2));
    }
    // Whether the daemon writes the text, on its output or its errors, while it runs.
    bool daemonSays(const QString& text) {
        const auto said = [&] { return output.contains(text) || errors.contains(text); };
        KxTest::waitFor([&] {
            output += QString::fromLocal8Bit(daemon.readAllStandardOutput());
            errors += QString::fromLocal8Bit(daemon.readAllStandardError());
            return said() || daemon.state() != QProcess::Running;
        });
        return said() && daemon.state() == QProcess::Running;
    }
    std::vector<int> types() const {
        std::vector<int> result;
        for (const QVariantMap& status : statuses)
            result.push_back(status.value("type").toInt());
        return result;
    }
    bool waitForStatuses(size_t count) {
        return KxTest::waitFor([&] { return statuses.size() >= count; });
    }

    // The window's part in binding button 1 of profile 1 to the first launch slot: the mouse's
    // record.
    void bindButtonOneToTheFirstSlot() {
        KxAction::setPauseHookForTesting([](unsigned) {});
        KxAction::startListenDev();
        const uint8_t step[] = {kFirstLaunchCode, kStepLast};
        ASSERT_EQ(KxAction::sendWriteReport(recordAddress(0, 0), step, 2), 1);
        ASSERT_EQ(KxAction::sendWriteReport(recordAddress(0, 0) + kModeOffset, &kModeOnce, 1), 1);
        KxAction::setPauseHookForTesting({});
    }

    QProcess mouse;
    QProcess daemon;
    QString output, errors; // the daemon's
    DistributedNotificationCenter::Token observer = 0;
    std::vector<QVariantMap> statuses;
};

TEST_F(DaemonProcessTest, ArrivalsAndRemovalsOfTheMouse) {
    ASSERT_NO_FATAL_FAILURE(startBoth());
    KxTest::spin(300);
    EXPECT_EQ(types(), (std::vector{kStatusArrived, kStatusArrived}))
        << "present at start: announced twice";
    EXPECT_EQ(statuses[0].value("value").toInt(), kStatusArrived);

    mouseCommand("unplug");
    ASSERT_TRUE(waitForStatuses(3));
    EXPECT_EQ(statuses[2], (QVariantMap{{"type", kStatusRemoved}, {"value", kStatusRemoved}}));
    mouseCommand("plug");
    ASSERT_TRUE(waitForStatuses(4));
    KxTest::spin(300);
    EXPECT_EQ(types(),
              (std::vector{kStatusArrived, kStatusArrived, kStatusRemoved, kStatusArrived}));
}

TEST_F(DaemonProcessTest, StartedWithoutTheMouseSaysNothingUntilItArrives) {
    startMouse(false);
    startDaemon();
    KxTest::spin(500);
    EXPECT_TRUE(statuses.empty());
    mouseCommand("plug");
    ASSERT_TRUE(waitForStatuses(1));
    KxTest::spin(300);
    EXPECT_EQ(types(), std::vector{kStatusArrived});
}

TEST_F(DaemonProcessTest, TheMousesOwnButtonsReachTheWindow) {
    ASSERT_NO_FATAL_FAILURE(startBoth());
    // The stage the mouse moved to, and its DPI, as it reports them itself.
    const QString state = mouseCommand("press dpi");
    ASSERT_TRUE(waitForStatuses(3));
    const QVariantMap dpi = statuses[2];
    EXPECT_EQ(dpi.value("type").toInt(), kStatusDpi);
    EXPECT_TRUE(state.contains(QStringLiteral("stage %1 (%2 DPI)")
                                   .arg(dpi.value("value1").toInt() + 1)
                                   .arg(dpi.value("value2").toInt() * 100)))
        << state.toStdString();
    EXPECT_EQ(dpi.value("value2"), dpi.value("value3"));

    mouseCommand("press rate");
    ASSERT_TRUE(waitForStatuses(4));
    EXPECT_EQ(statuses[3].value("type").toInt(), kStatusRate);
}

// Another program reads the mouse in its turn while the mouse's lock button is pressed again and
// again: the daemon's reads of the presses wait for that turn, so neither takes the other's
// answers (they used to: buttons read wrong, and saved so, by the window's start read).
TEST_F(DaemonProcessTest, TheDaemonsReadsOfThePressesWaitForAnotherProgramsTurn) {
    ASSERT_NO_FATAL_FAILURE(startBoth());
    KxAction::getSysPath();
    KxAction::startListenDev();
    ASSERT_TRUE(KxTest::waitFor([] { return KxAction::checkListenDev(); }));
    const auto readRecords = [] {
        std::vector<QByteArray> records;
        for (uint32_t slot = 0; slot < kProfiles; ++slot) {
            for (uint32_t button = 0; button < kButtons; ++button) {
                uint8_t buffer[kReportLength] = {};
                if (!KxAction::readDeviceData(recordAddress(slot, button), kChunkSize, buffer))
                    return std::vector<QByteArray>();
                records.emplace_back(reinterpret_cast<const char*>(buffer) + kReportHeaderLength,
                                     kChunkSize);
            }
        }
        return records;
    };
    const std::vector<QByteArray> held = readRecords();
    ASSERT_EQ(held.size(), size_t(kProfiles * kButtons));

    std::atomic<bool> done = false;
    std::vector<QByteArray> readInTurn;
    std::thread window([&] {
        KxMouseLock turn;
        QString why;
        EXPECT_TRUE(turn.acquire(KxMouseLock::path(), {}, &why)) << why.toStdString();
        readInTurn = readRecords();
        done = true;
    });
    int presses = 0;
    for (; !done; ++presses)
        mouseCommand("press lock");
    window.join();
    EXPECT_GE(presses, 5) << "the presses came during the read";
    EXPECT_EQ(readInTurn, held) << "records read wrong";
    const QString status = mouseCommand("status");
    EXPECT_TRUE(status.contains("reads another connection broke into: 0")) << status.toStdString();
}

// With the window closed, a stage or rate the mouse's own buttons moved to becomes what every
// profile file holds, so that the next program to read them holds what the mouse runs.
TEST_F(DaemonProcessTest, WithTheWindowClosedTheMousesOwnStageAndRateReachTheFiles) {
    // The library as a program that read the mouse saved it.
    KxAction::getSysPath();
    sysProCon = ProfieController::getShareProCon();
    ASSERT_TRUE(sysProCon->saveToSys());
    ASSERT_NO_FATAL_FAILURE(startBoth());
    mouseCommand("press dpi");
    mouseCommand("press dpi");
    const QString state = mouseCommand("press rate");
    const int hz = QRegularExpression(QStringLiteral("(\\d+) Hz")).match(state).captured(1).toInt();
    ASSERT_GT(hz, 0) << state.toStdString();
    const QString folder = sysProCon->sysProPath();
    const auto filesHold = [&] {
        for (int n = 1; n <= kProfiles; ++n) {
            const auto file = ProfileValue::initWithPath(
                QDir(folder).filePath(QStringLiteral("Default%1.pro").arg(n)));
            if (!file)
                return false;
            const _Kx_PROFILE data = file->profileData();
            if (data.currSelectDPI != 2 || data.poRate > 2 || kPollingRatesHz[data.poRate] != hz)
                return false;
        }
        return true;
    };
    EXPECT_TRUE(KxTest::waitFor(filesHold, 10000)) << state.toStdString();
}

// A bound button starts its program with the window closed; a FIFO put at its path (where its
// desktop entry was) must not hang the daemon: nothing may open it blocking. That launch is
// refused with a line saying why, and the daemon serves on.
TEST_F(DaemonProcessTest, ABoundButtonStartsItsProgramAndAFifoAtItsPathIsRefused) {
    const QString program = writeMarkerProgram("bound-app");
    UserPreferences::open()->setValue(KxAction::launchPathKey(kFirstLaunchCode), program);
    ASSERT_NO_FATAL_FAILURE(startMouse());
    bindButtonOneToTheFirstSlot();
    startDaemon();
    ASSERT_TRUE(waitForStatuses(2));
    mouseCommand("press button 1");
    EXPECT_TRUE(KxTest::waitFor([&] { return started(program); }));

    const QString fifo = PrivateHome::dir("home") + "/trap.desktop";
    QFile::remove(fifo);
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    UserPreferences::open()->setValue(KxAction::launchPathKey(kFirstLaunchCode), fifo);
    mouseCommand("press button 1");
    mouseCommand("press dpi");
    EXPECT_TRUE(waitForStatuses(3)) << "still serving after the launch";
    EXPECT_TRUE(daemonSays(fifo + ": it is not a regular file")) << errors.toStdString();
    QFile::remove(fifo);
}

TEST_F(DaemonProcessTest, SurvivesMalformedMessagesAndEndsCleanlyOnSignals) {
    ASSERT_NO_FATAL_FAILURE(startBoth());

    // A second copy says so and leaves the first one alone.
    QProcess second;
    second.start(KX_DAEMON_PATH, {});
    ASSERT_TRUE(second.waitForFinished(10000));
    EXPECT_EQ(second.exitCode(), 0);
    EXPECT_TRUE(second.readAllStandardError().contains("already running"));

    const QVariantList malformed[] = {
        {},
        {kShowChange},
        {QString::number(kShowChange), QString("no dictionary"), true},
        {QString("abc"), QVariantMap{}, true},
        {QString::number(kShowChange), QVariantMap{{"value1", "3"}, {"value2", QVariantList{}}},
         true},
        {QString::number(kRelaunch), QVariantMap{}, false, 7, 8},
    };
    for (const QVariantList& arguments : malformed) {
        QDBusMessage message =
            QDBusMessage::createSignal(DistributedNotificationCenter::kPath,
                                       DistributedNotificationCenter::kInterface, kSettingChange);
        message.setArguments(arguments);
        QDBusConnection::sessionBus().send(message);
    }
    mouseCommand("press dpi");
    ASSERT_TRUE(waitForStatuses(3)) << "still serving after every malformed message";
    EXPECT_EQ(daemon.state(), QProcess::Running);

    ::kill(static_cast<pid_t>(daemon.processId()), SIGTERM);
    ASSERT_TRUE(daemon.waitForFinished(5000));
    EXPECT_EQ(daemon.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(daemon.exitCode(), 0);
}

TEST_F(DaemonProcessTest, HelpAndVersionAnswerWithoutStarting) {
    const struct {
        const char* option;
        int exitCode;
        const char* says;
    } cases[] = {{"--help", 0, "KestrixDeamon"},
                 {"--version", 0, "KestrixDeamon"},
                 {"--no-such-option", 2, "--no-such-option"}}; // on its errors
    for (const auto& [option, exitCode, says] : cases) {
        SCOPED_TRACE(option);
        QProcess asked;
        asked.start(KX_DAEMON_PATH, {QString::fromLatin1(option)});
        ASSERT_TRUE(asked.waitForFinished(10000));
        EXPECT_EQ(asked.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(asked.exitCode(), exitCode);
        EXPECT_TRUE((exitCode ? asked.readAllStandardError() : asked.readAllStandardOutput())
                        .contains(says));
    }
}

// A display that cannot be opened (a dead X server) must not abort the daemon, which its unit
// would then restart in a loop: it says so once and runs on without the on-screen display.
// SIGHUP reloads the profiles, as daemons do, instead of ending it.
TEST_F(DaemonProcessTest, RunsOnWithoutADisplayAndReloadsOnHangUp) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("QT_QPA_PLATFORM"));
    environment.remove(QStringLiteral("WAYLAND_DISPLAY"));
    environment.insert(QStringLiteral("DISPLAY"), QStringLiteral(":87")); // no server there
    environment.insert(QStringLiteral("QT_LOGGING_RULES"), QStringLiteral("kx.debug=true"));
    startMouse();
    startDaemon(environment);
    EXPECT_EQ(errors.count(QStringLiteral(":87")), 1) << errors.toStdString();

    ::kill(static_cast<pid_t>(daemon.processId()), SIGHUP);
    EXPECT_TRUE(daemonSays(QStringLiteral("更新Setting"))) << errors.toStdString();
    mouseCommand("press dpi");
    EXPECT_TRUE(waitForStatuses(3)) << "still serving, without a display";
}
} // namespace
