// The report hook's cost while the mouse sends 1000 input reports a second, in percent of one
// core: CPU time of the thread that runs the loader over the wall time of the stream, reports
// travelling all the way to a subscribed client. Once through hidraw (a umockdev testbed node
// that a writer thread feeds, so the benchmark runs itself under umockdev-wrapper), once from
// kx-virtual-mouse over its socket.
#include "BenchSupport.h"
#include "KestrixDriverLoader.h"

#include "Linux/HidrawNodeSource.h"
#include "Virtual/VirtualHidNodeSource.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QProcess>
#include <QTimer>

#include <umockdev.h>

#include <atomic>
#include <cstdio>
#include <ctime>
#include <functional>
#include <thread>

#include <unistd.h>

namespace {

constexpr int kHz = 1000;
constexpr int kSeconds = 3;
constexpr int kReports = kHz * kSeconds;
constexpr size_t kReportSize = 8;

double threadCpuSeconds() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return double(now.tv_sec) + now.tv_nsec / 1e9;
}

// Subscribes to every instance published and counts the report messages; quits the loop when
// the last one came.
class Client {
public:
    Client(DriverRegistry& registry, QEventLoop& loop) : registry_(registry), loop_(loop) {
        token_ = registry.addPublishNotification(
            com_vlak_driver_KestrixDriver::kClassName,
            [this](const std::shared_ptr<DriverService>& service) {
                subscriptions_.push_back(
                    service->addInterestNotification(&Client::onMessage, this));
            });
    }
    ~Client() { registry_.removePublishNotification(token_); }
    int reports() const { return reports_; }

private:
    static void onMessage(void* self, DriverService*, uint32_t type, void*, size_t) {
        auto* client = static_cast<Client*>(self);
        if (type == com_vlak_driver_KestrixDriver::kReportMessage && ++client->reports_ == kReports)
            client->loop_.quit();
    }

    DriverRegistry& registry_;
    QEventLoop& loop_;
    DriverRegistry::Token token_ = 0;
    std::vector<std::unique_ptr<InterestNotification>> subscriptions_;
    int reports_ = 0;
};

struct Run {
    double cpuPercent = 0;
    int reports = 0;
};

// Runs the loop until every report has come or the stream is long over, measuring.
Run measure(QEventLoop& loop, const std::function<int()>& delivered) {
    QTimer::singleShot((kSeconds + 5) * 1000, &loop, &QEventLoop::quit);
    QElapsedTimer wall;
    wall.start();
    const double cpu = threadCpuSeconds();
    loop.exec();
    return {100.0 * (threadCpuSeconds() - cpu) / (wall.nsecsElapsed() / 1e9), delivered()};
}

bool hidrawRun(Run* run) {
    UMockdevTestbed* testbed = umockdev_testbed_new();
    const char* mouse = "P: /devices/1-1\nE: SUBSYSTEM=usb\nE: DEVTYPE=usb_device\n"
                        "A: idVendor=04f2\nA: idProduct=1106\n\n"
                        "P: /devices/1-1/1-1:1.0\nE: SUBSYSTEM=usb\nE: DEVTYPE=usb_interface\n"
                        "A: bInterfaceNumber=00\n\n"
                        "P: /devices/1-1/1-1:1.0/hid0\nE: SUBSYSTEM=hid\n"
                        "E: HID_ID=0003:000004F2:00001106\n\n"
                        "P: /devices/1-1/1-1:1.0/hid0/hidraw0\nE: SUBSYSTEM=hidraw\n"
                        "E: DEVNAME=/dev/hidraw0\nN: hidraw0\nA: dev=241:0\n\n";
    bool ok = umockdev_testbed_add_from_string(testbed, mouse, nullptr);
    {
        QEventLoop loop;
        DriverRegistry registry;
        Client client(registry, loop);
        // The testbed's node is a pseudo-terminal, which keeps no report boundaries: reports that
        // queue up while the node is read in batches come out of one read. So they are counted
        // by their bytes as the source hands them on.
        auto hidraw = std::make_unique<HidrawNodeSource>();
        size_t bytes = 0;
        QObject::connect(hidraw.get(), &HidNodeSource::inputReport,
                         [&](quint64, const uint8_t*, size_t length) {
                             bytes += length;
                             if (bytes >= size_t(kReports) * kReportSize)
                                 loop.quit();
                         });
        std::vector<std::unique_ptr<HidNodeSource>> sources;
        sources.push_back(std::move(hidraw));
        KestrixDriverLoader loader(std::move(sources), registry);
        ok = ok && loader.start() == 0 && loader.instances().size() == 1;
        if (ok) {
            const int device = umockdev_testbed_get_dev_fd(testbed, "/dev/hidraw0");
            std::thread writer([device] {
                const uint8_t report[kReportSize] = {1, 0, 1, 0, 0, 0, 0, 0};
                timespec next{};
                clock_gettime(CLOCK_MONOTONIC, &next);
                for (int i = 0; i < kReports; ++i) {
                    next.tv_nsec += 1000000000 / kHz;
                    if (next.tv_nsec >= 1000000000) {
                        next.tv_nsec -= 1000000000;
                        ++next.tv_sec;
                    }
                    clock_nanosleep(CLOCK_MONOTONIC, TIMER_ABSTIME, &next, nullptr);
                    if (::write(device, report, sizeof report) != sizeof report)
                        return;
                }
            });
            *run = measure(loop, [&] { return int(bytes / kReportSize); });
            writer.join();
        }
    }
    g_object_unref(testbed);
    return ok;
}

