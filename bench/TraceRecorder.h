#pragma once

#include <QJsonObject>
#include <QString>
#include <QStringList>
#include <QTimer>

#include <cstdint>
#include <mutex>
#include <thread>
#include <vector>

// A Chrome trace (the JSON chrome://tracing and Perfetto open) of the window's process while
// recording: on the window's track, every stretch the event loop was late for its 1 ms timer
// ("stall") and the slow event deliveries; on the mouse queue's track, each request the worker ran
// and the pauses between its reports (a pause on the window's thread shows on the window's track,
// one on any other thread on a track of its own); on the session's track, the steps a scripted
// session takes.
// The window's thread is the thread that starts the recording. Spans and pauses may come from any
// thread; steps and deliveries come from the window's thread.
class TraceRecorder {
public:
    // Stalls and deliveries shorter than this are not kept as spans (they still count in maxima).
    static constexpr double kKeepMs = 2.0;

    TraceRecorder();
    ~TraceRecorder();
    TraceRecorder(const TraceRecorder&) = delete;
    TraceRecorder& operator=(const TraceRecorder&) = delete;

    // Hooks the device queue and the pauses; the calling thread is the window's.
    void start();
    // Starts the 1 ms timer on the window's thread: stalls count from here on.
    void watchEventLoop();
    // Unhooks and stops the timer; the recording stays for write().
    void stop();

    // A named stretch on the session's track, from begin to end, on the window's thread.
    void beginStep(const QString& name);
    void endStep();

    // One event delivery on the window's thread (the application's notify()), begun and ended
    // in nesting order. A delivery may run a nested event loop (a modal view): then only its part
    // before the loop's first timer tick blocked the window, and only that part is kept.
    void beginDelivery(const char* receiverClass, const QString& receiverName, int eventType);
    void endDelivery();

    // The longest lateness of the 1 ms timer while recording, and how many stalls exceeded ms.
    double maxStallMs() const { return maxStallMs_; }
    int stallsOver(double ms) const;
    // The n longest stalls, each with the step and the longest slow delivery it overlaps.
    QStringList longestStalls(int n) const;

    // Writes {"traceEvents":[...]}; false with the reason when the file cannot be written.
    bool write(const QString& path, QString* error) const;

    static int64_t nowNs();

private:
    enum Track { kWindowTrack = 1, kQueueTrack = 2, kSessionTrack = 3, kOtherTrack = 4 };
    struct Span {
        QString name;
        Track track;
        int64_t startNs;
        int64_t endNs;
        QJsonObject args;
    };
    void tick();
    void add(Span span);

    const int64_t originNs_;
    std::thread::id windowThread_;
    QTimer ticker_;
    uint64_t ticks_ = 0;
    int64_t lastTickNs_ = 0;
    double maxStallMs_ = 0;
    std::vector<double> stallsMs_;
    std::vector<std::pair<QString, int64_t>> openSteps_;
    struct Delivery {
        int64_t startNs;
        uint64_t ticksAtStart;
        const char* receiverClass;
        QString receiverName;
        int eventType;
    };
    void keepDelivery(const Delivery& delivery, int64_t endNs, bool beforeNestedLoop);
    std::vector<Delivery> openDeliveries_;
    mutable std::mutex mutex_; // spans come from the worker too
    std::vector<Span> spans_;
    bool hooked_ = false;
};
