// KestrixDeamon end to end: the emulated mouse and the daemon as programs of their own, this
// process as the configuration window, all on the test's session bus.
#include "EventLoopWait.h"
#include "KxAction.h"
#include "KxGlobals.h"
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
const auto* const kHome = testing::AddGlobalTestEnvironment(new PrivateHome);

class DaemonProcessTest : public testing::Test {
protected:
    void SetUp() override {
        if (!QDBusConnection::sessionBus().isConnected())
            GTEST_SKIP() << "no session bus (./kx test provides one)";
        observer = DistributedNotificationCenter::defaultCenter().addObserver(
            QStringLiteral("KxDevStatus"), [this](const Notification& n) {
                statuses.push_back(n.userInfo.value_or(QVariantMap()));
            });
    }
    void TearDown() override {
        DistributedNotificationCenter::defaultCenter().removeObserver(observer);
        for (QProcess* process : {&daemon, &mouse}) {
            if (process->state() == QProcess::NotRunning)
                continue;
            process->terminate();
            process->waitForFinished(5000);
        }
    }

    void startMouse(const QString& state = QStringLiteral("plugged")) {
        mouse.start(KX_VIRTUAL_MOUSE_PATH, state == "plugged"
                                               ? QStringList{"serve"}
                                               : QStringList{"serve", "--unplugged"});
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
    void
    startDaemon(const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment()) {
        daemon.setProcessChannelMode(keepDaemonErrors ? QProcess::SeparateChannels
                                                      : QProcess::ForwardedErrorChannel);
        daemon.setProcessEnvironment(environment);
        daemon.start(KX_DAEMON_PATH, {});
        ASSERT_TRUE(daemon.waitForStarted());
        // Listening once it says so.
        ASSERT_TRUE(KxTest::waitFor([&] {
            daemonOutput += QString::fromLocal8Bit(daemon.readAllStandardOutput());
            return daemonOutput.contains("Starting run loop.");
        }));
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

    // The window's part in binding button 1 of profile 1 to launch slot 160: the mouse's record.
    void bindButtonOneToSlot160() {
        KxAction::setPauseHookForTesting([](unsigned) {});
        KxAction::startListenDev();
        const uint8_t step[] = {160, 0x40};
        const uint8_t mode[] = {160};
        ASSERT_EQ(KxAction::sendWriteReport(16, step, 2), 1);
        ASSERT_EQ(KxAction::sendWriteReport(16 + 80, mode, 1), 1);
        KxAction::setPauseHookForTesting({});
    }

    QProcess mouse;
    QProcess daemon;
    bool keepDaemonErrors = false; // read them with daemon.readAllStandardError()
    QString daemonOutput;
    DistributedNotificationCenter::Token observer = 0;
    std::vector<QVariantMap> statuses;
};

TEST_F(DaemonProcessTest, ArrivalsAndRemovalsOfTheMouse) {
    startMouse();
    startDaemon();
    ASSERT_TRUE(waitForStatuses(2));
    KxTest::spin(300);
    EXPECT_EQ(types(), (std::vector<int>{101, 101})) << "present at start: announced twice";
    EXPECT_EQ(statuses[0].value("value").toInt(), 101);

    mouseCommand("unplug");
    ASSERT_TRUE(waitForStatuses(3));
    EXPECT_EQ(statuses[2], (QVariantMap{{"type", 100}, {"value", 100}}));
    mouseCommand("plug");
    ASSERT_TRUE(waitForStatuses(4));
    KxTest::spin(300);
    EXPECT_EQ(types(), (std::vector<int>{101, 101, 100, 101}));
}

TEST_F(DaemonProcessTest, StartedWithoutTheMouseSaysNothingUntilItArrives) {
    startMouse("unplugged");
    startDaemon();
    KxTest::spin(500);
    EXPECT_TRUE(statuses.empty());
    mouseCommand("plug");
    ASSERT_TRUE(waitForStatuses(1));
    KxTest::spin(300);
    EXPECT_EQ(types(), (std::vector<int>{101}));
}

TEST_F(DaemonProcessTest, TheMousesOwnButtonsReachTheWindow) {
    startMouse();
    startDaemon();
    ASSERT_TRUE(waitForStatuses(2));
    // The stage the mouse moved to, and its DPI, as it reports them itself.
    const QString state = mouseCommand("press dpi");
    ASSERT_TRUE(waitForStatuses(3));
    const QVariantMap dpi = statuses[2];
    EXPECT_EQ(dpi.value("type").toInt(), 2);
    EXPECT_TRUE(state.contains(QStringLiteral("stage %1 (%2 DPI)")
                                   .arg(dpi.value("value1").toInt() + 1)
                                   .arg(dpi.value("value2").toInt() * 100)))
        << state.toStdString();
    EXPECT_EQ(dpi.value("value2"), dpi.value("value3"));

    mouseCommand("press rate");
    ASSERT_TRUE(waitForStatuses(4));
    EXPECT_EQ(statuses[3].value("type").toInt(), 3);
}

// Another program reads the mouse in its turn while the mouse's lock button is pressed again and
// again: the daemon's reads of the presses wait for that turn, so neither takes the other's
// answers (they used to: buttons read wrong, and saved so, by the window's start read).
TEST_F(DaemonProcessTest, TheDaemonsReadsOfThePressesWaitForAnotherProgramsTurn) {
    startMouse();
    startDaemon();
    ASSERT_TRUE(waitForStatuses(2));
    KxAction::getSysPath();
    KxAction::startListenDev();
    ASSERT_TRUE(KxTest::waitFor([] { return KxAction::checkListenDev(); }));
    const auto readRecords = [] {
        std::vector<QByteArray> records;
        for (uint32_t slot = 0; slot < KxProtocol::kProfiles; ++slot) {
            for (uint32_t button = 0; button < KxProtocol::kButtons; ++button) {
                uint8_t buffer[16] = {};
                if (!KxAction::readDeviceData(KxProtocol::recordAddress(slot, button), 12, buffer))
                    return std::vector<QByteArray>();
                records.emplace_back(reinterpret_cast<const char*>(buffer) + 4, 12);
            }
        }
        return records;
    };
    const std::vector<QByteArray> held = readRecords();
    ASSERT_EQ(held.size(), size_t(KxProtocol::kProfiles * KxProtocol::kButtons));

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
    ASSERT_EQ(readInTurn.size(), held.size());
    int wrong = 0;
    for (size_t i = 0; i < held.size(); ++i)
        wrong += readInTurn[i] != held[i];
    EXPECT_EQ(wrong, 0) << "records read wrong";
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
    startMouse();
    startDaemon();
    ASSERT_TRUE(waitForStatuses(2));
    mouseCommand("press dpi");
    mouseCommand("press dpi");
    const QString state = mouseCommand("press rate");
    const QRegularExpression rateLine(QStringLiteral("(\\d+) Hz"));
    const int hz = rateLine.match(state).captured(1).toInt();
    ASSERT_GT(hz, 0) << state.toStdString();
    const QString folder = sysProCon->sysProPath();
    const auto filesHold = [&] {
        for (int n = 1; n <= 5; ++n) {
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

TEST_F(DaemonProcessTest, ABoundButtonStartsItsProgramWithTheWindowClosed) {
    const QString program = writeMarkerProgram("bound-app");
    UserPreferences::open()->setValue(KxAction::launchPathKey(160), program);
    startMouse();
    bindButtonOneToSlot160();

    startDaemon();
    ASSERT_TRUE(waitForStatuses(2));
    mouseCommand("press button 1");
    EXPECT_TRUE(KxTest::waitFor([&] { return started(program); }));
}

// A FIFO put at a bound button's path (where its desktop entry was) must not hang the daemon:
// nothing may open it blocking. The launch is refused with a line saying why, and the daemon
// serves on.
TEST_F(DaemonProcessTest, AFifoAtALaunchPathIsRefusedAndTheDaemonServesOn) {
    const QString path = PrivateHome::dir("home") + "/trap.desktop";
    QFile::remove(path);
    ASSERT_EQ(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    UserPreferences::open()->setValue(KxAction::launchPathKey(160), path);
    startMouse();
    bindButtonOneToSlot160();
    keepDaemonErrors = true;
    startDaemon();
    ASSERT_TRUE(waitForStatuses(2));

    mouseCommand("press button 1");
    mouseCommand("press dpi");
    EXPECT_TRUE(waitForStatuses(3)) << "still serving after the launch";
    QString errors;
    EXPECT_TRUE(KxTest::waitFor([&] {
        errors += QString::fromLocal8Bit(daemon.readAllStandardError());
        return errors.contains(path);
    })) << errors.toStdString();
    EXPECT_TRUE(errors.contains(path + ": it is not a regular file")) << errors.toStdString();
    QFile::remove(path);
}

TEST_F(DaemonProcessTest, SurvivesMalformedMessagesAndEndsCleanlyOnSignals) {
    startMouse();
    startDaemon();
    ASSERT_TRUE(waitForStatuses(2));

    // A second copy says so and leaves the first one alone.
    QProcess second;
    second.start(KX_DAEMON_PATH, {});
    ASSERT_TRUE(second.waitForFinished(10000));
    EXPECT_EQ(second.exitCode(), 0);
    EXPECT_TRUE(second.readAllStandardError().contains("already running"));

    auto sendSignal = [](const QString& member, const QVariantList& arguments) {
        QDBusMessage message =
            QDBusMessage::createSignal(DistributedNotificationCenter::kPath,
                                       DistributedNotificationCenter::kInterface, member);
        message.setArguments(arguments);
        QDBusConnection::sessionBus().send(message);
    };
    sendSignal("KxSettingChange", {});
    sendSignal("KxSettingChange", {111});
    sendSignal("KxSettingChange", {QString("111"), QString("no dictionary"), true});
    sendSignal("KxSettingChange", {QString("abc"), QVariantMap{}, true});
    sendSignal("KxSettingChange",
               {QString("111"), QVariantMap{{"value1", "3"}, {"value2", QVariantList{}}}, true});
    sendSignal("KxSettingChange", {QString("121"), QVariantMap{}, false, 7, 8});

    mouseCommand("press dpi");
    ASSERT_TRUE(waitForStatuses(3)) << "still serving after every malformed message";
    EXPECT_EQ(daemon.state(), QProcess::Running);

    ::kill(static_cast<pid_t>(daemon.processId()), SIGTERM);
    ASSERT_TRUE(daemon.waitForFinished(5000));
    EXPECT_EQ(daemon.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(daemon.exitCode(), 0);
}

TEST_F(DaemonProcessTest, HelpAndVersionAnswerWithoutStarting) {
    for (const char* option : {"--help", "--version"}) {
        QProcess asked;
        asked.start(KX_DAEMON_PATH, {QString::fromLatin1(option)});
        ASSERT_TRUE(asked.waitForFinished(10000)) << option;
        EXPECT_EQ(asked.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(asked.exitCode(), 0) << option;
        EXPECT_TRUE(asked.readAllStandardOutput().contains("KestrixDeamon")) << option;
    }
    QProcess wrong;
    wrong.start(KX_DAEMON_PATH, {QStringLiteral("--no-such-option")});
    ASSERT_TRUE(wrong.waitForFinished(10000));
    EXPECT_EQ(wrong.exitCode(), 2);
    EXPECT_TRUE(wrong.readAllStandardError().contains("--no-such-option"));
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
    daemon.setProcessChannelMode(QProcess::SeparateChannels);
    startMouse();
    daemon.setProcessEnvironment(environment);
    daemon.start(KX_DAEMON_PATH, {});
    ASSERT_TRUE(daemon.waitForStarted());
    QString errors;
    ASSERT_TRUE(KxTest::waitFor([&] {
        daemonOutput += QString::fromLocal8Bit(daemon.readAllStandardOutput());
        errors += QString::fromLocal8Bit(daemon.readAllStandardError());
        return daemonOutput.contains("Starting run loop.") || daemon.state() != QProcess::Running;
    }));
    ASSERT_EQ(daemon.state(), QProcess::Running) << errors.toStdString();
    EXPECT_EQ(errors.count(QStringLiteral(":87")), 1) << errors.toStdString();

    ::kill(static_cast<pid_t>(daemon.processId()), SIGHUP);
    EXPECT_TRUE(KxTest::waitFor([&] {
        errors += QString::fromLocal8Bit(daemon.readAllStandardError());
        return errors.contains(QStringLiteral("更新Setting"));
    })) << errors.toStdString();
    EXPECT_EQ(daemon.state(), QProcess::Running);
    mouseCommand("press dpi");
    EXPECT_TRUE(waitForStatuses(3)) << "still serving, without a display";
}
} // namespace
