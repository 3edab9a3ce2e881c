#include "KWinFrontApplicationSource.h"

#include "Desktop/WindowText.h"

#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDir>
#include <QLoggingCategory>

Q_LOGGING_CATEGORY(lcKWinFront, "kx.desktop.kwin", QtInfoMsg)

namespace {

// KWin answers at once; a KWin that hangs does not hang the caller longer than this.
constexpr int kKWinTimeoutMs = 5000;

QDBusMessage scriptingCall(const char* method, const QVariantList& arguments = {}) {
    QDBusMessage call = QDBusMessage::createMethodCall(
        QLatin1String(KWinFrontApplicationSource::kKWinService),
        QLatin1String(KWinFrontApplicationSource::kScriptingPath),
        QLatin1String(KWinFrontApplicationSource::kScriptingInterface), QLatin1String(method));
    call.setArguments(arguments);
    return call;
}

// What a script may say: bounded and without control characters, as any window's text.
QString windowText(const QString& text) {
    // One character past the bound, so that WindowText knows it cut the text.
    return WindowText::decode(text.left(WindowText::kMaxBytes + 1).toUtf8());
}

} // namespace

QString KWinFrontApplicationSource::script(const QString& service, const QString& path,
                                           const QString& interface) {
    // Plasma 5 gives resourceClass and resourceName as bytes (an ArrayBuffer), Plasma 6 as
    // text; both are sent as text, at most 1024 characters each.
    static const char* const text = R"JS(// Tells a program which window is active.
function text(value) {
    if (value === undefined || value === null)
        return "";
    if (value instanceof ArrayBuffer) {
        var bytes = new Uint8Array(value);
        var decoded = "";
        for (var i = 0; i < bytes.length && i < 1024; ++i)
            decoded += String.fromCharCode(bytes[i]);
        return decoded;
    }
    return String(value).substring(0, 1024);
}
function activated(window) {
    if (!window)
        return;
    callDBus("@SERVICE@", "@PATH@", "@INTERFACE@", "Activated",
             text(window.resourceClass), text(window.resourceName),
             text(window.desktopFileName), text(window.caption), text(window.pid),
             text(window.internalId));
}
if (workspace.windowActivated !== undefined)
    workspace.windowActivated.connect(activated);
else
    workspace.clientActivated.connect(activated);
activated(workspace.activeWindow !== undefined ? workspace.activeWindow : workspace.activeClient);
)JS";
    return QString::fromLatin1(text)
        .replace(QLatin1String("@SERVICE@"), service)
        .replace(QLatin1String("@PATH@"), path)
        .replace(QLatin1String("@INTERFACE@"), interface);
}

std::unique_ptr<KWinFrontApplicationSource>
KWinFrontApplicationSource::start(const QDBusConnection& bus, QString* why, QObject* parent) {
    if (!bus.isConnected()) {
        *why = QStringLiteral("no session bus");
        return nullptr;
    }
    const QString owner = bus.interface()->serviceOwner(QLatin1String(kKWinService));
    if (owner.isEmpty()) {
        *why = QStringLiteral("KWin is not on the session bus");
        return nullptr;
    }
    std::unique_ptr<KWinFrontApplicationSource> source(
        new KWinFrontApplicationSource(bus, owner, parent));
    if (!source->load(why))
        return nullptr;
    return source;
}

KWinFrontApplicationSource::KWinFrontApplicationSource(const QDBusConnection& bus,
                                                       QString kwinOwner, QObject* parent)
    : FrontApplicationSource(Desktop::KWin, parent), bus_(bus), kwinOwner_(std::move(kwinOwner)),
      scriptFile_(QDir::temp().filePath(QStringLiteral("kx-front-application-XXXXXX.js"))),
      kwinWatcher_(QLatin1String(kKWinService), bus, QDBusServiceWatcher::WatchForOwnerChange) {
    // KWin gone or replaced: the script went with it.
    QObject::connect(&kwinWatcher_, &QDBusServiceWatcher::serviceOwnerChanged, this,
                     [this](const QString&, const QString& oldOwner, const QString&) {
                         if (oldOwner != kwinOwner_ || !loaded_)
                             return;
                         loaded_ = false;
                         qCWarning(lcKWinFront, "KWin left the session bus");
                         tellLost();
                     });
}

