#include "FuzzSupport.h"

#include "KxAction.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLoggingCategory>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>
#include <memory>

namespace KxFuzz {

namespace {

QTemporaryDir* scratch() {
    static QTemporaryDir* dir = [] {
        // KX_FUZZ_SCRATCH (./kx fuzz sets it), else a memory file system, else the temporary
        // folder.
        QString base = qEnvironmentVariable("KX_FUZZ_SCRATCH");
        if (base.isEmpty() && QFileInfo(QStringLiteral("/dev/shm")).isWritable())
            base = QStringLiteral("/dev/shm");
        if (base.isEmpty())
            base = QDir::tempPath();
        auto* made = new QTemporaryDir(base + QStringLiteral("/kx-fuzz-XXXXXX"));
        if (!made->isValid()) {
            std::fprintf(stderr, "kx-fuzz: cannot make a scratch folder in %s\n", qPrintable(base));
            std::abort();
        }
        return made;
    }();
    return dir;
}

void quiet(QtMsgType, const QMessageLogContext&, const QString&) {}

} // namespace

QString folder(const QString& name) {
    const QString path = scratch()->filePath(name);
    if (!QFileInfo(path).isDir() && !QDir().mkpath(path)) {
        std::fprintf(stderr, "kx-fuzz: cannot make %s\n", qPrintable(path));
        std::abort();
    }
    return path;
}

void setUp(int* argc, char*** argv, App app) {
    const std::pair<const char*, const char*> folders[] = {
        {"HOME", "home"},
        {"XDG_CONFIG_HOME", "config"},
        {"XDG_DATA_HOME", "data"},
        {"XDG_STATE_HOME", "state"},
        {"XDG_CACHE_HOME", "cache"},
        {"XDG_RUNTIME_DIR", "runtime"},
    };
    for (const auto& [variable, name] : folders)
        qputenv(variable, folder(QLatin1String(name)).toLocal8Bit());
    QFile::setPermissions(folder(QStringLiteral("runtime")),
                          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    // No system applications folders, no desktop settings of the machine.
    qputenv("XDG_DATA_DIRS", folder(QStringLiteral("system-data")).toLocal8Bit());
    qputenv("XDG_CONFIG_DIRS", folder(QStringLiteral("system-config")).toLocal8Bit());
    qputenv("GSETTINGS_BACKEND", "memory");
    // No session bus: nothing reaches the user's own programs (a target that needs a bus makes a
    // peer connection of its own).
    qputenv("DBUS_SESSION_BUS_ADDRESS",
            (QStringLiteral("unix:path=") + folder(QStringLiteral("runtime")) +
             QStringLiteral("/no-bus"))
                .toLocal8Bit());
    qputenv("QT_QPA_PLATFORM", "offscreen");
    if (qEnvironmentVariable("KX_FUZZ_VERBOSE") != QLatin1String("1"))
        qInstallMessageHandler(quiet);

    // The application object lives for the process; libFuzzer's arguments are its own.
    static int appArgc = 1;
    static char appName[] = "kx-fuzz";
    static char* appArgv[] = {appName, nullptr};
    (void)argc;
    (void)argv;
    if (app == App::Widgets)
        new QApplication(appArgc, appArgv);
    else
        new QCoreApplication(appArgc, appArgv);

    KxAction::setPauseHookForTesting([](unsigned) {});
}

void emptyFolder(const QString& path) {
    QDir dir(path);
    for (const QFileInfo& entry :
         dir.entryInfoList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot)) {
        if (entry.isDir() && !entry.isSymLink())
            QDir(entry.filePath()).removeRecursively();
        else
            QFile::remove(entry.filePath());
    }
}

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        file.write(bytes) != bytes.size()) {
        std::fprintf(stderr, "kx-fuzz: cannot write %s\n", qPrintable(path));
        std::abort();
    }
}

void writeFile(const QString& path, const uint8_t* data, size_t size) {
    writeFile(path, QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size)));
}

QByteArray readFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

void fail(const char* condition, const QString& detail, const char* file, int line) {
    std::fprintf(stderr, "\nkx-fuzz: check failed at %s:%d: %s\n", file, line, condition);
    if (!detail.isEmpty())
        std::fprintf(stderr, "kx-fuzz: %s\n", qPrintable(detail));
    std::fflush(stderr);
    std::abort();
}

} // namespace KxFuzz