bool emulatedRun(Run* run) {
    KxBench::EmulatedMouseProcess server;
    if (!server.isRunning())
        return false;
    QEventLoop loop;
    DriverRegistry registry;
    Client client(registry, loop);
    std::vector<std::unique_ptr<HidNodeSource>> sources;
    sources.push_back(std::make_unique<VirtualHidNodeSource>());
    KestrixDriverLoader loader(std::move(sources), registry);
    if (loader.start() != 0 || loader.instances().size() != 2)
        return false;
    // The command returns at once; the server streams on its own. Its answer is not a figure.
    QProcess command;
    command.setStandardOutputFile(QProcess::nullDevice());
    command.start(
        QStringLiteral(KX_VIRTUAL_MOUSE_PATH),
        {QStringLiteral("stream-motion"), QString::number(kHz), QString::number(kSeconds)});
    if (!command.waitForFinished() || command.exitCode() != 0)
        return false;
    *run = measure(loop, [&] { return client.reports(); });
    return true;
}

} // namespace

int main(int argc, char** argv) {
    // The hidraw run needs the testbed's mocked /sys and /dev: run once more under the wrapper.
    const bool wrapped = qEnvironmentVariableIsSet("KX_BENCH_UNDER_UMOCKDEV");
    if (!wrapped) {
        qputenv("KX_BENCH_UNDER_UMOCKDEV", "1");
        char* command[] = {const_cast<char*>(UMOCKDEV_WRAPPER_PATH), argv[0], nullptr};
        ::execv(UMOCKDEV_WRAPPER_PATH, command);
        std::fprintf(stderr, "bench: cannot run under %s; hidraw is not measured\n",
                     UMOCKDEV_WRAPPER_PATH);
    }
    QCoreApplication app(argc, argv);
    int status = 0;
    Run run;
    if (wrapped && hidrawRun(&run)) {
        KxBench::report("report_hook_hidraw_cpu_percent_at_1000hz", run.cpuPercent);
        KxBench::report("report_hook_hidraw_delivered_ratio", double(run.reports) / kReports);
    } else {
        std::fprintf(stderr, "bench: the hidraw run could not be made\n");
        status = 1;
    }
    if (emulatedRun(&run)) {
        // The hook asks the emulated mouse for its own buttons' reports only: the motion stream
        // should cost it nothing and reach it not at all (1: every motion report kept away).
        KxBench::report("report_hook_emulated_cpu_percent_during_1000hz_motion", run.cpuPercent);
        KxBench::report("report_hook_emulated_motion_kept_away_ratio",
                        1.0 - double(run.reports) / kReports);
    } else {
        std::fprintf(stderr, "bench: the emulated run could not be made\n");
        status = 1;
    }
    return status;
}
