#pragma once

#include <QtGlobal>

#include <cstddef>
#include <cstdint>

// Counts host requests that come sooner than the mouse can take them: the host must pause 30 ms
// after every feature request and 150 ms after a chunk written into the button records. A gap
// is measured from the arrival of one request to the arrival of the next, with 1 ms of grace.
class RequestPacing {
public:
    static constexpr qint64 kReportPauseMs = 30;
    static constexpr qint64 kRecordPauseMs = 150;
    static constexpr qint64 kToleranceMs = 1;

    // The pause a feature request (report id in byte 0) requires after it.
    static qint64 pauseAfter(bool isSet, const uint8_t* report, size_t length);

    // Notes a request arriving at nowNs (a monotonic clock) that requires pauseMs after it.
    void note(qint64 nowNs, qint64 pauseMs);

    quint64 requests() const { return requests_; }
    quint64 tooClose() const { return tooClose_; }

private:
    quint64 requests_ = 0;
    quint64 tooClose_ = 0;
    qint64 earliestNextNs_ = 0; // valid once a request was seen
};
