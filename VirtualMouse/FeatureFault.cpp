#include "FeatureFault.h"

namespace {
QString ordinal(int n) {
    const int lastTwo = n % 100;
    const char* suffix = "th";
    if (lastTwo < 11 || lastTwo > 13) {
        switch (n % 10) {
        case 1:
            suffix = "st";
            break;
        case 2:
            suffix = "nd";
            break;
        case 3:
            suffix = "rd";
            break;
        default:
            break;
        }
    }
    return QString::number(n) + QLatin1String(suffix);
}
} // namespace

const char* FeatureFault::kindName(Kind kind) {
    switch (kind) {
    case Kind::Short:
        return "short";
    case Kind::Stall:
        return "stall";
    case Kind::Silent:
        return "silent";
    case Kind::Unplug:
        return "unplug";
    }
    return "?";
}

const char* FeatureFault::onName(On on) {
    switch (on) {
    case On::Read:
        return "read";
    case On::Write:
        return "write";
    case On::Any:
        return "any";
    }
    return "?";
}

QString FeatureFault::describe() const {
    const QString request = on == On::Read    ? QStringLiteral("read")
                            : on == On::Write ? QStringLiteral("write")
                                              : QStringLiteral("feature request (read or write)");
    const QString which = at == 1 ? QStringLiteral("the next %1").arg(request)
                                  : QStringLiteral("the %1 %2 from now").arg(ordinal(at), request);
    return QStringLiteral("%1 at %2").arg(QLatin1String(kindName(kind)), which);
}

bool FeatureFaultPlan::arm(const FeatureFault& fault) {
    if (!fault.isValid())
        return false;
    armed_ = fault;
    return true;
}

std::optional<FeatureFault::Kind> FeatureFaultPlan::take(bool isSet) {
    if (!armed_ || !armed_->counts(isSet))
        return std::nullopt;
    if (--armed_->at > 0)
        return std::nullopt;
    const FeatureFault::Kind kind = armed_->kind;
    armed_.reset();
    return kind;
}

QString FeatureFaultPlan::describe() const {
    return armed_ ? armed_->describe() : QStringLiteral("none");
}
