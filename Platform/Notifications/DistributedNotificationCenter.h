#pragma once

#include "Notifications/Notification.h"

#include <QDBusConnection>
#include <QObject>

#include <functional>
#include <map>
#include <memory>
#include <mutex>

// Notifications between the user's processes, as session-bus signals: path /com/vlak/KxOption,
// interface com.vlak.KxOption.Notification, member = the notification's name, arguments
// (s object, a{sv} userInfo, b hasUserInfo). Integers travel as i, booleans as b; an empty
// object string means none; hasUserInfo false means no dictionary. Every process that observes
// a name gets its notifications, this process included. Another process's notifications arrive
// in posting order; a process observing its own does too when it posts from its event loop
// (signals it sends while its loop is not running may be handed back out of order).
//
// Without a session bus nothing is sent or received, and the first attempt says so once.
class DistributedNotificationCenter {
public:
    using Observer = std::function<void(const Notification&)>;
    using Token = quint64;

    static constexpr const char* kPath = "/com/vlak/KxOption";
    static constexpr const char* kInterface = "com.vlak.KxOption.Notification";

    static DistributedNotificationCenter& defaultCenter(); // on the session bus

    explicit DistributedNotificationCenter(QDBusConnection connection);
    ~DistributedNotificationCenter();

    // False when there is no bus or the message could not be queued.
    bool post(const Notification& notification);
    // The observer runs on the event loop of the thread that registers it. 0 without a bus.
    Token addObserver(const QString& name, Observer observer);
    // Once it returns, the observer is not called again, even for a signal already queued.
    void removeObserver(Token token);

    // A received signal's arguments as a notification; anything malformed reads as no object
    // and no user info rather than failing.
    static Notification decode(const QString& name, const QList<QVariant>& arguments);

private:
    class Receiver;
    bool busAvailable();

    QDBusConnection connection_;
    std::once_flag warnedOnce_;
    std::mutex mutex_;
    std::map<Token, std::unique_ptr<Receiver>> receivers_;
    Token nextToken_ = 1;
};
