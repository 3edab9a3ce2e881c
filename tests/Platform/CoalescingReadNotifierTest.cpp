// Batched reading of a descriptor that streams, on a sequenced-packet socket pair: like a hidraw
// node, it hands out one record per read.
#include "EventLoopWait.h"

#include "Hid/CoalescingReadNotifier.h"
#include "Linux/UniqueFd.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/socket.h>

#include <algorithm>
#include <chrono>
#include <functional>
#include <thread>
#include <vector>

namespace {

class CoalescingReadNotifierTest : public testing::Test {
protected:
    struct Drain {
        size_t records;
        bool paused; // the drain ran at the end of a pause, not on the descriptor's wakeup
    };

    void SetUp() override {
        int pair[2];
        ASSERT_EQ(::socketpair(AF_UNIX, SOCK_SEQPACKET | SOCK_CLOEXEC, 0, pair), 0);
        reader_.reset(pair[0]);
        writer_.reset(pair[1]);
        ASSERT_EQ(::fcntl(reader_.get(), F_SETFL, O_NONBLOCK), 0);
        notifier_ =
            std::make_unique<CoalescingReadNotifier>(reader_.get(), [this] { return drain(); });
    }

    // Reads every record waiting, as a report source does; end of stream stops the notifier,
    // as a source retires its node.
    size_t drain() {
        const bool paused = notifier_->isPaused();
        size_t records = 0;
        for (;;) {
            uint32_t value = 0;
            const ssize_t n = ::read(reader_.get(), &value, sizeof value);
            if (n > 0) {
                received_.push_back(value);
                ++records;
                continue;
            }
            if (n == 0) {
                ++ends_;
                notifier_->stop();
            }
            break;
        }
        drains_.push_back({records, paused});
        if (onDrain_)
            onDrain_();
        return records;
    }

    void send(uint32_t value) { ASSERT_EQ(::write(writer_.get(), &value, sizeof value), 4); }
    bool receivedCount(size_t count) {
        return KxTest::waitFor([&] { return received_.size() >= count; });
    }
    // The drain that read record number index.
    Drain drainOf(size_t index) const {
        size_t seen = 0;
        for (const Drain& d : drains_) {
            seen += d.records;
            if (seen > index)
                return d;
        }
        return {0, false};
    }

    UniqueFd reader_, writer_;
    std::unique_ptr<CoalescingReadNotifier> notifier_;
    std::vector<uint32_t> received_;
    std::vector<Drain> drains_;
    std::function<void()> onDrain_;
    int ends_ = 0;
};

// hidraw keeps 64 reports per reader and drops the oldest beyond: at 1000 Hz a pause must end
// well inside 64 ms. Batch sizes are what the pause lets queue; their median stays far below the
// queue even on a loaded machine, where a pause ten times as long would fill it.
TEST_F(CoalescingReadNotifierTest, AStreamAt1000HzIsDrainedWellBeforeTheKernelsQueueFills) {
    constexpr uint32_t kStreamed = 600;
    // From another thread, one record a millisecond, as a device would send them.
    std::thread device([fd = writer_.get()] {
        auto next = std::chrono::steady_clock::now();
        for (uint32_t i = 0; i < kStreamed; ++i) {
            std::this_thread::sleep_until(next += std::chrono::milliseconds(1));
            if (::write(fd, &i, sizeof i) != sizeof i)
                return;
        }
    });
    const bool all = receivedCount(kStreamed);
    device.join();
    ASSERT_TRUE(all) << received_.size();
    for (uint32_t i = 0; i < kStreamed; ++i)
        ASSERT_EQ(received_[i], i);
    std::vector<size_t> batches;
    size_t afterPause = 0;
    for (const Drain& d : drains_) {
        if (d.records > 0)
            batches.push_back(d.records);
        afterPause += d.records > 0 && d.paused;
    }
    // Woken once per record this would be about 600 reads.
    EXPECT_LT(batches.size(), kStreamed / 3);
    EXPECT_GT(afterPause, 0u);
    ASSERT_GT(batches.size(), 2u);
    std::nth_element(batches.begin(), batches.begin() + long(batches.size() / 2), batches.end());
    EXPECT_LE(batches[batches.size() / 2], 40u) << "median records per read";

    // The stream is over: after one empty pause the descriptor is watched again.
    ASSERT_TRUE(KxTest::waitFor([&] { return !notifier_->isPaused(); }, 1000));
    KxTest::spin(20);
    send(kStreamed);
    ASSERT_TRUE(receivedCount(kStreamed + 1));
    EXPECT_FALSE(drainOf(kStreamed).paused);
}

// Records 10 ms apart are no stream: each is read on its own wake-up, never held by a pause.
// Each is sent 10 ms after the one before was read, so a busy machine cannot bunch them up.
TEST_F(CoalescingReadNotifierTest, LoneRecordsAShortGapApartAreEachReadAtOnce) {
    constexpr uint32_t kLone = 12;
    for (uint32_t i = 0; i < kLone; ++i) {
        send(i);
        ASSERT_TRUE(receivedCount(i + 1));
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    for (size_t i = 0; i < kLone; ++i)
        EXPECT_FALSE(drainOf(i).paused) << "record " << i;
}

// Two records found by one read (both waiting before the event loop runs, after a long quiet)
// start a pause. A pause that brings fewer records than a stream would (a 100 Hz burst, or two
// reports that a busy machine delivered together) ends the rhythm: the next is read when it comes.
TEST_F(CoalescingReadNotifierTest, TwoRecordsAtOnceStartAPauseThatEndsTheStreamIfItBringsFew) {
    onDrain_ = [this] {
        if (drains_.size() == 1)
            send(3); // arrives while the pause runs
    };
    send(1);
    send(2);
    ASSERT_TRUE(receivedCount(3));
    ASSERT_EQ(drains_.size(), 2u);
    EXPECT_EQ(drains_[0].records, 2u);
    EXPECT_TRUE(drains_[1].paused) << "two at once are a stream";
    EXPECT_FALSE(notifier_->isPaused()) << "one record in a pause is no stream";
    send(4);
    ASSERT_TRUE(receivedCount(4));
    EXPECT_FALSE(drainOf(3).paused);
}

TEST_F(CoalescingReadNotifierTest, AnEndDuringAPauseIsSeenOnceWhenThePauseIsOver) {
    // Three records in one read make a stream; the device then goes away while the pause runs.
    onDrain_ = [this] {
        if (drains_.size() == 1)
            writer_.reset();
    };
    for (uint32_t i = 0; i < 3; ++i)
        send(i);
    ASSERT_TRUE(KxTest::waitFor([&] { return ends_ > 0; }, 1000));
    KxTest::spin(40);
    EXPECT_EQ(ends_, 1);
    ASSERT_EQ(drains_.size(), 2u);
    EXPECT_EQ(drains_[0].records, 3u);
    EXPECT_TRUE(drains_[1].paused); // the end was read when the pause was over
    EXPECT_EQ(received_, (std::vector<uint32_t>{0, 1, 2}));
}

} // namespace
