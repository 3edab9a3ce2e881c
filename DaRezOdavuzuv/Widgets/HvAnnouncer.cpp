#include "HvAnnouncer.h"

#include "HvAccessible.h"

#include <QAccessible>
#include <QWidget>

HvAnnouncer::HvAnnouncer(QWidget* owner) : QObject(owner), owner_(owner) {
    HvAccessible::install();
}

void HvAnnouncer::announce(const QString& message) {
    message_ = message;
    if (message.isEmpty() || !QAccessible::isActive())
        return;
    QAccessibleEvent named(this, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&named);
    HvAccessible::appearAgain(this);
}
