#pragma once

#include "Desktop/FrontApplicationSource.h"

#include <QSocketNotifier>

#include <map>
#include <memory>

struct wl_display;
struct wl_registry;
struct zwlr_foreign_toplevel_manager_v1;
struct zwlr_foreign_toplevel_handle_v1;

// The application in front on a wlroots compositor (sway, labwc, Wayfire, river, ...), from the
// foreign-toplevel protocol that task bars use: each toplevel's app_id, title and states come
// in batches ended by "done"; the one whose batch says "activated" is in front. A Wayland
// connection of its own (not Qt's), read when its socket is readable.
class WlrFrontApplicationSource : public FrontApplicationSource {
    Q_OBJECT
public:
    struct Connected {
        std::unique_ptr<WlrFrontApplicationSource> source; // when the compositor offers it
        bool reached = false;                              // whether a compositor answered at all
        QString why;                                       // why there is no source
    };
    // The compositor at the display (as WAYLAND_DISPLAY names it: a name in XDG_RUNTIME_DIR or
    // an absolute path). Waits at most a few seconds for a compositor that does not answer.
    static Connected connect(const QString& display, QObject* parent = nullptr);
    ~WlrFrontApplicationSource() override;

    bool available() const override { return true; }

    // The compositor's side, called by the protocol's listeners.
    struct Toplevel;
    void toplevelAdded(zwlr_foreign_toplevel_handle_v1* handle);
    void toplevelDone(Toplevel& toplevel);
    void toplevelClosed(Toplevel& toplevel);
    void managerFinished();

private:
    WlrFrontApplicationSource(wl_display* display, wl_registry* registry,
                              zwlr_foreign_toplevel_manager_v1* manager, QObject* parent);
    void readEvents();
    void dispatchAndFlush();
    void endConnection(const char* why);

    wl_display* display_;
    wl_registry* registry_;
    zwlr_foreign_toplevel_manager_v1* manager_;
    std::map<zwlr_foreign_toplevel_handle_v1*, std::unique_ptr<Toplevel>> toplevels_;
    quint64 nextSerial_ = 1;
    quint64 told_ = 0; // the serial of the toplevel last told
    std::unique_ptr<QSocketNotifier> readNotifier_;
    std::unique_ptr<QSocketNotifier> writeNotifier_;
};