bool KWinFrontApplicationSource::load(QString* why) {
    // Private to the user (QTemporaryFile makes it 0600); KWin runs as the same user.
    const QByteArray text =
        script(bus_.baseService(), QLatin1String(kObjectPath), QLatin1String(kInterface)).toUtf8();
    if (!scriptFile_.open() || scriptFile_.write(text) != text.size() || !scriptFile_.flush()) {
        *why = QStringLiteral("cannot write the KWin script: %1").arg(scriptFile_.errorString());
        return false;
    }
    if (!bus_.registerObject(QLatin1String(kObjectPath), this,
                             QDBusConnection::ExportScriptableSlots)) {
        *why = QStringLiteral("%1 is already served on this connection")
                   .arg(QLatin1String(kObjectPath));
        return false;
    }
    registered_ = true;
    // One of ours left by an earlier run would tell twice.
    bus_.call(scriptingCall("unloadScript", {QLatin1String(kPluginName)}), QDBus::Block,
              kKWinTimeoutMs);
    const QDBusMessage loaded =
        bus_.call(scriptingCall("loadScript", {scriptFile_.fileName(), QLatin1String(kPluginName)}),
                  QDBus::Block, kKWinTimeoutMs);
    if (loaded.type() != QDBusMessage::ReplyMessage || loaded.arguments().isEmpty() ||
        loaded.arguments().constFirst().toInt() < 0) {
        *why = loaded.type() == QDBusMessage::ErrorMessage
                   ? QStringLiteral("KWin did not load the script: %1").arg(loaded.errorMessage())
                   : QStringLiteral("KWin did not load the script");
        return false;
    }
    loaded_ = true;
    // Starts the scripts loaded and not yet running: ours.
    const QDBusMessage started = bus_.call(scriptingCall("start"), QDBus::Block, kKWinTimeoutMs);
    if (started.type() != QDBusMessage::ReplyMessage) {
        *why = QStringLiteral("KWin did not start the script: %1").arg(started.errorMessage());
        return false;
    }
    return true;
}

KWinFrontApplicationSource::~KWinFrontApplicationSource() {
    if (loaded_) {
        // Not waited for: KWin unloads it whenever it reads the call.
        bus_.send(scriptingCall("unloadScript", {QLatin1String(kPluginName)}));
    }
    if (registered_)
        bus_.unregisterObject(QLatin1String(kObjectPath));
}

void KWinFrontApplicationSource::Activated(const QString& resourceClass,
                                           const QString& resourceName,
                                           const QString& desktopFileName, const QString& caption,
                                           const QString& pid, const QString& windowId) {
    if (!calledFromDBus() || message().service() != kwinOwner_) {
        if (calledFromDBus())
            sendErrorReply(QDBusError::AccessDenied, QStringLiteral("only KWin tells this"));
        qCWarning(lcKWinFront, "an activation from %s, which is not KWin, ignored",
                  qPrintable(calledFromDBus() ? message().service() : QStringLiteral("here")));
        return;
    }
    FrontApplication application;
    application.appId = windowText(desktopFileName);
    application.wmClass = windowText(resourceClass);
    application.wmInstance = windowText(resourceName);
    application.title = windowText(caption);
    bool numeric = false;
    const qint64 number = pid.toLongLong(&numeric);
    application.pid = numeric && number > 0 ? number : 0;
    const QString window = windowText(windowId);
    if (!window.isEmpty() && window == told_ && application.sameApplication(front()))
        return;
    told_ = window;
    tell(application);
}
