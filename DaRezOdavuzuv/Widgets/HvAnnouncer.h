#pragma once

#include <QObject>
#include <QPointer>
#include <QString>

class QWidget;

// Says a short message to assistive technology without moving the focus, as a notification of
// the window it belongs to (a change the program did not make itself, such as the mouse
// switching its profile): a node of role notification, named by the message, that appears each
// time a message is announced, which screen readers speak once. It is not among the window's
// children, so that a user walking the window never meets an old message.
class HvAnnouncer : public QObject {
    Q_OBJECT
public:
    explicit HvAnnouncer(QWidget* owner);

    // Tells assistive technology the message now (nothing without a screen reader or an empty
    // message).
    void announce(const QString& message);
    // The message announced last.
    const QString& message() const { return message_; }
    QWidget* owner() const { return owner_; }

private:
    QPointer<QWidget> owner_;
    QString message_;
};
