#include "WlrFrontApplicationSource.h"

#include "Desktop/WindowText.h"

#include "wlr-foreign-toplevel-management-unstable-v1-client-protocol.h"

#include <QDeadlineTimer>
#include <QLoggingCategory>

#include <wayland-client.h>

#include <cerrno>
#include <cstring>
#include <poll.h>

Q_LOGGING_CATEGORY(lcWlrFront, "kx.desktop.wlroots", QtInfoMsg)

// What the compositor said of one toplevel: the batch being received, and what its last "done"
// made true.
struct WlrFrontApplicationSource::Toplevel {
    WlrFrontApplicationSource* source = nullptr;
    zwlr_foreign_toplevel_handle_v1* handle = nullptr;
    quint64 serial = 0; // never reused, unlike the handle's address
    QString pendingAppId;
    QString pendingTitle;
    bool pendingActivated = false;
    FrontApplication application;
    bool activated = false;
};

namespace {

// The version this client knows; the compositor may offer less.
constexpr uint32_t kManagerVersion = 3;
constexpr int kAnswerTimeoutMs = 3000;

// A roundtrip that gives up after the time instead of waiting forever for a compositor that
// accepted the connection and then hangs.
bool boundedRoundtrip(wl_display* display, int timeoutMs) {
    bool done = false;
    static const wl_callback_listener listener = {
        .done = [](void* data, wl_callback*, uint32_t) { *static_cast<bool*>(data) = true; }};
    wl_callback* callback = wl_display_sync(display);
    wl_callback_add_listener(callback, &listener, &done);
    const QDeadlineTimer deadline(timeoutMs);
    while (!done) {
        if (wl_display_flush(display) < 0 && errno != EAGAIN)
            break;
        if (wl_display_prepare_read(display) != 0) {
            if (wl_display_dispatch_pending(display) < 0)
                break;
            continue;
        }
        pollfd fd{wl_display_get_fd(display), POLLIN, 0};
        const int ready = poll(&fd, 1, int(deadline.remainingTime()));
        if (ready <= 0) {
            wl_display_cancel_read(display);
            if (ready < 0 && errno == EINTR)
                continue;
            break;
        }
        if (wl_display_read_events(display) < 0 || wl_display_dispatch_pending(display) < 0)
            break;
    }
    wl_callback_destroy(callback);
    return done;
}

struct Globals {
    uint32_t managerName = 0;
    uint32_t managerVersion = 0;
};

const wl_registry_listener registryListener = {
    .global =
        [](void* data, wl_registry*, uint32_t name, const char* interface, uint32_t version) {
            if (std::strcmp(interface, zwlr_foreign_toplevel_manager_v1_interface.name) == 0) {
                auto* globals = static_cast<Globals*>(data);
                globals->managerName = name;
                globals->managerVersion = version;
            }
        },
    .global_remove = [](void*, wl_registry*, uint32_t) {},
};

using Toplevel = WlrFrontApplicationSource::Toplevel;

Toplevel& toplevelOf(void* data) {
    return *static_cast<Toplevel*>(data);
}

const zwlr_foreign_toplevel_handle_v1_listener handleListener = {
    .title =
        [](void* data, zwlr_foreign_toplevel_handle_v1*, const char* title) {
            toplevelOf(data).pendingTitle = WindowText::decode(title ? title : "");
        },
    .app_id =
        [](void* data, zwlr_foreign_toplevel_handle_v1*, const char* appId) {
            toplevelOf(data).pendingAppId = WindowText::decode(appId ? appId : "");
        },
    .output_enter = [](void*, zwlr_foreign_toplevel_handle_v1*, wl_output*) {},
    .output_leave = [](void*, zwlr_foreign_toplevel_handle_v1*, wl_output*) {},
    .state =
        [](void* data, zwlr_foreign_toplevel_handle_v1*, wl_array* states) {
            bool activated = false;
            // An array of 32-bit values; a trailing partial value is ignored.
            const auto* values = static_cast<const uint32_t*>(states->data);
            for (size_t i = 0; i < states->size / sizeof(uint32_t); ++i)
                activated |= values[i] == ZWLR_FOREIGN_TOPLEVEL_HANDLE_V1_STATE_ACTIVATED;
            toplevelOf(data).pendingActivated = activated;
        },
    .done =
        [](void* data, zwlr_foreign_toplevel_handle_v1*) {
            Toplevel& toplevel = toplevelOf(data);
            toplevel.source->toplevelDone(toplevel);
        },
    .closed =
        [](void* data, zwlr_foreign_toplevel_handle_v1*) {
            Toplevel& toplevel = toplevelOf(data);
            toplevel.source->toplevelClosed(toplevel);
        },
    .parent = [](void*, zwlr_foreign_toplevel_handle_v1*, zwlr_foreign_toplevel_handle_v1*) {},
};

const zwlr_foreign_toplevel_manager_v1_listener managerListener = {
    .toplevel =
        [](void* data, zwlr_foreign_toplevel_manager_v1*, zwlr_foreign_toplevel_handle_v1* handle) {
            static_cast<WlrFrontApplicationSource*>(data)->toplevelAdded(handle);
        },
    .finished =
        [](void* data, zwlr_foreign_toplevel_manager_v1*) {
            static_cast<WlrFrontApplicationSource*>(data)->managerFinished();
        },
};

} // namespace

