#include "FrontApplicationSource.h"

#include "Desktop/KWinFrontApplicationSource.h"
#include "Desktop/WlrFrontApplicationSource.h"
#include "Desktop/X11FrontApplicationSource.h"

#include <QDBusConnection>
#include <QDir>
#include <QLoggingCategory>

Q_LOGGING_CATEGORY(lcFrontSource, "kx.desktop", QtInfoMsg)

namespace {

bool currentDesktopIs(const QProcessEnvironment& environment, const QString& name) {
    // XDG_CURRENT_DESKTOP: a colon-separated list ("ubuntu:GNOME", "KDE").
    const QStringList desktops =
        environment.value(QStringLiteral("XDG_CURRENT_DESKTOP")).split(QLatin1Char(':'));
    return desktops.contains(name, Qt::CaseInsensitive);
}

} // namespace

FrontApplicationSource::FrontApplicationSource(Desktop desktop, QObject* parent)
    : QObject(parent), desktop_(desktop) {}

FrontApplicationSource::~FrontApplicationSource() = default;

std::unique_ptr<FrontApplicationSource> FrontApplicationSource::forSession(QObject* parent) {
    return forEnvironment(QProcessEnvironment::systemEnvironment(), parent);
}

std::unique_ptr<FrontApplicationSource>
FrontApplicationSource::forEnvironment(const QProcessEnvironment& environment, QObject* parent) {
    auto cannotTell = [&](Desktop desktop) {
        qCInfo(lcFrontSource, "the desktop (%s) does not tell which application is in front",
               qPrintable(desktopName(desktop)));
        return std::unique_ptr<FrontApplicationSource>(new FrontApplicationSource(desktop, parent));
    };
    QString wayland = environment.value(QStringLiteral("WAYLAND_DISPLAY"));
    // A socket's name is in that environment's runtime folder, not necessarily this process's.
    const QString runtime = environment.value(QStringLiteral("XDG_RUNTIME_DIR"));
    if (!wayland.isEmpty() && !QDir::isAbsolutePath(wayland) && !runtime.isEmpty())
        wayland = QDir(runtime).filePath(wayland);
    if (!wayland.isEmpty()) {
        WlrFrontApplicationSource::Connected wlr =
            WlrFrontApplicationSource::connect(wayland, parent);
        if (wlr.source)
            return std::move(wlr.source);
        qCInfo(lcFrontSource, "%s", qPrintable(wlr.why));
        if (wlr.reached) {
            // A Wayland session: its X server, if any, sees only the X11 programs' windows.
            if (currentDesktopIs(environment, QStringLiteral("KDE"))) {
                QString why;
                if (auto kwin = KWinFrontApplicationSource::start(QDBusConnection::sessionBus(),
                                                                  &why, parent))
                    return kwin;
                qCWarning(lcFrontSource, "KDE Plasma: %s", qPrintable(why));
            }
            return cannotTell(currentDesktopIs(environment, QStringLiteral("GNOME"))
                                  ? Desktop::GnomeWayland
                                  : Desktop::Wayland);
        }
    }
    const QString x11 = environment.value(QStringLiteral("DISPLAY"));
    if (!x11.isEmpty()) {
        QString why;
        if (auto source = X11FrontApplicationSource::connect(x11, &why, parent))
            return source;
        // A display that cannot be opened is the program's to tell, once; here it only means
        // that nothing tells the application in front, which the line below says.
    }
    return cannotTell(Desktop::NoDisplay);
}

bool FrontApplicationSource::available() const {
    return false;
}

QString FrontApplicationSource::desktopName(Desktop desktop) {
    switch (desktop) {
    case Desktop::X11:
        return QStringLiteral("x11");
    case Desktop::Wlroots:
        return QStringLiteral("wlroots");
    case Desktop::KWin:
        return QStringLiteral("kwin");
    case Desktop::GnomeWayland:
        return QStringLiteral("gnome-wayland");
    case Desktop::Wayland:
        return QStringLiteral("wayland");
    case Desktop::NoDisplay:
        return QStringLiteral("no-display");
    }
    return QStringLiteral("no-display");
}

void FrontApplicationSource::tell(const FrontApplication& front) {
    front_ = front;
    qCDebug(lcFrontSource, "in front: %s (pid %lld, \"%s\")", qPrintable(front.names().join(", ")),
            front.pid, qPrintable(front.title));
    Q_EMIT frontChanged(front_);
}

void FrontApplicationSource::tellLost() {
    if (lost_)
        return;
    lost_ = true;
    Q_EMIT lost();
}
