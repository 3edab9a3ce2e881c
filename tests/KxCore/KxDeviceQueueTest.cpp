#include "KxDeviceQueue.h"
#include "EventLoopWait.h"
#include "HeldWorker.h"
#include "KxAction.h"

#include <QCoreApplication>
#include <QObject>
#include <QThread>

#include <gtest/gtest.h>

#include <atomic>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

namespace {

using Outcome = KxDeviceQueue::Outcome;

class DeviceQueueTest : public ::testing::Test {
protected:
    KxDeviceQueue::Request request(const QString& name, const QString& key = {},
                                   bool reaches = true) {
        KxDeviceQueue::Request r;
        r.name = name;
        r.coalesceKey = key;
        r.body = [this, name, reaches] {
            std::lock_guard lock(ranMutex);
            ranNames.push_back(name);
            threads.push_back(std::this_thread::get_id());
            return reaches;
        };
        r.receiver = &receiver;
        r.done = [this, name](Outcome outcome) {
            outcomes.emplace_back(name, outcome);
            doneThreads.push_back(QThread::currentThread());
        };
        return r;
    }

    std::vector<QString> ran() {
        std::lock_guard lock(ranMutex);
        return ranNames;
    }

    KxDeviceQueue queue;
    QObject receiver;
    // What ran on the worker, in order, and on which thread.
    std::mutex ranMutex;
    std::vector<QString> ranNames;
    std::vector<std::thread::id> threads;
    std::vector<std::pair<QString, Outcome>> outcomes;
    std::vector<QThread*> doneThreads;
};

TEST_F(DeviceQueueTest, RequestsRunInOrderOffTheCallersThreadAndReportOnIt) {
    queue.post(request("profile"));
    queue.post(request("dpi", {}, false));
    queue.post(request("rate"));
    ASSERT_TRUE(queue.waitUntilIdle(5000));
    EXPECT_EQ(ran(), (std::vector<QString>{"profile", "dpi", "rate"}));
    for (std::thread::id id : threads)
        EXPECT_NE(id, std::this_thread::get_id()) << "a request ran on the caller's thread";
    EXPECT_FALSE(queue.onWorker());

    ASSERT_TRUE(KxTest::waitFor([this] { return outcomes.size() == 3; }));
    EXPECT_EQ(outcomes[0], std::make_pair(QString("profile"), Outcome::Reached));
    EXPECT_EQ(outcomes[1], std::make_pair(QString("dpi"), Outcome::Failed));
    EXPECT_EQ(outcomes[2], std::make_pair(QString("rate"), Outcome::Reached));
    for (QThread* thread : doneThreads)
        EXPECT_EQ(thread, QThread::currentThread());
}

// A slider dragged over four stages while a write is on the wire: the last stage is sent once,
// the steps between are told they were superseded.
TEST_F(DeviceQueueTest, KeyedRequestsWaitingAtTheTailAreReplacedByTheLatest) {
    HeldWorker held(queue);
    for (const char* stage : {"stage 1", "stage 2", "stage 3", "stage 4"})
        queue.post(request(stage, "dpi"));
    EXPECT_EQ(queue.busyCount(), 2); // the held request and one stage
    EXPECT_FALSE(queue.waitUntilIdle(20)) << "a wait for idle ends after its time";
    held.release();
    ASSERT_TRUE(queue.waitUntilIdle(5000));
    EXPECT_EQ(queue.busyCount(), 0);
    EXPECT_EQ(ran(), (std::vector<QString>{"stage 4"}));
    ASSERT_TRUE(KxTest::waitFor([this] { return outcomes.size() == 4; }));
    EXPECT_EQ(outcomes.back(), std::make_pair(QString("stage 4"), Outcome::Reached));
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(outcomes[i].second, Outcome::Superseded) << outcomes[i].first.toStdString();
}

// Coalescing never reorders: a keyed request behind another request is queued anew, and
// requests of other keys or none are never replaced.
TEST_F(DeviceQueueTest, OnlyTheLastQueuedRequestIsReplacedSoNothingOvertakes) {
    HeldWorker held(queue);
    queue.post(request("rate 500", "rate"));
    queue.post(request("apply"));
    queue.post(request("rate 1000", "rate"));
    queue.post(request("wheel light", "light"));
    queue.post(request("rate 125", "rate"));
    held.release();
    ASSERT_TRUE(queue.waitUntilIdle(5000));
    EXPECT_EQ(ran(),
              (std::vector<QString>{"rate 500", "apply", "rate 1000", "wheel light", "rate 125"}));
}

// A stuck mouse and a user clicking on: the queue stays bounded and says so, while a transfer
// the loading window waits for is still queued.
TEST_F(DeviceQueueTest, AFullQueueRefusesLiveRequestsButNeverATransfer) {
    HeldWorker held(queue);
    for (int i = 0; i < KxDeviceQueue::kCapacity; ++i)
        EXPECT_TRUE(queue.post(request(QStringLiteral("click %1").arg(i))));
    EXPECT_FALSE(queue.post(request("one too many")));
    KxDeviceQueue::Request transfer = request("apply");
    transfer.neverRefused = true;
    EXPECT_TRUE(queue.post(std::move(transfer)));
    held.release();
    ASSERT_TRUE(queue.waitUntilIdle(10000));
    const std::vector<QString> done = ran();
    ASSERT_EQ(done.size(), size_t(KxDeviceQueue::kCapacity) + 1);
    EXPECT_EQ(done.back(), "apply");
    ASSERT_TRUE(KxTest::waitFor(
        [this] { return outcomes.size() == size_t(KxDeviceQueue::kCapacity) + 2; }));
    EXPECT_EQ(outcomes.front(), std::make_pair(QString("one too many"), Outcome::Refused));
}

// A view closed while its write is on the wire: the write finishes, nobody is called.
TEST_F(DeviceQueueTest, AReceiverGoneBeforeTheEndHearsNothing) {
    HeldWorker held(queue);
    auto view = std::make_unique<QObject>();
    std::atomic<bool> heard = false;
    KxDeviceQueue::Request r = request("ok");
    r.receiver = view.get();
    r.done = [&heard](Outcome) { heard = true; };
    queue.post(std::move(r));
    view.reset();
    held.release();
    ASSERT_TRUE(queue.waitUntilIdle(5000));
    QCoreApplication::sendPostedEvents(); // the outcome was posted before the queue went idle
    EXPECT_FALSE(heard);
    EXPECT_EQ(ran(), (std::vector<QString>{"ok"}));
}

// The trace's view of the worker: each request that ran, with its outcome, and the pauses inside
// it; a request replaced before it ran was never on the wire and is not told. Nothing is told
// once the observers are cleared, and a pause still sleeps while it is observed.
TEST_F(DeviceQueueTest, ASpanSinkSeesWhatRanAndThePausesInsideIt) {
    struct Seen {
        QString name;
        int64_t startNs, endNs;
        Outcome outcome;
    };
    std::mutex mutex;
    std::vector<Seen> spans;
    std::vector<std::pair<int64_t, int64_t>> pauses;
    KxDeviceQueue::setSpanSink(
        [&](const QString& name, int64_t startNs, int64_t endNs, Outcome outcome) {
            std::lock_guard lock(mutex);
            spans.push_back({name, startNs, endNs, outcome});
        });
    KxAction::setPauseObserver([&](int64_t startNs, int64_t endNs) {
        std::lock_guard lock(mutex);
        pauses.emplace_back(startNs, endNs);
    });
    HeldWorker held(queue);
    queue.post(request("stage 1", "dpi"));
    KxDeviceQueue::Request paused = request("stage 2", "dpi", false);
    paused.body = [] {
        KxAction::pause(2000);
        KxAction::pause(2000);
        return false;
    };
    queue.post(std::move(paused));
    held.release();
    ASSERT_TRUE(queue.waitUntilIdle(5000));
    KxDeviceQueue::setSpanSink({});
    KxAction::setPauseObserver({});
    queue.post(request("after"));
    KxAction::pause(10);
    ASSERT_TRUE(queue.waitUntilIdle(5000));

    std::lock_guard lock(mutex);
    ASSERT_EQ(spans.size(), 2u);
    EXPECT_EQ(spans[0].name, HeldWorker::kName);
    EXPECT_EQ(spans[1].name, "stage 2");
    EXPECT_EQ(spans[1].outcome, Outcome::Failed);
    EXPECT_LE(spans[0].endNs, spans[1].startNs);
    ASSERT_EQ(pauses.size(), 2u);
    for (const auto& [startNs, endNs] : pauses) {
        EXPECT_GE(startNs, spans[1].startNs);
        EXPECT_LE(endNs, spans[1].endNs);
        EXPECT_GE(endNs - startNs, 2'000'000) << "the pause slept";
    }
    EXPECT_LE(pauses[0].second, pauses[1].first);
}

} // namespace
