#pragma once

#include <QMutex>
#include <QStringList>
#include <QtGlobal>

#include <atomic>
#include <cstring>
#include <string>

// The lines logged while it lives, from any thread: every line, or the warnings only, of every
// category or of one (the programs' own logger writes as "kx"). The newest of nested ones takes
// them; nothing reaches the handler it replaced.
class CapturedLog {
public:
    enum Kind { kAll, kWarnings };

    explicit CapturedLog(Kind kind = kAll, const char* category = nullptr)
        : kind_(kind), category_(category), outer_(current_) {
        current_ = this;
        previous_ = qInstallMessageHandler(&CapturedLog::take);
    }
    ~CapturedLog() {
        qInstallMessageHandler(previous_);
        current_ = outer_;
    }
    CapturedLog(const CapturedLog&) = delete;
    CapturedLog& operator=(const CapturedLog&) = delete;

    // A copy, const so that a clear() meant for the log cannot go to it.
    const QStringList lines() const {
        const QMutexLocker lock(&mutex_);
        return lines_;
    }
    QStringList filter(const QString& part) const { return lines().filter(part); }
    void clear() {
        const QMutexLocker lock(&mutex_);
        lines_.clear();
    }
    // The lines, for a failure's message.
    std::string text() const { return lines().join(QLatin1Char('\n')).toStdString(); }

private:
    static void take(QtMsgType type, const QMessageLogContext& context, const QString& text) {
        CapturedLog* log = current_;
        if (!log || (log->kind_ == kWarnings && type != QtWarningMsg) ||
            (log->category_ &&
             (!context.category || std::strcmp(context.category, log->category_))))
            return;
        const QMutexLocker lock(&log->mutex_);
        log->lines_ << text;
    }

    static inline std::atomic<CapturedLog*> current_ = nullptr;
    const Kind kind_;
    const char* const category_;
    CapturedLog* const outer_;
    QtMessageHandler previous_ = nullptr;
    mutable QMutex mutex_;
    QStringList lines_;
};
