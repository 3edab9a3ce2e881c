#pragma once

#include <QString>
#include <QVariant>
#include <QVariantMap>

#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

class InterestNotification;

// One driver instance bound to a device: it is found by its class name and registry properties
// (DriverRegistry) and sends messages to the clients that registered interest in it. A service
// and its clients live on one thread; messages are delivered synchronously, in registration
// order, inside messageClients.
class DriverService : public std::enable_shared_from_this<DriverService> {
public:
    // refCon is the client's own pointer; argument and argumentSize are the message's payload,
    // valid only during the call.
    using InterestCallback = void (*)(void* refCon, DriverService* service, uint32_t messageType,
                                      void* argument, size_t argumentSize);

    explicit DriverService(QString className);
    virtual ~DriverService();
    DriverService(const DriverService&) = delete;
    DriverService& operator=(const DriverService&) = delete;

    const QString& className() const { return className_; }
    QVariant property(const QString& key) const { return properties_.value(key); }
    const QVariantMap& properties() const { return properties_; }
    void setProperty(const QString& key, const QVariant& value) { properties_.insert(key, value); }

    // Subscribes to this service's messages until the returned object is destroyed. The service
    // must be owned by a shared_ptr.
    std::unique_ptr<InterestNotification> addInterestNotification(InterestCallback callback,
                                                                  void* refCon);

    // Delivers one message to every client registered when the call began and still registered
    // when its turn comes: a client may unsubscribe itself or others from inside its callback.
    // Returns the number of clients reached.
    int messageClients(uint32_t messageType, void* argument, size_t argumentSize);

    size_t clientCount() const { return clients_.size(); }

private:
    friend class InterestNotification;
    struct Client {
        uint64_t id;
        InterestCallback callback;
        void* refCon;
    };
    void removeClient(uint64_t id);

    QString className_;
    QVariantMap properties_;
    std::vector<Client> clients_;
    uint64_t nextClientId_ = 1;
};

// A client's subscription to one service; destroying it ends the subscription. It may outlive
// the service.
class InterestNotification {
public:
    ~InterestNotification();
    InterestNotification(const InterestNotification&) = delete;
    InterestNotification& operator=(const InterestNotification&) = delete;

    std::shared_ptr<DriverService> service() const { return service_.lock(); }

private:
    friend class DriverService;
    InterestNotification(std::weak_ptr<DriverService> service, uint64_t id)
        : service_(std::move(service)), id_(id) {}

    std::weak_ptr<DriverService> service_;
    uint64_t id_;
};
