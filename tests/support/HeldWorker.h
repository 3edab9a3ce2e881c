#pragma once

#include "KxDeviceQueue.h"

#include <gtest/gtest.h>

#include <chrono>
#include <future>
#include <memory>

// The queue's worker kept busy in a request of its own, as by a long write, until released: the
// requests posted meanwhile wait in the queue. Gone only once the worker has let go of it.
class HeldWorker {
public:
    static constexpr const char* kName = "held by the test"; // the request's

    explicit HeldWorker(KxDeviceQueue& queue = KxDeviceQueue::shared()) {
        auto holding = std::make_shared<std::promise<void>>();
        auto done = std::make_shared<std::promise<void>>();
        std::future<void> held = holding->get_future();
        done_ = done->get_future();
        KxDeviceQueue::Request request;
        request.name = QLatin1String(kName);
        request.body = [holding, done, released = release_.get_future().share()] {
            holding->set_value();
            released.wait();
            done->set_value();
            return true;
        };
        queue.post(std::move(request));
        EXPECT_EQ(held.wait_for(std::chrono::seconds(5)), std::future_status::ready)
            << "the worker did not come to the request";
    }
    ~HeldWorker() {
        release();
        done_.wait_for(std::chrono::seconds(10));
    }
    HeldWorker(const HeldWorker&) = delete;
    HeldWorker& operator=(const HeldWorker&) = delete;

    void release() {
        if (!released_)
            release_.set_value();
        released_ = true;
    }

private:
    std::promise<void> release_;
    std::future<void> done_;
    bool released_ = false;
};
