#pragma once

#include <QMetaObject>
#include <QObject>

#include <atomic>
#include <cstdint>
#include <utility>

namespace KxQueued {

// Bumped by every poster, read by every queued call.
inline std::atomic<uint64_t> handOffs{0};

// Runs work on the receiver's thread through Qt's event queue (dropped when the receiver goes
// first). What the posting thread wrote before the call is visible to the work: Qt's queue
// orders the two threads under a lock of its own; the release and acquire here state that order
// where ThreadSanitizer, which does not see inside Debian's uninstrumented Qt, follows it.
template <typename Work>
void post(QObject* receiver, Work&& work) {
    handOffs.fetch_add(1, std::memory_order_release);
    QMetaObject::invokeMethod(
        receiver,
        [work = std::forward<Work>(work)]() mutable {
            handOffs.load(std::memory_order_acquire);
            work();
        },
        Qt::QueuedConnection);
}

} // namespace KxQueued