WlrFrontApplicationSource::Connected WlrFrontApplicationSource::connect(const QString& display,
                                                                        QObject* parent) {
    Connected result;
    const QByteArray name = display.toLocal8Bit();
    wl_display* connection = wl_display_connect(name.isEmpty() ? nullptr : name.constData());
    if (!connection) {
        result.why = QStringLiteral("cannot connect to the Wayland compositor %1: %2")
                         .arg(display, QString::fromLocal8Bit(std::strerror(errno)));
        return result;
    }
    Globals globals;
    wl_registry* registry = wl_display_get_registry(connection);
    wl_registry_add_listener(registry, &registryListener, &globals);
    if (!boundedRoundtrip(connection, kAnswerTimeoutMs)) {
        result.why = QStringLiteral("the Wayland compositor %1 does not answer").arg(display);
        wl_registry_destroy(registry);
        wl_display_disconnect(connection);
        return result;
    }
    result.reached = true;
    if (globals.managerName == 0) {
        result.why = QStringLiteral("the Wayland compositor %1 does not list its windows "
                                    "(no zwlr_foreign_toplevel_manager_v1)")
                         .arg(display);
        wl_registry_destroy(registry);
        wl_display_disconnect(connection);
        return result;
    }
    auto* manager = static_cast<zwlr_foreign_toplevel_manager_v1*>(
        wl_registry_bind(registry, globals.managerName, &zwlr_foreign_toplevel_manager_v1_interface,
                         std::min(globals.managerVersion, kManagerVersion)));
    result.source.reset(new WlrFrontApplicationSource(connection, registry, manager, parent));
    return result;
}

WlrFrontApplicationSource::WlrFrontApplicationSource(wl_display* display, wl_registry* registry,
                                                     zwlr_foreign_toplevel_manager_v1* manager,
                                                     QObject* parent)
    : FrontApplicationSource(Desktop::Wlroots, parent), display_(display), registry_(registry),
      manager_(manager) {
    zwlr_foreign_toplevel_manager_v1_add_listener(manager_, &managerListener, this);
    readNotifier_ =
        std::make_unique<QSocketNotifier>(wl_display_get_fd(display_), QSocketNotifier::Read);
    QObject::connect(readNotifier_.get(), &QSocketNotifier::activated, this,
                     &WlrFrontApplicationSource::readEvents);
    // A full socket takes the rest of what is to be sent when it has room again.
    writeNotifier_ =
        std::make_unique<QSocketNotifier>(wl_display_get_fd(display_), QSocketNotifier::Write);
    writeNotifier_->setEnabled(false);
    QObject::connect(writeNotifier_.get(), &QSocketNotifier::activated, this,
                     &WlrFrontApplicationSource::dispatchAndFlush);
    // The toplevels already there come from the event loop, once the caller listens; some may
    // already wait in the queue, read during the roundtrip.
    QMetaObject::invokeMethod(this, &WlrFrontApplicationSource::dispatchAndFlush,
                              Qt::QueuedConnection);
}

