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

TEST(NotificationCenter, NoUserInfoAndAnEmptyOneStayApart) {
    NotificationCenter center;
    std::vector<std::optional<QVariantMap>> seen;
    center.addObserver(QStringLiteral("N"),
                       [&](const Notification& n) { seen.push_back(n.userInfo); });
    center.post(QStringLiteral("N"));
    center.post(QStringLiteral("N"), {}, QVariantMap{});
    ASSERT_EQ(seen.size(), 2u);
    EXPECT_FALSE(seen[0].has_value());
    EXPECT_TRUE(seen[1].has_value());
}

TEST(NotificationCenter, AnObserverMayRemoveItselfAndAddOthers) {
    NotificationCenter center;
    int once = 0, later = 0;
    NotificationCenter::Token token = 0;
    token = center.addObserver(QStringLiteral("E"), [&](const Notification&) {
        ++once;
        center.removeObserver(token);
        center.addObserver(QStringLiteral("E"), [&](const Notification&) { ++later; });
    });
    center.post(QStringLiteral("E"));
    EXPECT_EQ(later, 0) << "an observer added during a post waits for the next one";
    center.post(QStringLiteral("E"));
    EXPECT_EQ(once, 1);
    EXPECT_EQ(later, 1);
}

} // namespace
