#include "Notifications/Notification.h"

bool Notification::isInteger(const QVariant& value) {
    switch (value.typeId()) {
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Short:
    case QMetaType::UShort:
    case QMetaType::Char:
    case QMetaType::UChar:
        return true;
    default:
        return false;
    }
}

int Notification::toInt(const QVariant& value) {
    if (isInteger(value) || value.typeId() == QMetaType::Bool ||
        value.typeId() == QMetaType::Double)
        return value.toInt();
    if (value.typeId() == QMetaType::QString)
        return value.toString().trimmed().toInt();
    return 0;
}
