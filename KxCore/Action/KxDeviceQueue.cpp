#include "KxDeviceQueue.h"

#include "HvLogger.h"
#include "KxMouseLock.h"
#include "QueuedCall.h"
#include "SteadyClock.h"

#include <QObject>

#include <atomic>
#include <chrono>
#include <utility>

namespace {

std::atomic<bool> sinkSet{false};
std::mutex sinkMutex;
KxDeviceQueue::SpanSink& spanSink() {
    static KxDeviceQueue::SpanSink sink;
    return sink;
}

} // namespace

void KxDeviceQueue::setSpanSink(SpanSink sink) {
    std::lock_guard lock(sinkMutex);
    sinkSet.store(static_cast<bool>(sink), std::memory_order_relaxed);
    spanSink() = std::move(sink);
}

KxDeviceQueue& KxDeviceQueue::shared() {
    // Never destroyed: a request may still be on the wire while the program's statics go.
    static KxDeviceQueue* queue = new KxDeviceQueue;
    return *queue;
}

KxDeviceQueue::KxDeviceQueue() : worker_([this] { run(); }) {}

KxDeviceQueue::~KxDeviceQueue() {
    {
        std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    wake_.notify_all();
    worker_.join();
}

bool KxDeviceQueue::post(Request request) {
    std::unique_lock lock(mutex_);
    if (!request.coalesceKey.isEmpty() && !queue_.empty() &&
        queue_.back().request.coalesceKey == request.coalesceKey) {
        Request replaced = std::exchange(queue_.back().request, std::move(request));
        lock.unlock();
        report(replaced, Outcome::Superseded);
        return true;
    }
    if (!request.neverRefused && queue_.size() >= static_cast<size_t>(kCapacity)) {
        lock.unlock();
        HV_WARNING(
            QStringLiteral("The mouse's queue is full: \"%1\" was not sent").arg(request.name));
        report(request, Outcome::Refused);
        return false;
    }
    queue_.push_back({std::move(request), KxMouseLock::path()});
    lock.unlock();
    wake_.notify_one();
    return true;
}

bool KxDeviceQueue::waitUntilIdle(int timeoutMs) {
    std::unique_lock lock(mutex_);
    return idle_.wait_for(lock, std::chrono::milliseconds(timeoutMs),
                          [this] { return queue_.empty() && !running_; });
}

int KxDeviceQueue::busyCount() const {
    std::lock_guard lock(mutex_);
    return static_cast<int>(queue_.size()) + (running_ ? 1 : 0);
}

bool KxDeviceQueue::onWorker() const {
    return std::this_thread::get_id() == worker_.get_id();
}

void KxDeviceQueue::report(Request& request, Outcome outcome) {
    if (!request.done || !request.receiver)
        return;
    // Queued to the receiver's thread; dropped by Qt when the receiver is deleted first.
    KxQueued::post(request.receiver.data(),
                   [done = std::move(request.done), outcome] { done(outcome); });
}

void KxDeviceQueue::run() {
    std::unique_lock lock(mutex_);
    for (;;) {
        wake_.wait(lock, [this] { return stopping_ || !queue_.empty(); });
        if (queue_.empty())
            return; // stopping, nothing left
        Queued next = std::move(queue_.front());
        queue_.pop_front();
        running_ = true;
        lock.unlock();

        const bool traced = sinkSet.load(std::memory_order_relaxed);
        const int64_t startNs = traced ? steadyNs() : 0;
        bool reached = true;
        {
            // kxctl may be at the mouse: the request waits for its turn.
            KxMouseLock turn;
            QString why;
            if (!next.lockPath.isEmpty() && !turn.acquire(next.lockPath, {}, &why))
                HV_WARNING(QStringLiteral("Sending to the mouse without its lock: %1").arg(why));
            if (next.request.body)
                reached = next.request.body();
        }
        const Outcome outcome = reached ? Outcome::Reached : Outcome::Failed;
        if (traced) {
            const int64_t endNs = steadyNs();
            std::lock_guard sinkLock(sinkMutex);
            if (SpanSink& sink = spanSink())
                sink(next.request.name, startNs, endNs, outcome);
        }
        report(next.request, outcome);

        lock.lock();
        running_ = false;
        if (queue_.empty())
            idle_.notify_all();
    }
}
