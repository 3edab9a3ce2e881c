#pragma once

#include <QPointer>
#include <QString>

#include <condition_variable>
#include <cstdint>
#include <deque>
#include <functional>
#include <mutex>
#include <thread>

class QObject;

// Everything this process sends the mouse, short or long, in one queue served by one worker
// thread. The mouse acknowledges nothing and needs its pauses after each report
// (KxAction::pause sleeps the calling thread), so a caller on the window's thread posts a request
// and carries on; the request runs on the worker in the order it was posted, at the mouse when no
// other program is (KxMouseLock.h), and its outcome is handed back on the receiver's thread.
//
// Live register writes carry a key: a keyed request that finds the last queued request waiting
// with the same key takes its place, so a slider dragged over four stages while a write is on
// the wire sends the last stage once that write is done, never each step. Only the last request
// is replaced, so no request ever overtakes another.
class KxDeviceQueue {
public:
    enum class Outcome : uint8_t {
        Reached,    // every report went across
        Failed,     // a report did not go across (the rest was not sent)
        Superseded, // a later request with the same key took its place; nothing was sent
        Refused,    // the queue was full; nothing was sent
    };

    struct Request {
        QString name;        // what it does, for the log and the trace ("DPI stage", "Apply")
        QString coalesceKey; // empty: never replaced
        // Runs on the worker; true when the mouse was reached.
        std::function<bool()> body;
        // Called with the outcome on the receiver's thread, unless the receiver is gone by then.
        // Without a receiver the outcome is not reported.
        QPointer<QObject> receiver;
        std::function<void(Outcome)> done;
        // A transfer behind the loading window, which waits for it: queued even when full.
        bool neverRefused = false;
    };

    // Told of each request the worker ran, on the worker, for a trace of the process's time: its
    // name, when it began and ended (steady clock, nanoseconds) and its outcome. One sink per
    // process; an empty one stops it. Costs one relaxed load per request when none is set.
    using SpanSink =
        std::function<void(const QString& name, int64_t startNs, int64_t endNs, Outcome outcome)>;
    static void setSpanSink(SpanSink sink);

    // At most this many requests wait; a slider or a click never comes near it (keyed requests
    // replace each other), a stuck mouse with a user clicking on does.
    static constexpr int kCapacity = 64;

    // The process's queue. Its worker outlives every caller, also at exit.
    static KxDeviceQueue& shared();

    KxDeviceQueue();
    ~KxDeviceQueue();
    KxDeviceQueue(const KxDeviceQueue&) = delete;
    KxDeviceQueue& operator=(const KxDeviceQueue&) = delete;

    // Queues the request; false (and Refused reported) when the queue is full, unless the request
    // is never refused.
    bool post(Request request);
    // Waits until no request is queued or running; false when some still are after timeoutMs.
    bool waitUntilIdle(int timeoutMs);
    // Requests queued or running.
    int busyCount() const;
    // Whether the calling thread is this queue's worker.
    bool onWorker() const;

private:
    struct Queued {
        Request request;
        QString lockPath; // KxMouseLock::path() when it was posted
    };
    void run();
    static void report(Request& request, Outcome outcome);

    mutable std::mutex mutex_;
    std::condition_variable wake_;
    std::condition_variable idle_;
    std::deque<Queued> queue_;
    bool running_ = false;
    bool stopping_ = false;
    std::thread worker_;
};
