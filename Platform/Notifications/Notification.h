#pragma once

#include <QString>
#include <QVariant>
#include <QVariantMap>

#include <optional>

// One notification: a name, an object (a string or a number, or none) and a user-info
// dictionary (or none: an empty dictionary is a dictionary).
struct Notification {
    QString name;
    QVariant object;
    std::optional<QVariantMap> userInfo;

    // Whether the value is an integer of any width (a boolean is not).
    static bool isInteger(const QVariant& value);
    // A value read as receivers read the codes and values they are sent: numbers and booleans as
    // themselves, decimal text as its number; anything else, or nothing, as 0.
    static int toInt(const QVariant& value);
    int objectInt() const { return toInt(object); }
    int userInfoInt(const QString& key) const { return userInfo ? toInt(userInfo->value(key)) : 0; }
};
