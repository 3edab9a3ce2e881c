#include "TraceRecorder.h"

#include "KxAction.h"
#include "KxDeviceQueue.h"
#include "SteadyClock.h"

#include <QCoreApplication>
#include <QEvent>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QMetaEnum>
#include <QSaveFile>

#include <algorithm>

namespace {

constexpr int64_t kTickNs = 1'000'000;

QString outcomeName(KxDeviceQueue::Outcome outcome) {
    switch (outcome) {
    case KxDeviceQueue::Outcome::Reached:
        return QStringLiteral("reached");
    case KxDeviceQueue::Outcome::Failed:
        return QStringLiteral("failed");
    case KxDeviceQueue::Outcome::Superseded:
        return QStringLiteral("superseded");
    case KxDeviceQueue::Outcome::Refused:
        return QStringLiteral("refused");
    }
    return {};
}

double ms(int64_t ns) {
    return double(ns) / 1e6;
}

} // namespace

TraceRecorder::TraceRecorder() : originNs_(nowNs()) {
    ticker_.setTimerType(Qt::PreciseTimer);
    ticker_.setInterval(1);
    QObject::connect(&ticker_, &QTimer::timeout, [this] { tick(); });
}

TraceRecorder::~TraceRecorder() {
    stop();
}

int64_t TraceRecorder::nowNs() {
    return steadyNs();
}

void TraceRecorder::start() {
    windowThread_ = std::this_thread::get_id();
    KxDeviceQueue::setSpanSink([this](const QString& name, int64_t startNs, int64_t endNs,
                                      KxDeviceQueue::Outcome outcome) {
        add({name, kQueueTrack, startNs, endNs, {{"outcome", outcomeName(outcome)}}});
    });
    KxAction::setPauseObserver([this](int64_t startNs, int64_t endNs) {
        // A pause on the window's thread blocks it: it shows there, beside the stall it makes.
        const Track track = std::this_thread::get_id() == windowThread_ ? kWindowTrack
                            : KxDeviceQueue::shared().onWorker()        ? kQueueTrack
                                                                        : kOtherTrack;
        add({QStringLiteral("pause"), track, startNs, endNs, {}});
    });
    hooked_ = true;
}

void TraceRecorder::watchEventLoop() {
    lastTickNs_ = nowNs();
    ticker_.start();
}

void TraceRecorder::stop() {
    ticker_.stop();
    if (!hooked_)
        return;
    hooked_ = false;
    KxDeviceQueue::setSpanSink({});
    KxAction::setPauseObserver({});
}

void TraceRecorder::add(Span span) {
    std::lock_guard lock(mutex_);
    spans_.push_back(std::move(span));
}

void TraceRecorder::tick() {
    const int64_t now = nowNs();
    const double lateMs = ms(now - lastTickNs_ - kTickNs);
    if (lateMs > maxStallMs_)
        maxStallMs_ = lateMs;
    if (lateMs >= kKeepMs) {
        stallsMs_.push_back(lateMs);
        add({QStringLiteral("stall"), kWindowTrack, lastTickNs_ + kTickNs, now, {{"ms", lateMs}}});
    }
    // A delivery still open at its first tick runs a nested loop: what ran before it blocked.
    for (const Delivery& open : openDeliveries_)
        if (open.ticksAtStart == ticks_ && now - open.startNs >= int64_t(kKeepMs * 1e6))
            keepDelivery(open, now, true);
    ++ticks_;
    lastTickNs_ = now;
}

void TraceRecorder::beginStep(const QString& name) {
    openSteps_.emplace_back(name, nowNs());
}

void TraceRecorder::endStep() {
    if (openSteps_.empty())
        return;
    auto [name, startNs] = openSteps_.back();
    openSteps_.pop_back();
    add({name, kSessionTrack, startNs, nowNs(), {}});
}

void TraceRecorder::beginDelivery(const char* receiverClass, const QString& receiverName,
                                  int eventType) {
    openDeliveries_.push_back({nowNs(), ticks_, receiverClass, receiverName, eventType});
}

void TraceRecorder::endDelivery() {
    if (openDeliveries_.empty())
        return;
    const Delivery done = openDeliveries_.back();
    openDeliveries_.pop_back();
    const int64_t now = nowNs();
    if (done.ticksAtStart == ticks_ && now - done.startNs >= int64_t(kKeepMs * 1e6))
        keepDelivery(done, now, false);
}

