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
#include "Programs.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
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
    }

    // The mouse, the daemon, and the two announcements of the mouse it finds at its start.
    void startBoth() {
        ASSERT_TRUE(mouse.serve());
        ASSERT_TRUE(daemon.serve()) << daemon.errors().toStdString();
        ASSERT_TRUE(statuses.waitFor(2));
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

    MouseProgram mouse;
    DaemonProgram daemon;
    DevStatuses statuses;
};

TEST_F(DaemonProcessTest, ArrivalsAndRemovalsOfTheMouse) {
    ASSERT_NO_FATAL_FAILURE(startBoth());
    KxTest::spin(300);
    EXPECT_EQ(statuses.types(), (std::vector{kStatusArrived, kStatusArrived}))
        << "present at start: announced twice";
    EXPECT_EQ(statuses.heard[0].value("value").toInt(), kStatusArrived);

    mouse.command("unplug");
    ASSERT_TRUE(statuses.waitFor(3));
    EXPECT_EQ(statuses.heard[2],
              (QVariantMap{{"type", kStatusRemoved}, {"value", kStatusRemoved}}));
    mouse.command("plug");
    ASSERT_TRUE(statuses.waitFor(4));
    KxTest::spin(300);
    EXPECT_EQ(statuses.types(),
              (std::vector{kStatusArrived, kStatusArrived, kStatusRemoved, kStatusArrived}));
}

TEST_F(DaemonProcessTest, StartedWithoutTheMouseSaysNothingUntilItArrives) {
    ASSERT_TRUE(mouse.serve(false));
    ASSERT_TRUE(daemon.serve());
    KxTest::spin(500);
    EXPECT_TRUE(statuses.heard.empty());
    mouse.command("plug");
    ASSERT_TRUE(statuses.waitFor(1));
    KxTest::spin(300);
    EXPECT_EQ(statuses.types(), std::vector{kStatusArrived});
}

TEST_F(DaemonProcessTest, TheMousesOwnButtonsReachTheWindow) {
    ASSERT_NO_FATAL_FAILURE(startBoth());
    // The stage the mouse moved to, and its DPI, as it reports them itself.
    const QString state = mouse.command("press dpi");
    ASSERT_TRUE(statuses.waitFor(3));
    const QVariantMap dpi = statuses.heard[2];
    EXPECT_EQ(dpi.value("type").toInt(), kStatusDpi);
    EXPECT_TRUE(state.contains(QStringLiteral("stage %1 (%2 DPI)")
                                   .arg(dpi.value("value1").toInt() + 1)
                                   .arg(dpi.value("value2").toInt() * 100)))
        << state.toStdString();
    EXPECT_EQ(dpi.value("value2"), dpi.value("value3"));

    mouse.command("press rate");
    ASSERT_TRUE(statuses.waitFor(4));
    EXPECT_EQ(statuses.heard[3].value("type").toInt(), kStatusRate);
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

    // The turn is held over as many whole reads as it takes for five presses to land inside it,
    // however slowly this machine runs the mouse's answers.
    std::atomic<bool> done = false;
    std::atomic<int> presses = 0;
    std::vector<std::vector<QByteArray>> readsInTurn;
    int pressesInTurn = 0;
    std::thread window([&] {
        KxMouseLock turn;
        QString why;
        EXPECT_TRUE(turn.acquire(KxMouseLock::path(), {}, &why)) << why.toStdString();
        const int pressesBefore = presses;
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(60);
        do
            readsInTurn.push_back(readRecords());
        while (presses - pressesBefore < 5 && std::chrono::steady_clock::now() < deadline);
        pressesInTurn = presses - pressesBefore;
        done = true;
    });
    while (!done) {
        mouse.command("press lock");
        ++presses;
    }
    window.join();
    EXPECT_GE(pressesInTurn, 5) << "the presses came during the read";
    for (const auto& read : readsInTurn)
        EXPECT_EQ(read, held) << "records read wrong";
    const QString status = mouse.command("status");
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
    mouse.command("press dpi");
    mouse.command("press dpi");
    const QString state = mouse.command("press rate");
    const int hz = MouseDump::rateHz(state);
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
    ASSERT_TRUE(mouse.serve());
    bindButtonOneToTheFirstSlot();
    ASSERT_TRUE(daemon.serve());
    ASSERT_TRUE(statuses.waitFor(2));
    mouse.command("press button 1");
    EXPECT_TRUE(KxTest::waitFor([&] { return started(program); }));

    const QString fifo = PrivateHome::dir("home") + "/trap.desktop";
    QFile::remove(fifo);
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    UserPreferences::open()->setValue(KxAction::launchPathKey(kFirstLaunchCode), fifo);
    mouse.command("press button 1");
    mouse.command("press dpi");
    EXPECT_TRUE(statuses.waitFor(3)) << "still serving after the launch";
    EXPECT_TRUE(daemon.says(fifo + ": it is not a regular file")) << daemon.errors().toStdString();
    QFile::remove(fifo);
}

TEST_F(DaemonProcessTest, SurvivesMalformedMessagesAndEndsCleanlyOnSignals) {
    ASSERT_NO_FATAL_FAILURE(startBoth());

    // A second copy says so and leaves the first one alone.
    const Program::Ran second = Program::run(KX_DAEMON_PATH, {}, 10000);
    EXPECT_EQ(second.exit, 0);
    EXPECT_TRUE(second.err.contains("already running"));

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
    mouse.command("press dpi");
    ASSERT_TRUE(statuses.waitFor(3)) << "still serving after every malformed message";
    EXPECT_EQ(daemon.process.state(), QProcess::Running);
    EXPECT_EQ(daemon.stop().exit, 0) << "ends cleanly on SIGTERM";
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
        const Program::Ran asked = Program::run(KX_DAEMON_PATH, {QString::fromLatin1(option)});
        EXPECT_EQ(asked.exit, exitCode);
        EXPECT_TRUE((exitCode ? asked.err : asked.out).contains(QLatin1String(says)));
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
    ASSERT_TRUE(mouse.serve());
    ASSERT_TRUE(daemon.serve(environment));
    EXPECT_EQ(daemon.errors().count(QStringLiteral(":87")), 1) << daemon.errors().toStdString();

    ::kill(static_cast<pid_t>(daemon.process.processId()), SIGHUP);
    EXPECT_TRUE(daemon.says(QStringLiteral("更新Setting"))) << daemon.errors().toStdString();
    mouse.command("press dpi");
    EXPECT_TRUE(statuses.waitFor(3)) << "still serving, without a display";
}
} // namespace
