#include "HvLogger.h"
#include "HvAction.h"

#include "CapturedLog.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringList>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

QByteArray contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

// The debug level is process-wide and only ever turned on, so the steps run in this order.
TEST(HvLogger, DebugLinesOnlyWhenTurnedOnAndFileOnlyWhenAsked) {
    const CapturedLog captured(CapturedLog::kAll, "kx");
    HV_DEBUG("quiet");
    EXPECT_TRUE(captured.lines().isEmpty()) << "ordinary use writes nothing";

    HvAction::setLoggerDebugLevel();
    const int line = __LINE__ + 1;
    HV_DEBUG("loud");
    EXPECT_EQ(captured.lines(), QStringList{QStringLiteral("HvLoggerTest.cpp:%1 loud").arg(line)});

    HvAction::setLoggerHasFile(true);
    HV_DEBUG("into the file");
    HV_WARNING("a warning");
    HvAction::setLoggerHasFile(false);
    HV_DEBUG("not into the file");

    const QString path = HvLogger::logFilePath();
    EXPECT_TRUE(path.startsWith(qEnvironmentVariable("XDG_STATE_HOME") + "/com.vlak.KxOption/"));
    const QByteArray content = contents(path);
    EXPECT_TRUE(content.contains("debug HvLoggerTest.cpp:"));
    EXPECT_TRUE(content.contains("warning HvLoggerTest.cpp:"));
    EXPECT_FALSE(content.contains("not into the file"));
    EXPECT_FALSE(content.contains("quiet"));
}

// The window logs at debug level on every start: a log that reached its bound is set aside as
// "<name>.log.1" (one generation) and a new one begun, so the file never grows without end.
TEST(HvLogger, AFullLogIsSetAsideWhenOpened) {
    // A state folder of its own: the other cases of this program write the same log name.
    QTemporaryDir state;
    ASSERT_TRUE(state.isValid());
    qputenv("XDG_STATE_HOME", QFile::encodeName(state.path()));
    const QString path = HvLogger::logFilePath();
    ASSERT_TRUE(QDir().mkpath(QFileInfo(path).absolutePath()));
    const QByteArray full(int(HvLogger::kMaxFileBytes) + 1, 'x');
    for (int round = 0; round < 2; ++round) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(full);
        file.close();
        HvAction::setLoggerHasFile(true);
        HV_WARNING("after the bound");
        HvAction::setLoggerHasFile(false);
        const QByteArray content = contents(path);
        EXPECT_LT(content.size(), 1000) << "round " << round;
        EXPECT_TRUE(content.contains("after the bound"));
        EXPECT_EQ(QFile(path + ".1").size(), full.size()) << "one generation, replaced";
    }
    // Below the bound the log goes on.
    HvAction::setLoggerHasFile(true);
    HV_WARNING("appended");
    HvAction::setLoggerHasFile(false);
    const QByteArray content = contents(path);
    EXPECT_TRUE(content.contains("after the bound") && content.contains("appended"));

    // A run that writes past the bound goes on in a new file.
    HvAction::setLoggerHasFile(true);
    const QString longLine(4096, QLatin1Char('y'));
    for (int i = 0; i < 300; ++i)
        HV_WARNING(longLine);
    HV_WARNING("the last line");
    HvAction::setLoggerHasFile(false);
    EXPECT_LT(QFile(path).size(), HvLogger::kMaxFileBytes);
    EXPECT_LE(QFile(path + ".1").size(), HvLogger::kMaxFileBytes + 5000);
    EXPECT_TRUE(contents(path).contains("the last line"));
}

} // namespace
