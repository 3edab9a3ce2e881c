#include "X11FrontApplicationSource.h"

#include "Desktop/WindowText.h"

#include <QLoggingCategory>

#include <xcb/xcb.h>

#include <array>
#include <cstdlib>
#include <cstring>

Q_LOGGING_CATEGORY(lcX11Front, "kx.desktop.x11", QtInfoMsg)

namespace {

struct FreeDeleter {
    void operator()(void* p) const { std::free(p); }
};
template <typename T>
using XcbReply = std::unique_ptr<T, FreeDeleter>;

// Property values are read a little past WindowText::kMaxBytes (in 32-bit units, as the request
// counts), so that WindowText sees where a longer value was cut.
constexpr uint32_t kPropertyUnits = WindowText::kMaxBytes / 4 + 1;

std::optional<std::array<xcb_atom_t, 5>> internAtoms(xcb_connection_t* c) {
    static constexpr std::array<const char*, 5> names = {
        "_NET_ACTIVE_WINDOW", "_GTK_APPLICATION_ID", "_NET_WM_PID", "_NET_WM_NAME", "UTF8_STRING"};
    std::array<xcb_intern_atom_cookie_t, 5> cookies{};
    for (size_t i = 0; i < names.size(); ++i)
        cookies[i] = xcb_intern_atom(c, 0, uint16_t(strlen(names[i])), names[i]);
    std::array<xcb_atom_t, 5> atoms{};
    bool complete = true;
    for (size_t i = 0; i < names.size(); ++i) {
        XcbReply<xcb_intern_atom_reply_t> reply(xcb_intern_atom_reply(c, cookies[i], nullptr));
        complete &= reply != nullptr;
        atoms[i] = reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
    }
    return complete ? std::optional(atoms) : std::nullopt;
}

// A property's reply; none when it is absent or the window is gone (*gone then set).
XcbReply<xcb_get_property_reply_t> propertyReply(xcb_connection_t* c,
                                                 xcb_get_property_cookie_t cookie, bool* gone) {
    xcb_generic_error_t* error = nullptr;
    XcbReply<xcb_get_property_reply_t> reply(xcb_get_property_reply(c, cookie, &error));
    if (error) {
        *gone |= error->error_code == XCB_WINDOW;
        std::free(error);
        return nullptr;
    }
    return reply;
}

// A property's bytes when it is 8-bit text; none when it is absent, of another format, or the
// window is gone (*gone then set).
std::optional<QByteArray> textProperty(xcb_connection_t* c, xcb_get_property_cookie_t cookie,
                                       bool* gone) {
    const auto reply = propertyReply(c, cookie, gone);
    if (!reply || reply->format != 8 || reply->type == XCB_ATOM_NONE)
        return std::nullopt;
    const int length = xcb_get_property_value_length(reply.get());
    return QByteArray(static_cast<const char*>(xcb_get_property_value(reply.get())), length);
}

std::optional<uint32_t> cardinalProperty(xcb_connection_t* c, xcb_get_property_cookie_t cookie,
                                         bool* gone) {
    const auto reply = propertyReply(c, cookie, gone);
    if (!reply || reply->format != 32 || xcb_get_property_value_length(reply.get()) < 4)
        return std::nullopt;
    return *static_cast<const uint32_t*>(xcb_get_property_value(reply.get()));
}

} // namespace

std::unique_ptr<X11FrontApplicationSource>
X11FrontApplicationSource::connect(const QString& display, QString* why, QObject* parent) {
    const QByteArray name = display.toLocal8Bit();
    xcb_connection_t* c = xcb_connect(name.isEmpty() ? nullptr : name.constData(), nullptr);
    if (xcb_connection_has_error(c)) {
        *why = QStringLiteral("cannot connect to the X server %1").arg(display);
        xcb_disconnect(c);
        return nullptr;
    }
    const std::optional<std::array<xcb_atom_t, 5>> atoms = internAtoms(c);
    const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(c)).data;
    if (!atoms || !screen) {
        *why = QStringLiteral("the X server %1 answers no atoms or has no screen").arg(display);
        xcb_disconnect(c);
        return nullptr;
    }
    const Atoms named{(*atoms)[0], (*atoms)[1], (*atoms)[2], (*atoms)[3], (*atoms)[4]};
    return std::unique_ptr<X11FrontApplicationSource>(
        new X11FrontApplicationSource(c, screen->root, named, parent));
}

X11FrontApplicationSource::X11FrontApplicationSource(xcb_connection_t* connection, quint32 root,
                                                     const Atoms& atoms, QObject* parent)
    : FrontApplicationSource(Desktop::X11, parent), connection_(connection), root_(root),
      atoms_(atoms) {
    const uint32_t rootEvents = XCB_EVENT_MASK_PROPERTY_CHANGE;
    xcb_change_window_attributes(connection_, root_, XCB_CW_EVENT_MASK, &rootEvents);
    xcb_flush(connection_);
    notifier_ = std::make_unique<QSocketNotifier>(xcb_get_file_descriptor(connection_),
                                                  QSocketNotifier::Read);
    QObject::connect(notifier_.get(), &QSocketNotifier::activated, this,
                     &X11FrontApplicationSource::readEvents);
    // The first answer from the event loop, when the caller listens.
    QMetaObject::invokeMethod(
        this,
        [this] {
            readActiveWindow();
            readEvents();
        },
        Qt::QueuedConnection);
}

X11FrontApplicationSource::~X11FrontApplicationSource() {
    notifier_.reset();
    xcb_disconnect(connection_);
}