WlrFrontApplicationSource::~WlrFrontApplicationSource() {
    readNotifier_.reset();
    writeNotifier_.reset();
    for (auto& [handle, toplevel] : toplevels_)
        zwlr_foreign_toplevel_handle_v1_destroy(handle);
    if (manager_)
        zwlr_foreign_toplevel_manager_v1_destroy(manager_);
    wl_registry_destroy(registry_);
    wl_display_disconnect(display_);
}

void WlrFrontApplicationSource::readEvents() {
    if (!readNotifier_->isEnabled())
        return;
    // What is queued already is dispatched first; then the socket, which is readable, is read
    // without blocking.
    while (wl_display_prepare_read(display_) != 0) {
        if (wl_display_dispatch_pending(display_) < 0)
            return endConnection("cannot dispatch its events");
    }
    if (wl_display_read_events(display_) < 0)
        return endConnection("closed the connection");
    dispatchAndFlush();
}

void WlrFrontApplicationSource::dispatchAndFlush() {
    if (!readNotifier_->isEnabled())
        return;
    if (wl_display_dispatch_pending(display_) < 0)
        return endConnection("cannot dispatch its events");
    if (wl_display_flush(display_) < 0) {
        if (errno != EAGAIN)
            return endConnection("closed the connection");
        writeNotifier_->setEnabled(true);
        return;
    }
    writeNotifier_->setEnabled(false);
}

void WlrFrontApplicationSource::endConnection(const char* why) {
    readNotifier_->setEnabled(false);
    writeNotifier_->setEnabled(false);
    const int error = wl_display_get_error(display_);
    qCWarning(lcWlrFront, "the Wayland compositor %s (%s)", why, std::strerror(error));
    tellLost();
}

void WlrFrontApplicationSource::toplevelAdded(zwlr_foreign_toplevel_handle_v1* handle) {
    auto toplevel = std::make_unique<Toplevel>();
    toplevel->source = this;
    toplevel->handle = handle;
    toplevel->serial = nextSerial_++;
    zwlr_foreign_toplevel_handle_v1_add_listener(handle, &handleListener, toplevel.get());
    toplevels_[handle] = std::move(toplevel);
}

void WlrFrontApplicationSource::toplevelDone(Toplevel& toplevel) {
    toplevel.application.appId = toplevel.pendingAppId;
    toplevel.application.title = toplevel.pendingTitle;
    toplevel.activated = toplevel.pendingActivated;
    if (!toplevel.activated)
        return;
    // Activated again, or its title changed while in front: told only when it is another
    // window or names another application.
    if (toplevel.serial == told_ && toplevel.application.sameApplication(front()))
        return;
    told_ = toplevel.serial;
    tell(toplevel.application);
}

void WlrFrontApplicationSource::toplevelClosed(Toplevel& toplevel) {
    zwlr_foreign_toplevel_handle_v1* handle = toplevel.handle;
    zwlr_foreign_toplevel_handle_v1_destroy(handle);
    toplevels_.erase(handle); // toplevel is gone from here on
}

void WlrFrontApplicationSource::managerFinished() {
    zwlr_foreign_toplevel_manager_v1_destroy(manager_);
    manager_ = nullptr;
    qCWarning(lcWlrFront, "the Wayland compositor stopped listing its windows");
    tellLost();
}
