#pragma once

#include <QString>

#include <optional>

// A fault of the emulated mouse, for tests of the host's error paths: one feature request (a
// GET_REPORT or SET_REPORT of a feature report) is answered otherwise than by the firmware.
struct FeatureFault {
    // Short: a read brings the report's 4-byte header only. Stall: the request stalls (EPIPE).
    // Silent: it is never answered, and the host's own timeout ends it. Unplug: the mouse is
    // unplugged instead of answering. A write that stalls, stays silent or unplugs changes
    // nothing in the mouse.
    enum class Kind { Short, Stall, Silent, Unplug };
    // The requests the fault counts and hits: reads, writes, or both.
    enum class On { Read, Write, Any };

    static constexpr int kMaxAt = 1000000;

    Kind kind = Kind::Stall;
    On on = On::Read;
    // The request it hits: the Nth of those it counts, from now (1 = the next).
    int at = 1;

    // A short answer exists only for reads, and a fault hits some request from the next on.
    bool isValid() const {
        return at >= 1 && at <= kMaxAt && (kind != Kind::Short || on == On::Read);
    }
    // Whether it counts this request.
    bool counts(bool isSet) const { return on == On::Any || (on == On::Write) == isSet; }

    // The command line's words.
    static const char* kindName(Kind kind);
    static const char* onName(On on);
    // "stall at the next write", "unplug at the 3rd feature request from now (read or write)".
    QString describe() const;

    bool operator==(const FeatureFault&) const = default;
};

// The fault armed in one mouse, counted down by the requests it counts.
class FeatureFaultPlan {
public:
    // Replaces whatever was armed; false (nothing armed) for a fault that is not valid.
    bool arm(const FeatureFault& fault);
    void clear() { armed_.reset(); }
    // Called once for every host feature request, before it is answered: the fault's kind when
    // this request is the one it hits (the fault is then used up), else none.
    std::optional<FeatureFault::Kind> take(bool isSet);
    // The armed fault, its `at` counting the requests still to come; none when nothing is armed.
    const std::optional<FeatureFault>& armed() const { return armed_; }
    // "none", or the armed fault as describe() gives it.
    QString describe() const;

private:
    std::optional<FeatureFault> armed_;
};
