#include "BenchSupport.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QEventLoop>
#include <QFileInfo>
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
