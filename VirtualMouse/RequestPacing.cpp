#include "RequestPacing.h"

#include "VirtualMouseFirmware.h"

qint64 RequestPacing::pauseAfter(bool isSet, const uint8_t* report, size_t length) {
    using Fw = VirtualMouseFirmware;
    if (!isSet || length < 4 || report[0] != Fw::kWriteReportId)
        return kReportPauseMs;
    const int address = report[1] | report[2] << 8;
    const int end = address + report[3];
    const bool inRecords = address < Fw::kRecordAreaEnd && end > Fw::kRecordBase;
    return inRecords ? kRecordPauseMs : kReportPauseMs;
}

void RequestPacing::note(qint64 nowNs, qint64 pauseMs) {
    if (requests_ > 0 && nowNs < earliestNextNs_ - kToleranceMs * 1000000)
        ++tooClose_;
    ++requests_;
    earliestNextNs_ = nowNs + pauseMs * 1000000;
}
