#pragma once

#include "Notifications/DistributedNotificationCenter.h"

#include <QByteArray>
#include <QProcess>
#include <QRegularExpression>
#include <QString>
#include <QStringList>
#include <QVariantMap>

#include <array>
#include <vector>

// The programs as a user runs them, beside the test: each ends with the test (and with the
// test's process, should that die first), and what it writes is kept.
class Program {
public:
    // A run to its end: the exit code (-1 for a crash or no end in time) and what it wrote.
    struct Ran {
        int exit = -1;
        QString out;
        QString err;
    };

    explicit Program(QString path) : path_(std::move(path)) {}
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;
    virtual ~Program() { stop(); }

    // Its errors go to the file instead, a log that errors() and says() read (before start).
    void logErrorsTo(const QString& file);
    bool start(const QStringList& arguments = {},
               const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment());
    // Waits for its end, killing it after the time.
    Ran finish(int ms);
    // Asked to end (SIGTERM), then as finish().
    Ran stop(int ms = 5000);
    // The program run to its end.
    static Ran
    run(const QString& path, const QStringList& arguments = {}, int ms = 30000,
        const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment());

    // Whether it writes the text, or a match of the pattern, on its output or its errors within
    // the time, while it runs.
    bool says(const QString& text, int ms = 10000);
    bool says(const QRegularExpression& pattern, int ms = 10000);
    // What it has written; forget() starts both again from what comes next.
    const QString& output();
    const QString& errors();
    void forget();

    QProcess process;

private:
    void read();

    QString path_;
    QString log_;
    qint64 logRead_ = 0;
    QString output_;
    QString errors_;
};

// kx-virtual-mouse serving the emulated mouse, and its commands.
class MouseProgram : public Program {
public:
    MouseProgram() : Program(QStringLiteral(KX_VIRTUAL_MOUSE_PATH)) {}
    // Serving once it says so: plugged, or waiting for a "plug".
    bool serve(bool plugged = true);
    // Its flash, kept between runs: without it the mouse starts as it leaves the factory.
    static QString flashPath();
    // A command ("press dpi", "unplug", "fault --on write --at 3 unplug", "status") run to its
    // end, which is a success: what it printed.
    static QString command(const QString& line);
    static QString dump() { return command(QStringLiteral("dump")); }
};

// What the mouse's dump says: the stage (1 to 4), the active profile (1 to 5) and the rate it runs,
// its stored block (addresses 5 to 11), the record of a button (profile and button from 1), all 25
// records; and a count of its status ("reads another connection broke into"). 0 or empty where it
// says nothing.
namespace MouseDump {
int stage(const QString& dump);
int activeProfile(const QString& dump);
int rateHz(const QString& dump);
QByteArray storedBlock(const QString& dump);
QByteArray record(const QString& dump, int profile, int button);
std::array<std::array<QByteArray, 5>, 5> records(const QString& dump);
int count(const QString& status, const QString& what);
} // namespace MouseDump

// KestrixDeamon.
class DaemonProgram : public Program {
public:
    DaemonProgram() : Program(QStringLiteral(KX_DAEMON_PATH)) {}
    // Started, and serving once it says so; false when it ends instead (its errors say why).
    bool serve(const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment());
};

// The daemon's word of the mouse on the bus ("KxDevStatus"): each one's values, heard while this
// lives.
class DevStatuses {
public:
    DevStatuses();
    ~DevStatuses();
    std::vector<int> types() const;
    int count(int type) const;
    // Whether at least that many were heard, or one of the type, within the time.
    bool waitFor(size_t count, int ms = 5000);
    bool waitForType(int type, int ms = 5000);

    std::vector<QVariantMap> heard;

private:
    DistributedNotificationCenter::Token token_ = 0;
};
