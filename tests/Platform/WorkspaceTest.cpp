// Opening what a path names without blocking on it: the shared regular-file guard, and the
// workspace's start of a desktop entry through it.
#include "Workspace/Workspace.h"
#include "Workspace/RegularFile.h"

#include "CapturedLog.h"
#include "EventLoopWait.h"
#include "PrivateHome.h"

#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QStringList>

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

namespace {

const auto* const kHome = testing::AddGlobalTestEnvironment(new PrivateHome);

QString home(const QString& name) {
    return PrivateHome::dir("home") + "/" + name;
}

void writeFile(const QString& path, const QByteArray& content) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << qPrintable(path);
    file.write(content);
}

QString makeFifo(const QString& name) {
    const QString path = home(name);
    QFile::remove(path);
    EXPECT_EQ(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    return path;
}

TEST(RegularFileTest, ReadsARegularFileAndRefusesEverythingElseWithoutBlocking) {
    writeFile(home("small"), "hello");
    QString why;
    EXPECT_EQ(RegularFile::read(home("small"), 5, &why), QByteArray("hello"));
    EXPECT_EQ(RegularFile::read(home("small"), 4, &why), std::nullopt);
    EXPECT_EQ(why, "is larger than 4 bytes");
    writeFile(home("empty"), "");
    EXPECT_EQ(RegularFile::read(home("empty"), 0), QByteArray(""));

    QElapsedTimer clock;
    clock.start();
    // A FIFO, a device of endless bytes, a folder.
    for (const QString& path : {makeFifo("fifo"), QStringLiteral("/dev/zero"), home("")}) {
        EXPECT_EQ(RegularFile::read(path, 1 << 20, &why), std::nullopt) << qPrintable(path);
        EXPECT_EQ(why, "is not a regular file");
    }
    EXPECT_LT(clock.elapsed(), 1000);

    EXPECT_EQ(RegularFile::read(home("no-such-file"), 10, &why), std::nullopt);
    EXPECT_TRUE(why.startsWith("cannot be opened (")) << why.toStdString();
    // A sparse file is as large as it says, and is not read to find out.
    const QString sparse = home("sparse");
    writeFile(sparse, "");
    ASSERT_EQ(::truncate(QFile::encodeName(sparse).constData(), qint64(1) << 40), 0);
    EXPECT_EQ(RegularFile::read(sparse, 1 << 20, &why), std::nullopt);
    EXPECT_EQ(why, "is larger than 1 MiB");
}

// A desktop entry is started from the bytes the guard read: a FIFO or a device where an entry
// was is refused at once and says so, as is an entry too large to be one; a good one starts.
TEST(WorkspaceTest, ADesktopEntryIsStartedOnlyFromARegularFileOfBoundedSize) {
    const QString marker = home("started");
    const QByteArray entry = "[Desktop Entry]\nType=Application\nName=Marker\nExec=touch " +
                             QFile::encodeName(marker) + "\n";
    writeFile(home("good.desktop"), entry);
    EXPECT_TRUE(Workspace::openFile(home("good.desktop")));
    EXPECT_TRUE(KxTest::waitFor([&] { return QFileInfo::exists(marker); }));
    QFile::remove(marker);

    writeFile(home("large.desktop"),
              entry + "# padding\n" + QByteArray(Workspace::kMaxDesktopEntryBytes, '#'));
    const QString fifo = makeFifo("trap.desktop");
    const CapturedLog log(CapturedLog::kWarnings);
    QElapsedTimer clock;
    clock.start();
    EXPECT_FALSE(Workspace::openFile(fifo));
    EXPECT_FALSE(Workspace::openFile(home("large.desktop")));
    EXPECT_LT(clock.elapsed(), 1000);
    KxTest::spin(300);
    const QStringList warnings = log.lines();
    EXPECT_FALSE(QFileInfo::exists(marker)) << "the large entry was not started";
    ASSERT_EQ(warnings.size(), 2) << log.text();
    EXPECT_EQ(warnings[0], QStringLiteral("cannot open %1: it is not a regular file").arg(fifo));
    EXPECT_EQ(
        warnings[1],
        QStringLiteral("cannot start %1: it is larger than 1 MiB").arg(home("large.desktop")));
}

} // namespace
