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
};
