#include "HvLogger.h"
#include "HvAction.h"

#include <QFile>
#include <QStringList>

#include <gtest/gtest.h>

namespace {

QStringList captured;

// The debug level is process-wide and only ever turned on, so the steps run in this order.
TEST(HvLogger, DebugLinesOnlyWhenTurnedOnAndFileOnlyWhenAsked) {
    const QtMessageHandler previous =
        qInstallMessageHandler([](QtMsgType, const QMessageLogContext& context, const QString& m) {
            if (QLatin1String(context.category) == QLatin1String("kx"))
                captured << m;
        });
    HV_DEBUG("quiet");
    EXPECT_TRUE(captured.isEmpty()) << "ordinary use writes nothing";

    HvAction::setLoggerDebugLevel();
    const int line = __LINE__ + 1;
    HV_DEBUG("loud");
    EXPECT_EQ(captured, QStringList{QStringLiteral("HvLoggerTest.cpp:%1 loud").arg(line)});

    HvAction::setLoggerHasFile(true);
    HV_DEBUG("into the file");
    HV_WARNING("a warning");
    HvAction::setLoggerHasFile(false);
    HV_DEBUG("not into the file");
    qInstallMessageHandler(previous);

    QFile file(HvLogger::logFilePath());
    EXPECT_TRUE(
        file.fileName().startsWith(qEnvironmentVariable("XDG_STATE_HOME") + "/com.vlak.KxOption/"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray content = file.readAll();
    EXPECT_TRUE(content.contains("debug HvLoggerTest.cpp:"));
    EXPECT_TRUE(content.contains("warning HvLoggerTest.cpp:"));
    EXPECT_FALSE(content.contains("not into the file"));
    EXPECT_FALSE(content.contains("quiet"));
}

} // namespace
