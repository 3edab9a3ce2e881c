#pragma once

#include <QProcess>
#include <QString>

#include "EventLoopWait.h"
#include "Linux/UniqueFd.h"

#include <functional>
#include <optional>
#include <vector>

// Helpers shared by the benchmarks: medians, printing "name: value" lines, and an emulated
// mouse server started for the run. Waiting on the event loop is the tests' KxTest::waitFor.
namespace KxBench {

double median(std::vector<double> values);

// Prints one figure as "name: value" (ratios are named *_ratio).
void report(const char* name, double value, const char* unit = "");

// Sends this process's standard output to /dev/null while it lives (the device library's
// diagnostic lines would mix with the figures).
class QuietStdout {
public:
    QuietStdout();
    ~QuietStdout();

private:
    UniqueFd saved_;
};

// What /proc tells of a running process: the context switches of all its threads (each a
// wake-up), its resident memory, and the CPU time of all its threads (the scheduler's own
// nanosecond count: tick-based times are too coarse for a fraction of a percent).
long long contextSwitches(qint64 pid);
double residentMiB(qint64 pid);
double cpuSeconds(qint64 pid);

// Sends one command line to the emulated mouse, as its command-line client does: its answer,
// or none when it failed.
std::optional<QString> mouseCommand(const QString& line);

// Starts the device requester and waits for the emulated mouse; false (with a line on standard
// error) when it does not appear.
bool listenToTheEmulatedMouse();

// kx-virtual-mouse serving in the background for the life of this object.
class EmulatedMouseProcess {
public:
    EmulatedMouseProcess();
    ~EmulatedMouseProcess();
    bool isRunning() const { return started_; }

private:
    QProcess process_;
    bool started_ = false;
};

} // namespace KxBench
