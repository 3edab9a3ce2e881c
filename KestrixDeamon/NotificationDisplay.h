#pragma once

#include <QDBusConnection>
#include <QObject>
#include <QString>

#include <optional>

class QDBusPendingCallWatcher;

// The on-screen display's output where a window of ours cannot serve: on Wayland, xdg-shell
// gives every top-level window the keyboard and a place of the compositor's choosing, so each
// change goes to the desktop's notification service (org.freedesktop.Notifications on the
// session bus) instead: transient, low urgency, its words in the summary and body beside the
// program's icon (a service shows a picture about the size of a line of text, too small for the
// display's drawing), shown for the display's time, each one replacing the last by its id.
//
// Calls are asynchronous; nothing waits on the bus. A change made while the previous Notify
// awaits its answer waits for that answer (only the newest is kept), so that it names the id
// to replace and a burst of presses never stacks notifications. Where no service answers, the
// log says so once (until one answers again) and nothing is shown.
class NotificationDisplay : public QObject {
    Q_OBJECT
public:
    static constexpr const char* kService = "org.freedesktop.Notifications";
    static constexpr const char* kPath = "/org/freedesktop/Notifications";
    static constexpr const char* kInterface = "org.freedesktop.Notifications";
    static inline const QString kApplicationName = QStringLiteral("Kestrix mouse");
    static inline const QString kIconName = QStringLiteral("com.vlak.KxOption");
    static constexpr uchar kUrgencyLow = 0;
    // How long a call may take before the service counts as not answering.
    static constexpr int kCallTimeoutMs = 5000;

    // expireMs: how long the service shows each notification.
    NotificationDisplay(const QDBusConnection& bus, int expireMs, QObject* parent = nullptr);

    // Shows the summary ("1600 DPI") and the body ("Stage 2 of 4", may be empty), replacing the
    // notification shown last.
    void show(const QString& summary, const QString& body);
    // Withdraws the notification shown last, if any.
    void clear();

    // The id of the notification shown last (0: none).
    quint32 currentId() const { return id_; }
    // Whether the last call found no service.
    bool serviceMissing() const { return missing_; }

private:
    struct Request {
        QString summary; // empty: withdraw the last notification
        QString body;
    };
    void send(const Request& request);
    void answered(QDBusPendingCallWatcher* watcher, bool wasClose);

    QDBusConnection bus_;
    int expireMs_;
    quint32 id_ = 0;
    bool pending_ = false;
    std::optional<Request> waiting_;
    bool missing_ = false;
};
