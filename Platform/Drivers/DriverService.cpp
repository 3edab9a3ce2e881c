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
    std::vector<uint64_t> ids;
    ids.reserve(clients_.size());
    for (const Client& client : clients_)
        ids.push_back(client.id);
    int reached = 0;
    for (const uint64_t id : ids) {
        const auto it = std::find_if(clients_.begin(), clients_.end(),
                                     [id](const Client& c) { return c.id == id; });
        if (it == clients_.end())
            continue;
        const Client client = *it;
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
