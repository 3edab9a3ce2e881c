#pragma once

#include "Notifications/Notification.h"
#include "Notifications/ObserverSlot.h"

#include <QString>

#include <functional>
#include <memory>
#include <mutex>
#include <vector>

// The process's own notifications. Posting is synchronous: every observer of the name runs on
// the posting thread, in the order it was added, before post() returns. Observers that must act
// on another thread hop there themselves (QMetaObject::invokeMethod with a queued connection).
// Observers may be added and removed from any thread, also from within an observer; once
// removeObserver has returned the observer is not called again (a call in progress on another
// thread is waited for).
class NotificationCenter {
public:
    using Observer = std::function<void(const Notification&)>;
    using Token = quint64;

    static NotificationCenter& defaultCenter();

    Token addObserver(const QString& name, Observer observer);
    void removeObserver(Token token);
    void post(const Notification& notification);
    void post(const QString& name, const QVariant& object = {},
              std::optional<QVariantMap> userInfo = std::nullopt);

private:
    struct Entry {
        Token token;
        QString name;
        std::shared_ptr<ObserverSlot> observer;
    };

    std::mutex mutex_; // guards entries_ and nextToken_ only; observers run unlocked
    std::vector<Entry> entries_;
    Token nextToken_ = 1;
};
