#pragma once

#include "Drivers/DriverService.h"

#include <QString>

#include <functional>
#include <memory>
#include <vector>

// The process's registry of driver instances: a driver publishes each instance it serves under
// its class name, clients find them by class name and properties and can be told when a new one
// is published. Used on one thread (the one that runs the listener's event loop).
class DriverRegistry {
public:
    using PublishCallback = std::function<void(const std::shared_ptr<DriverService>&)>;
    using Token = uint64_t;

    static DriverRegistry& shared();

    // Adds the instance (once) and tells the observers of its class name.
    void publish(const std::shared_ptr<DriverService>& service);
    // Removes the instance; its clients keep their subscriptions until they drop them.
    void unpublish(const DriverService* service);

    // Instances of that class name in publish order.
    std::vector<std::shared_ptr<DriverService>> matching(const QString& className) const;

    // Calls back for every instance of that class name published from now on. 0 never.
    Token addPublishNotification(const QString& className, PublishCallback callback);
    void removePublishNotification(Token token);

private:
    struct Observer {
        Token token;
        QString className;
        PublishCallback callback;
    };
    std::vector<std::shared_ptr<DriverService>> services_;
    std::vector<Observer> observers_;
    Token nextToken_ = 1;
};
