#include "Drivers/DriverRegistry.h"

#include <algorithm>

DriverRegistry& DriverRegistry::shared() {
    static DriverRegistry registry;
    return registry;
}

void DriverRegistry::publish(const std::shared_ptr<DriverService>& service) {
    if (!service || std::find(services_.begin(), services_.end(), service) != services_.end())
        return;
    services_.push_back(service);
    // An observer may add or remove observers: walk a copy, skipping any removed meanwhile.
    const std::vector<Observer> observers = observers_;
    for (const Observer& observer : observers) {
        const bool stillThere =
            std::any_of(observers_.begin(), observers_.end(),
                        [&](const Observer& o) { return o.token == observer.token; });
        if (stillThere && observer.className == service->className())
            observer.callback(service);
    }
}

void DriverRegistry::unpublish(const DriverService* service) {
    std::erase_if(services_, [service](const auto& s) { return s.get() == service; });
}

std::vector<std::shared_ptr<DriverService>>
DriverRegistry::matching(const QString& className) const {
    std::vector<std::shared_ptr<DriverService>> found;
    for (const auto& service : services_) {
        if (service->className() == className)
            found.push_back(service);
    }
    return found;
}

DriverRegistry::Token DriverRegistry::addPublishNotification(const QString& className,
                                                             PublishCallback callback) {
    const Token token = nextToken_++;
    observers_.push_back({token, className, std::move(callback)});
    return token;
}

void DriverRegistry::removePublishNotification(Token token) {
    std::erase_if(observers_, [token](const Observer& o) { return o.token == token; });
}
