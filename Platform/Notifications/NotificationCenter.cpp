#include "Notifications/NotificationCenter.h"

#include <algorithm>

NotificationCenter& NotificationCenter::defaultCenter() {
    static NotificationCenter center;
    return center;
}

NotificationCenter::Token NotificationCenter::addObserver(const QString& name, Observer observer) {
    std::lock_guard lock(mutex_);
    const Token token = nextToken_++;
    entries_.push_back({token, name, std::make_shared<ObserverSlot>(std::move(observer))});
    return token;
}

void NotificationCenter::removeObserver(Token token) {
    std::shared_ptr<ObserverSlot> removed;
    {
        std::lock_guard lock(mutex_);
        const auto it = std::find_if(entries_.begin(), entries_.end(),
                                     [token](const Entry& e) { return e.token == token; });
        if (it == entries_.end())
            return;
        removed = it->observer;
        entries_.erase(it);
    }
    removed->retire(); // outside the list's lock: it may wait for a call in progress
}

void NotificationCenter::post(const Notification& notification) {
    // Observers run on a snapshot taken under the lock, so they may add or remove observers; one
    // removed meanwhile is retired and skipped.
    std::vector<std::shared_ptr<ObserverSlot>> targets;
    {
        std::lock_guard lock(mutex_);
        for (const Entry& e : entries_)
            if (e.name == notification.name)
                targets.push_back(e.observer);
    }
    for (const auto& observer : targets)
        observer->call(notification);
}

void NotificationCenter::post(const QString& name, const QVariant& object,
                              std::optional<QVariantMap> userInfo) {
    post(Notification{name, object, std::move(userInfo)});
}
