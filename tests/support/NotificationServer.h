#pragma once

#include <QDBusConnection>
#include <QDBusMessage>
#include <QImage>
#include <QObject>
#include <QStringList>
#include <QVariantMap>

#include <vector>

// A desktop notification service (org.freedesktop.Notifications) on a connection of its own to
// the session bus, recording every call as it arrived. Answers at once with ids from 1 up
// (the id asked to be replaced, when there is one), or holds its answers until answerHeld().
class NotificationServer : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Notifications")
public:
    struct Call {
        QString appName;
        uint replacesId = 0;
        QString appIcon;
        QString summary;
        QString body;
        QStringList actions;
        QVariantMap hints; // image-data unpacked into image below
        int expireTimeout = 0;
        // image-data's fields as sent.
        int width = 0, height = 0, rowStride = 0, bitsPerSample = 0, channels = 0;
        bool hasAlpha = false;
        QByteArray pixels;
        QImage image() const; // the pixels as an image (null when absent or malformed)
    };

    NotificationServer();
    ~NotificationServer() override;

    // Takes the service's name; false when the bus or the name cannot be had.
    bool start();
    void stop();
    void setHoldAnswers(bool hold) { hold_ = hold; }
    // Answers every held call.
    void answerHeld();

    const std::vector<Call>& notified() const { return notified_; }
    const std::vector<uint>& closed() const { return closed_; }

public Q_SLOTS:
    uint Notify(const QString& appName, uint replacesId, const QString& appIcon,
                const QString& summary, const QString& body, const QStringList& actions,
                const QVariantMap& hints, int expireTimeout, const QDBusMessage& message);
    void CloseNotification(uint id);
    QStringList GetCapabilities();
    QString GetServerInformation(QString& vendor, QString& version, QString& specVersion);

private:
    QDBusConnection bus_;
    bool hold_ = false;
    uint nextId_ = 1;
    std::vector<QDBusMessage> held_;
    std::vector<uint> heldIds_;
    std::vector<Call> notified_;
    std::vector<uint> closed_;
};
