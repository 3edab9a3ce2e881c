#pragma once

#include <chrono>
#include <cstdint>

// The monotonic clock in nanoseconds, the time base of the traces' spans and the pacing.
inline int64_t steadyNs() {
    return std::chrono::duration_cast<std::chrono::nanoseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}
