#include "Notifications/NotificationCenter.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <thread>

namespace {

TEST(NotificationCenter, ObserversOfTheNameRunInOrderOnThePostingThread) {
    NotificationCenter center;
    std::vector<std::string> calls;
    std::thread::id ranOn;
    center.addObserver(QStringLiteral("A"), [&](const Notification& n) {
        calls.push_back("first " + n.object.toString().toStdString());
        ranOn = std::this_thread::get_id();
    });
    center.addObserver(QStringLiteral("B"), [&](const Notification&) { calls.push_back("B"); });
    center.addObserver(QStringLiteral("A"),
                       [&](const Notification&) { calls.push_back("second"); });

    std::thread poster([&] { center.post(QStringLiteral("A"), 1); });
    const std::thread::id posterId = poster.get_id();
    poster.join();
    EXPECT_EQ(calls, (std::vector<std::string>{"first 1", "second"}));
    EXPECT_EQ(ranOn, posterId);
}

// An observer removed while a post runs, by itself, by another observer or from another thread,
// is not called once removeObserver has returned; one added during a post waits for the next.
// Each sees the user info as posted: an empty one is not the same as none.
TEST(NotificationCenter, ARemovedObserverIsNotCalledAfterwards) {
    NotificationCenter center;
    std::vector<std::string> calls;
    const auto record = [&](const char* who) {
        return [&calls, who](const Notification& n) {
            calls.push_back(who + std::string(n.userInfo ? " with info" : ""));
        };
    };
    NotificationCenter::Token first = 0, second = 0;
    first = center.addObserver(QStringLiteral("R"), [&](const Notification& n) {
        record("first")(n);
        center.removeObserver(first);
        center.removeObserver(second);
        center.addObserver(QStringLiteral("R"), record("added"));
    });
    second = center.addObserver(QStringLiteral("R"), record("second"));
    center.post(QStringLiteral("R"));
    center.post(QStringLiteral("R"), {}, QVariantMap{});
    EXPECT_EQ(calls, (std::vector<std::string>{"first", "added with info"}));

    // Removal from another thread waits for a call in progress, then none follows.
    std::atomic<bool> inCall = false, release = false;
    std::atomic<int> after = 0;
    std::atomic<bool> removedFlag = false;
    const auto slow = center.addObserver(QStringLiteral("S"), [&](const Notification&) {
        if (removedFlag)
            ++after;
        inCall = true;
        while (!release)
            std::this_thread::yield();
    });
    std::thread poster([&] { center.post(QStringLiteral("S")); });
    while (!inCall)
        std::this_thread::yield();
    std::thread remover([&] {
        center.removeObserver(slow);
        removedFlag = true;
    });
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    EXPECT_FALSE(removedFlag) << "removal waits for the call in progress";
    release = true;
    poster.join();
    remover.join();
    center.post(QStringLiteral("S"));
    EXPECT_EQ(after, 0);
}

} // namespace
