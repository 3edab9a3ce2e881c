#include "Hid/CoalescingReadNotifier.h"

#include <QPointer>

CoalescingReadNotifier::CoalescingReadNotifier(int fd, Drain drain, QObject* parent)
    : QObject(parent), notifier_(fd, QSocketNotifier::Read), drain_(std::move(drain)) {
    timer_.setSingleShot(true);
    timer_.setInterval(kPause);
    timer_.setTimerType(Qt::PreciseTimer);
    connect(&notifier_, &QSocketNotifier::activated, this, &CoalescingReadNotifier::onReadable);
    connect(&timer_, &QTimer::timeout, this, &CoalescingReadNotifier::onPauseOver);
}

CoalescingReadNotifier::~CoalescingReadNotifier() = default;

void CoalescingReadNotifier::stop() {
    stopped_ = true;
    timer_.stop();
    notifier_.setEnabled(false);
}

void CoalescingReadNotifier::onReadable() {
    const QPointer<CoalescingReadNotifier> alive(this);
    const size_t records = drain_();
    if (!alive || stopped_ || records == 0)
        return;
    const auto now = std::chrono::steady_clock::now();
    const bool streaming = records > 1 || (lastRecordAt_ && now - *lastRecordAt_ < kStreamingGap);
    lastRecordAt_ = now;
    if (streaming) {
        notifier_.setEnabled(false);
        timer_.start();
    }
}

void CoalescingReadNotifier::onPauseOver() {
    const QPointer<CoalescingReadNotifier> alive(this);
    const size_t records = drain_();
    if (!alive || stopped_)
        return;
    if (records >= kStreamInAPause) {
        timer_.start();
        return;
    }
    // A pause that brought no more than a slow sender would (a burst that ended, or two lone
    // reports a busy machine delivered together): the stream is over and the next record,
    // likely a lone one, is read the moment it comes.
    lastRecordAt_.reset();
    notifier_.setEnabled(true);
}
