#include "Drivers/DriverService.h"

#include <algorithm>

DriverService::DriverService(QString className) : className_(std::move(className)) {}

DriverService::~DriverService() = default;

std::unique_ptr<InterestNotification>
DriverService::addInterestNotification(InterestCallback callback, void* refCon) {
    const uint64_t id = nextClientId_++;
    clients_.push_back({id, callback, refCon});
    return std::unique_ptr<InterestNotification>(new InterestNotification(weak_from_this(), id));
}

int DriverService::messageClients(uint32_t messageType, void* argument, size_t argumentSize) {
    // A client's callback may drop the last reference to this service, or change the list.
    const auto keepAlive = weak_from_this().lock();
    // Ids grow with every registration and clients_ keeps registration order, so it is sorted by
    // id: the clients registered when the call began are those up to lastId, and the next one to
    // reach is the first still registered after the one reached last. Nothing is copied or
    // allocated, which matters at a message per input report.
    const uint64_t lastId = nextClientId_ - 1;
    uint64_t reachedId = 0;
    int reached = 0;
    for (;;) {
        const auto it =
            std::upper_bound(clients_.begin(), clients_.end(), reachedId,
                             [](uint64_t id, const Client& client) { return id < client.id; });
        if (it == clients_.end() || it->id > lastId)
            break;
        const Client client = *it; // the callback may change the list
        reachedId = client.id;
        client.callback(client.refCon, this, messageType, argument, argumentSize);
        ++reached;
    }
    return reached;
}

void DriverService::removeClient(uint64_t id) {
    std::erase_if(clients_, [id](const Client& c) { return c.id == id; });
}

InterestNotification::~InterestNotification() {
    if (const auto service = service_.lock())
        service->removeClient(id_);
}
