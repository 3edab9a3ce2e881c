#pragma once

#include <QObject>
#include <QSocketNotifier>
#include <QTimer>

#include <chrono>
#include <cstddef>
#include <functional>
#include <optional>

// Watches a non-blocking descriptor for reading and calls a drain function that takes all that
// is waiting, like a QSocketNotifier does, but reads a descriptor that streams in batches.
//
// A mouse that moves sends a report every millisecond; waking once per report costs far more in
// poll and context switches than reading the report does. So when a descriptor delivers records
// close together (two wakeups within kStreamingGap, or one drain that found several), it is left
// unwatched for kPause and whatever queued up meanwhile is then read in one go, in order. It stays
// in that rhythm while records keep coming at that pace; after a pause that brought fewer, the
// descriptor is watched again at once, so a lone record (a button) is read as soon as it comes.
// Only a single-shot timer runs, and only while the descriptor streams: an idle one costs nothing.
//
// End of stream and read errors reach the drain function at the next read, so while paused
// they are seen at most kPause late. The drain function may stop() or destroy this object.
class CoalescingReadNotifier : public QObject {
    Q_OBJECT
public:
    // Reads everything waiting on the descriptor (until EAGAIN) and returns how many records it
    // found: reports or frames; where the descriptor keeps no boundaries, the number of reads
    // that brought bytes.
    using Drain = std::function<size_t()>;

    // 16 ms is 16 reports of a mouse at 1000 Hz, its fastest rate: hidraw queues 64 per reader,
    // and a cursor moved by the kernel's own driver is unaffected, as only this reader's copy
    // waits. Each wake-up costs tens of microseconds in poll and context switches on a busy
    // desktop; at 16 ms the stream costs about 60 of them a second.
    static constexpr std::chrono::milliseconds kPause{16};
    // Reports less than 5 ms apart (above 200 Hz) count as a stream.
    static constexpr std::chrono::microseconds kStreamingGap{5000};
    // A pause keeps going only if it brought as many records as a stream would: more than one
    // per kStreamingGap (4 in 16 ms). Otherwise one bunched delivery would hold a 100 Hz sender
    // in pauses for as long as it sends.
    static constexpr size_t kStreamInAPause = size_t(kPause / kStreamingGap) + 1;

    CoalescingReadNotifier(int fd, Drain drain, QObject* parent = nullptr);
    ~CoalescingReadNotifier() override;

    // Stops watching for good; call before the descriptor closes. Safe inside the drain function.
    void stop();

    // Whether the descriptor is left unwatched for a pause (also while the pause's drain runs).
    bool isPaused() const { return !stopped_ && !notifier_.isEnabled(); }

private:
    void onReadable();
    void onPauseOver();

    QSocketNotifier notifier_;
    QTimer timer_;
    Drain drain_;
    std::optional<std::chrono::steady_clock::time_point> lastRecordAt_;
    bool stopped_ = false;
};
