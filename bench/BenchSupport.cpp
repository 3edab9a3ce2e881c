#include "BenchSupport.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QLocalSocket>
#include <QTimer>

#include "KxAction.h"
#include "Virtual/VirtualUsbProtocol.h"

#include <algorithm>
#include <cstdio>

#include <fcntl.h>
#include <unistd.h>

namespace KxBench {

double median(std::vector<double> values) {
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    const size_t mid = values.size() / 2;
    return values.size() % 2 ? values[mid] : (values[mid - 1] + values[mid]) / 2;
}

void report(const char* name, double value, const char* unit) {
    if (value >= 1000 || value == static_cast<long long>(value))
        std::printf("%s: %.0f%s%s\n", name, value, *unit ? " " : "", unit);
    else
        std::printf("%s: %.3f%s%s\n", name, value, *unit ? " " : "", unit);
    std::fflush(stdout);
}

QuietStdout::QuietStdout() : saved_(dup(STDOUT_FILENO)) {
    std::fflush(stdout);
    const UniqueFd null(open("/dev/null", O_WRONLY | O_CLOEXEC));
    if (null.isValid())
        dup2(null.get(), STDOUT_FILENO);
}

QuietStdout::~QuietStdout() {
    std::fflush(stdout);
    if (saved_.isValid())
        dup2(saved_.get(), STDOUT_FILENO);
}

long long contextSwitches(qint64 pid) {
    long long total = 0;
    const QDir tasks(QStringLiteral("/proc/%1/task").arg(pid));
    for (const QString& task : tasks.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        QFile status(tasks.filePath(task + QStringLiteral("/status")));
        if (!status.open(QIODevice::ReadOnly))
            continue;
        for (const QByteArray& line : status.readAll().split('\n')) {
            if (line.startsWith("voluntary_ctxt_switches:") ||
                line.startsWith("nonvoluntary_ctxt_switches:"))
                total += line.mid(line.indexOf(':') + 1).trimmed().toLongLong();
        }
    }
    return total;
}

double residentMiB(qint64 pid) {
    QFile status(QStringLiteral("/proc/%1/status").arg(pid));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').first().toDouble() / 1024.0;
    }
    return -1;
}

double cpuSeconds(qint64 pid) {
    double total = 0;
    const QDir tasks(QStringLiteral("/proc/%1/task").arg(pid));
    for (const QString& task : tasks.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        QFile schedstat(tasks.filePath(task + QStringLiteral("/schedstat")));
        if (schedstat.open(QIODevice::ReadOnly))
            total += schedstat.readAll().split(' ').first().toDouble() / 1e9;
    }
    return total;
}

std::optional<QString> mouseCommand(const QString& line) {
    QLocalSocket socket;
    socket.connectToServer(VirtualUsb::socketPath());
    if (!socket.waitForConnected(2000))
        return std::nullopt;
    socket.write(VirtualUsb::encodeFrame(VirtualUsb::FrameType::Command, line.toUtf8()));
    socket.flush();
    QByteArray received;
    while (socket.waitForReadyRead(5000)) {
        received += socket.readAll();
        bool malformed = false;
        if (const auto frame = VirtualUsb::takeFrame(received, &malformed)) {
            if (frame->type != VirtualUsb::FrameType::Text ||
                VirtualUsb::readLe<int32_t>(frame->payload, 0).value_or(-1) != 0)
                return std::nullopt;
            return QString::fromUtf8(frame->payload.mid(4));
        }
        if (malformed)
            return std::nullopt;
    }
    return std::nullopt;
}

bool listenToTheEmulatedMouse() {
    bool present = false;
    {
        QuietStdout quiet; // the requester's lines about every device it sees
        KxAction::startListenDev();
        present = KxTest::waitFor(KxAction::checkListenDev, 5000);
    }
    if (!present)
        std::fprintf(stderr, "bench: the emulated mouse did not appear\n");
    return present;
}

EmulatedMouseProcess::EmulatedMouseProcess() {
    process_.setProgram(QStringLiteral(KX_VIRTUAL_MOUSE_PATH));
    process_.setArguments({QStringLiteral("serve")});
    process_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process_.setStandardOutputFile(QProcess::nullDevice());
    process_.start();
    started_ = process_.waitForStarted(5000) &&
               KxTest::waitFor([] { return QFileInfo::exists(VirtualUsb::socketPath()); }, 5000);
    if (!started_)
        std::fprintf(stderr, "bench: kx-virtual-mouse did not start\n");
}

EmulatedMouseProcess::~EmulatedMouseProcess() {
    process_.terminate();
    if (!process_.waitForFinished(5000))
        process_.kill();
}

} // namespace KxBench
