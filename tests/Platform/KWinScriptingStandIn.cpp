#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QFile>
#include <QMap>
#include <QRegularExpression>

#include <cstdio>

// kx-test-kwin-scripting: a stand-in for KWin's scripting interface on the session bus, for the
// tests of the KWin source where no KWin runs. It owns org.kde.KWin and serves
// org.kde.kwin.Scripting at /Scripting (loadScript, unloadScript, start) as KWin does. It runs
// no JavaScript: a started script that connects KWin's activation signals has its callDBus
// target read from its text, and each window the test activates through /StandIn is sent there
// as the script would send it.
namespace {

struct Script {
    QString text;
    bool running = false;
    QString service, path, interface; // where its callDBus goes
};

struct Window {
    QStringList fields; // resourceClass, resourceName, desktopFileName, caption, pid, internalId
};

class KWin : public QObject {
    Q_OBJECT
public:
    QMap<QString, Script> scripts;
    std::optional<Window> active;

    void tell(const Script& script) {
        if (!script.running || !active)
            return;
        QDBusMessage call = QDBusMessage::createMethodCall(script.service, script.path,
                                                           script.interface, "Activated");
        for (const QString& field : active->fields)
            call << field;
        QDBusConnection::sessionBus().send(call);
    }
};

class Scripting : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.kde.kwin.Scripting")
public:
    explicit Scripting(KWin& kwin) : kwin_(kwin) {}

public Q_SLOTS:
    Q_SCRIPTABLE int loadScript(const QString& filePath, const QString& pluginName) {
        if (kwin_.scripts.contains(pluginName))
            return -1; // as KWin: one script per name
        QFile file(filePath);
        if (!file.open(QIODevice::ReadOnly))
            return -1;
        Script script;
        script.text = QString::fromUtf8(file.readAll());
        kwin_.scripts.insert(pluginName, script);
        return nextId_++;
    }
    Q_SCRIPTABLE bool unloadScript(const QString& pluginName) {
        return kwin_.scripts.remove(pluginName) > 0;
    }
    Q_SCRIPTABLE void start() {
        static const QRegularExpression target(
            QStringLiteral("callDBus\\(\"([^\"]*)\", \"([^\"]*)\", \"([^\"]*)\", \"Activated\""));
        for (Script& script : kwin_.scripts) {
            if (script.running)
                continue;
            const QRegularExpressionMatch match = target.match(script.text);
            // A script that does not follow activations in both Plasma versions does nothing.
            if (!match.hasMatch() || !script.text.contains("workspace.windowActivated") ||
                !script.text.contains("workspace.clientActivated"))
                continue;
            script.running = true;
            script.service = match.captured(1);
            script.path = match.captured(2);
            script.interface = match.captured(3);
            kwin_.tell(script); // the script tells the window active when it starts
        }
    }

private:
    KWin& kwin_;
    int nextId_ = 0;
};

class StandIn : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "com.vlak.test.KWinStandIn")
public:
    explicit StandIn(KWin& kwin) : kwin_(kwin) {}

public Q_SLOTS:
    Q_SCRIPTABLE void Activate(const QString& resourceClass, const QString& resourceName,
                               const QString& desktopFileName, const QString& caption,
                               const QString& pid, const QString& internalId) {
        kwin_.active =
            Window{{resourceClass, resourceName, desktopFileName, caption, pid, internalId}};
        for (const Script& script : kwin_.scripts)
            kwin_.tell(script);
    }
    Q_SCRIPTABLE QStringList LoadedScripts() { return kwin_.scripts.keys(); }
    Q_SCRIPTABLE QString ScriptText(const QString& pluginName) {
        return kwin_.scripts.value(pluginName).text;
    }

private:
    KWin& kwin_;
};

} // namespace

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    QDBusConnection bus = QDBusConnection::sessionBus();
    KWin kwin;
    Scripting scripting(kwin);
    StandIn standIn(kwin);
    if (!bus.registerObject("/Scripting", &scripting, QDBusConnection::ExportScriptableSlots) ||
        !bus.registerObject("/StandIn", &standIn, QDBusConnection::ExportScriptableSlots) ||
        !bus.registerService("org.kde.KWin")) {
        std::fprintf(stderr, "cannot serve org.kde.KWin: %s\n",
                     qPrintable(bus.lastError().message()));
        return 1;
    }
    std::printf("ready\n");
    std::fflush(stdout);
    return application.exec();
}

#include "KWinScriptingStandIn.moc"
