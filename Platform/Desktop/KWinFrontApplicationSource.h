#pragma once

#include "Desktop/FrontApplicationSource.h"

#include <QDBusConnection>
#include <QDBusContext>
#include <QDBusServiceWatcher>
#include <QTemporaryFile>

#include <memory>

// The application in front on KDE Plasma's Wayland session, where KWin lists its windows to no
// other client: a small KWin script, loaded through KWin's scripting interface on the session
// bus, calls Activated here each time a window is activated. Works with Plasma 5
// (workspace.clientActivated) and 6 (workspace.windowActivated). Only KWin's own calls are
// taken. The script is unloaded when this goes.
class KWinFrontApplicationSource : public FrontApplicationSource, protected QDBusContext {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "com.vlak.FrontApplication")
public:
    static constexpr const char* kKWinService = "org.kde.KWin";
    static constexpr const char* kScriptingPath = "/Scripting";
    static constexpr const char* kScriptingInterface = "org.kde.kwin.Scripting";
    // The script's name in KWin: one per user, so that a script a crashed program left loaded
    // is replaced rather than doubled.
    static constexpr const char* kPluginName = "com.vlak.FrontApplication";
    // Where the script's calls arrive, on the given connection (which claims no name for it:
    // the script calls the connection's unique name).
    static constexpr const char* kObjectPath = "/com/vlak/FrontApplication";
    static constexpr const char* kInterface = "com.vlak.FrontApplication"; // as in Q_CLASSINFO

    // The script loaded and started in the KWin on the bus, or null with the reason in *why.
    static std::unique_ptr<KWinFrontApplicationSource>
    start(const QDBusConnection& bus, QString* why, QObject* parent = nullptr);
    ~KWinFrontApplicationSource() override;

    bool available() const override { return true; }

    // The script's text, calling the service, at the path, on the interface.
    static QString script(const QString& service, const QString& path, const QString& interface);

public Q_SLOTS:
    // From the script: the window activated, as KWin names it. pid and windowId as text, so
    // that the call's signature is the same whatever types the script engine gives them.
    Q_SCRIPTABLE void Activated(const QString& resourceClass, const QString& resourceName,
                                const QString& desktopFileName, const QString& caption,
                                const QString& pid, const QString& windowId);

private:
    KWinFrontApplicationSource(const QDBusConnection& bus, QString kwinOwner, QObject* parent);
    bool load(QString* why);

    QDBusConnection bus_;
    QString kwinOwner_;
    QTemporaryFile scriptFile_;
    bool registered_ = false;
    bool loaded_ = false;
    QString told_; // the window last told
    QDBusServiceWatcher kwinWatcher_;
};