void X11FrontApplicationSource::readEvents() {
    // The replies read while handling an event may bring more events into xcb's queue, which
    // the socket no longer shows: read until both are empty.
    while (xcb_generic_event_t* event = xcb_poll_for_event(connection_)) {
        handle(event->response_type & 0x7f, event);
        std::free(event);
    }
    if (xcb_connection_has_error(connection_) && notifier_->isEnabled()) {
        notifier_->setEnabled(false);
        qCWarning(lcX11Front, "the X server closed the connection");
        tellLost();
    }
}

void X11FrontApplicationSource::handle(quint8 type, const void* event) {
    switch (type) {
    case 0: {
        // Errors of requests sent unchecked: the watched window gone before its selection was
        // changed. Nothing to do.
        const auto* error = static_cast<const xcb_generic_error_t*>(event);
        qCDebug(lcX11Front, "X error %d for resource 0x%x", error->error_code, error->resource_id);
        break;
    }
    case XCB_PROPERTY_NOTIFY: {
        const auto* notify = static_cast<const xcb_property_notify_event_t*>(event);
        if (notify->window == root_ && notify->atom == atoms_.activeWindow) {
            readActiveWindow();
        } else if (notify->window == watched_ && watched_ != XCB_WINDOW_NONE &&
                   (notify->atom == XCB_ATOM_WM_CLASS || notify->atom == atoms_.gtkApplicationId ||
                    notify->atom == atoms_.wmPid)) {
            // A title alone changes no application: read again only for the names.
            if (const std::optional<FrontApplication> application = readWindow(watched_))
                tellWindow(watched_, *application);
        }
        break;
    }
    case XCB_DESTROY_NOTIFY: {
        const auto* destroyed = static_cast<const xcb_destroy_notify_event_t*>(event);
        if (destroyed->window == watched_)
            watched_ = XCB_WINDOW_NONE;
        if (destroyed->window == told_)
            told_ = XCB_WINDOW_NONE;
        break;
    }
    default:
        break;
    }
}

void X11FrontApplicationSource::readActiveWindow() {
    const xcb_get_property_cookie_t cookie =
        xcb_get_property(connection_, 0, root_, atoms_.activeWindow, XCB_ATOM_WINDOW, 0, 1);
    bool gone = false;
    xcb_window_t active = cardinalProperty(connection_, cookie, &gone).value_or(XCB_WINDOW_NONE);
    if (active == root_)
        active = XCB_WINDOW_NONE;
    if (active != watched_)
        watch(active);
    if (active == XCB_WINDOW_NONE)
        return;
    if (const std::optional<FrontApplication> application = readWindow(active))
        tellWindow(active, *application);
    else
        watched_ = XCB_WINDOW_NONE; // gone before it could be read
}

void X11FrontApplicationSource::watch(quint32 window) {
    // Unchecked: a window already destroyed answers with an error event, ignored.
    if (watched_ != XCB_WINDOW_NONE) {
        const uint32_t none = XCB_EVENT_MASK_NO_EVENT;
        xcb_change_window_attributes(connection_, watched_, XCB_CW_EVENT_MASK, &none);
    }
    watched_ = window;
    if (watched_ != XCB_WINDOW_NONE) {
        // Selected before the properties are read, so that no change between goes unseen.
        const uint32_t events = XCB_EVENT_MASK_PROPERTY_CHANGE | XCB_EVENT_MASK_STRUCTURE_NOTIFY;
        xcb_change_window_attributes(connection_, watched_, XCB_CW_EVENT_MASK, &events);
    }
    xcb_flush(connection_);
}

std::optional<FrontApplication> X11FrontApplicationSource::readWindow(quint32 window) {
    auto ask = [&](xcb_atom_t property) {
        return xcb_get_property(connection_, 0, window, property, XCB_GET_PROPERTY_TYPE_ANY, 0,
                                kPropertyUnits);
    };
    const xcb_get_property_cookie_t wmClass = ask(XCB_ATOM_WM_CLASS);
    const xcb_get_property_cookie_t appId = ask(atoms_.gtkApplicationId);
    const xcb_get_property_cookie_t pid = ask(atoms_.wmPid);
    const xcb_get_property_cookie_t netName = ask(atoms_.wmName);
    const xcb_get_property_cookie_t name = ask(XCB_ATOM_WM_NAME);

    bool gone = false;
    FrontApplication application;
    if (const std::optional<QByteArray> value = textProperty(connection_, wmClass, &gone)) {
        const WindowText::WmClass decoded = WindowText::decodeWmClass(*value);
        application.wmInstance = decoded.instance;
        application.wmClass = decoded.className;
    }
    if (const std::optional<QByteArray> value = textProperty(connection_, appId, &gone))
        application.appId = WindowText::decode(*value);
    application.pid = cardinalProperty(connection_, pid, &gone).value_or(0);
    const std::optional<QByteArray> netTitle = textProperty(connection_, netName, &gone);
    const std::optional<QByteArray> title = textProperty(connection_, name, &gone);
    if (netTitle || title)
        application.title = WindowText::decode(netTitle ? *netTitle : *title);
    if (gone) {
        qCDebug(lcX11Front, "window 0x%x went before it could be read", window);
        return std::nullopt;
    }
    return application;
}

void X11FrontApplicationSource::tellWindow(quint32 window, const FrontApplication& application) {
    if (window == told_ && application.sameApplication(front()))
        return;
    told_ = window;
    tell(application);
}