void TraceRecorder::keepDelivery(const Delivery& delivery, int64_t endNs, bool beforeNestedLoop) {
    const char* type =
        QMetaEnum::fromType<QEvent::Type>().valueToKey(static_cast<int>(delivery.eventType));
    QString name = QStringLiteral("%1 to %2")
                       .arg(type ? QString::fromLatin1(type) : QString::number(delivery.eventType),
                            QString::fromLatin1(delivery.receiverClass));
    if (!delivery.receiverName.isEmpty())
        name += QStringLiteral(" \"%1\"").arg(delivery.receiverName);
    QJsonObject args{{"ms", ms(endNs - delivery.startNs)}};
    if (beforeNestedLoop)
        args.insert(QStringLiteral("until"), QStringLiteral("its nested event loop"));
    add({name, kWindowTrack, delivery.startNs, endNs, args});
}

int TraceRecorder::stallsOver(double limitMs) const {
    return int(std::count_if(stallsMs_.begin(), stallsMs_.end(),
                             [limitMs](double stall) { return stall > limitMs; }));
}

QStringList TraceRecorder::longestStalls(int n) const {
    std::lock_guard lock(mutex_);
    std::vector<const Span*> stalls;
    for (const Span& span : spans_)
        if (span.track == kWindowTrack && span.name == QLatin1String("stall"))
            stalls.push_back(&span);
    std::sort(stalls.begin(), stalls.end(), [](const Span* a, const Span* b) {
        return a->endNs - a->startNs > b->endNs - b->startNs;
    });
    stalls.resize(std::min(stalls.size(), size_t(std::max(n, 0))));
    QStringList lines;
    for (const Span* stall : stalls) {
        // The innermost step the stall began in (else the first it overlaps) and the longest
        // delivery that overlaps it.
        const Span* step = nullptr;
        const Span* delivery = nullptr;
        for (const Span& span : spans_) {
            if (span.endNs <= stall->startNs || span.startNs >= stall->endNs || &span == stall)
                continue;
            const bool beganIn = span.startNs <= stall->startNs;
            if (span.track == kSessionTrack &&
                (!step || (beganIn && span.startNs >= step->startNs) ||
                 (step->startNs > stall->startNs && span.startNs < step->startNs)))
                step = &span;
            if (span.track == kWindowTrack && span.name != QLatin1String("stall") &&
                (!delivery || span.endNs - span.startNs > delivery->endNs - delivery->startNs))
                delivery = &span;
        }
        lines << QStringLiteral("%1 ms at %2 ms, in \"%3\"%4")
                     .arg(ms(stall->endNs - stall->startNs), 0, 'f', 1)
                     .arg(ms(stall->startNs - originNs_), 0, 'f', 0)
                     .arg(step ? step->name : QStringLiteral("-"),
                          delivery ? QStringLiteral(", %1 (%2 ms)")
                                         .arg(delivery->name)
                                         .arg(ms(delivery->endNs - delivery->startNs), 0, 'f', 1)
                                   : QString());
    }
    return lines;
}

bool TraceRecorder::write(const QString& path, QString* error) const {
    const qint64 pid = QCoreApplication::applicationPid();
    QJsonArray events;
    const auto meta = [&](const char* what, int tid, const QString& name) {
        events.append(QJsonObject{{"ph", "M"},
                                  {"name", what},
                                  {"pid", pid},
                                  {"tid", tid},
                                  {"args", QJsonObject{{"name", name}}}});
    };
    meta("process_name", kWindowTrack, QStringLiteral("KxOption"));
    meta("thread_name", kWindowTrack, QStringLiteral("window"));
    meta("thread_name", kQueueTrack, QStringLiteral("mouse queue"));
    meta("thread_name", kSessionTrack, QStringLiteral("session"));
    meta("thread_name", kOtherTrack, QStringLiteral("other threads"));
    {
        std::lock_guard lock(mutex_);
        for (const Span& span : spans_) {
            QJsonObject event{{"ph", "X"},
                              {"name", span.name},
                              {"pid", pid},
                              {"tid", int(span.track)},
                              {"ts", double(span.startNs - originNs_) / 1e3},
                              {"dur", double(span.endNs - span.startNs) / 1e3}};
            if (!span.args.isEmpty())
                event.insert(QStringLiteral("args"), span.args);
            events.append(event);
        }
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        *error = file.errorString();
        return false;
    }
    file.write(QJsonDocument(QJsonObject{{"traceEvents", events}, {"displayTimeUnit", "ms"}})
                   .toJson(QJsonDocument::Compact));
    if (!file.commit()) {
        *error = file.errorString();
        return false;
    }
    return true;
}
