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

TEST(NotificationCenter, AnObserverMayRemoveItselfAndAddOthersAndSeesTheUserInfoAsPosted) {
    NotificationCenter center;
    std::vector<std::optional<QVariantMap>> seen;
    auto record = [&](const Notification& n) { seen.push_back(n.userInfo); };
    NotificationCenter::Token token = 0;
    token = center.addObserver(QStringLiteral("E"), [&](const Notification& n) {
        record(n);
        center.removeObserver(token);
        center.addObserver(QStringLiteral("E"), record);
    });
    center.post(QStringLiteral("E"));
    EXPECT_EQ(seen.size(), 1u) << "an observer added during a post waits for the next one";
    center.post(QStringLiteral("E"), {}, QVariantMap{});
    ASSERT_EQ(seen.size(), 2u) << "the first observer removed itself";
    EXPECT_FALSE(seen[0].has_value());
    EXPECT_TRUE(seen[1].has_value()) << "an empty user info is not the same as none";
}

// An observer removed while a post runs, by another observer or from another thread, is not
// called once removeObserver has returned.
TEST(NotificationCenter, ARemovedObserverIsNotCalledAfterwards) {
    NotificationCenter center;
    std::vector<std::string> calls;
    NotificationCenter::Token second = 0;
    center.addObserver(QStringLiteral("R"), [&](const Notification&) {
        calls.push_back("first");
        center.removeObserver(second);
    });
    second = center.addObserver(QStringLiteral("R"),
                                [&](const Notification&) { calls.push_back("second"); });
    center.post(QStringLiteral("R"));
    EXPECT_EQ(calls, (std::vector<std::string>{"first"}));

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
