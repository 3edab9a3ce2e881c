#include "Notifications/NotificationCenter.h"

#include <gtest/gtest.h>

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

} // namespace
