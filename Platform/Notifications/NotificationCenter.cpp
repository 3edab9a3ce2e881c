#include "Notifications/NotificationCenter.h"

#include <algorithm>

NotificationCenter& NotificationCenter::defaultCenter() {
    static NotificationCenter center;
    return center;
}

NotificationCenter::Token NotificationCenter::addObserver(const QString& name, Observer observer) {
    std::lock_guard lock(mutex_);
    const Token token = nextToken_++;
    entries_.push_back({token, name, std::make_shared<Observer>(std::move(observer))});
    return token;
}

void NotificationCenter::removeObserver(Token token) {
    std::lock_guard lock(mutex_);
    std::erase_if(entries_, [token](const Entry& e) { return e.token == token; });
}

void NotificationCenter::post(const Notification& notification) {
    // Observers run on a snapshot taken under the lock, so they may add or remove observers.
    std::vector<std::shared_ptr<Observer>> targets;
    {
        std::lock_guard lock(mutex_);
        for (const Entry& e : entries_)
            if (e.name == notification.name)
                targets.push_back(e.observer);
    }
    for (const auto& observer : targets)
        (*observer)(notification);
}

void NotificationCenter::post(const QString& name, const QVariant& object,
                              std::optional<QVariantMap> userInfo) {
    post(Notification{name, object, std::move(userInfo)});
}
