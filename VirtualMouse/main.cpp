// kx-virtual-mouse: serves the emulated mouse, or drives a running server.

#include "FlashStore.h"
#include "Process/UnixSignalWatcher.h"
#include "VirtualMouseCommand.h"
#include "VirtualMouseGadget.h"
#include "VirtualMouseServer.h"

#include "Virtual/VirtualUsbProtocol.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLocalSocket>

#include <csignal>
#include <cstdio>
#include <memory>
#include <optional>

namespace {
constexpr int kConnectTimeoutMs = 2000;
constexpr int kReplyTimeoutMs = 5000;

void printLine(FILE* stream, const QString& text) {
    const QByteArray bytes = text.toLocal8Bit();
    std::fprintf(stream, "%s%s", bytes.constData(), bytes.endsWith('\n') ? "" : "\n");
    std::fflush(stream);
}

int usageError(const QString& message) {
    printLine(stderr, QStringLiteral("kx-virtual-mouse: %1").arg(message));
    std::fputs(VirtualMouseCommand::usage().toLocal8Bit().constData(), stderr);
    return 2;
}

// Serves on the socket; with gadget options, the mouse itself is a USB gadget and the socket
// carries the commands.
int serve(QCoreApplication& app, bool plugged,
          std::optional<VirtualMouseGadget::Options> gadgetOptions = std::nullopt) {
    UnixSignalWatcher signals({SIGINT, SIGTERM});
    if (!signals.isValid()) {
        printLine(stderr, QStringLiteral("kx-virtual-mouse: cannot watch signals"));
        return 1;
    }
    VirtualMouseServer server({VirtualUsb::socketPath(), FlashStore::defaultPath(), plugged});
    QObject::connect(&server, &VirtualMouseServer::stateLine,
                     [](const QString& line) { printLine(stdout, line); });
    QObject::connect(&server, &VirtualMouseServer::warning, [](const QString& line) {
        printLine(stderr, QStringLiteral("kx-virtual-mouse: %1").arg(line));
    });
    QString error;
    std::unique_ptr<VirtualMouseGadget> gadget;
    if (gadgetOptions) {
        gadget = std::make_unique<VirtualMouseGadget>(server, *gadgetOptions);
        if (!gadget->start(&error)) {
            printLine(stderr, QStringLiteral("kx-virtual-mouse: %1").arg(error));
            return 1;
        }
        server.setAttachment(gadget.get());
    }
    if (!server.start(&error)) {
        printLine(stderr, error);
        return 1;
    }
    QObject::connect(&signals, &UnixSignalWatcher::received, &app, [&app] { app.quit(); });
    app.exec();
    server.stop();
    if (gadget)
        gadget->stop();
    printLine(stdout, QStringLiteral("stopped"));
    return 0;
}

// Sends one command line to the running server and prints its answer.
int runClient(const QStringList& words) {
    const QString path = VirtualUsb::socketPath();
    QLocalSocket socket;
    socket.connectToServer(path);
    if (!socket.waitForConnected(kConnectTimeoutMs)) {
        printLine(
            stderr,
            QStringLiteral("kx-virtual-mouse is not running (nothing serves on %1)").arg(path));
        return 1;
    }
    socket.write(VirtualUsb::encodeFrame(VirtualUsb::FrameType::Command,
                                         words.join(QLatin1Char(' ')).toUtf8()));
    QByteArray received;
    for (;;) {
        bool malformed = false;
        const auto frame = VirtualUsb::takeFrame(received, &malformed);
        if (frame && frame->type == VirtualUsb::FrameType::Text) {
            const int status = VirtualUsb::readLe<int32_t>(frame->payload, 0).value_or(EPROTO);
            const QString text = QString::fromUtf8(frame->payload.mid(4));
            if (status != 0) {
                printLine(stderr, QStringLiteral("kx-virtual-mouse: %1").arg(text));
                return 1;
            }
            printLine(stdout, text);
            return 0;
        }
        if (malformed || frame) {
            printLine(stderr, QStringLiteral("kx-virtual-mouse: unexpected reply from the server"));
            return 1;
        }
        if (!socket.waitForReadyRead(kReplyTimeoutMs)) {
            printLine(stderr, QStringLiteral("kx-virtual-mouse: no reply from the server: %1")
                                  .arg(socket.errorString()));
            return 1;
        }
        received.append(socket.readAll());
    }
}
} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList words = app.arguments().mid(1);
    const QString verb = words.value(0);

    if (verb == QLatin1String("help") || verb == QLatin1String("--help") ||
        verb == QLatin1String("-h")) {
        std::fputs(VirtualMouseCommand::usage().toLocal8Bit().constData(), stdout);
        return 0;
    }
    if (words.isEmpty() || verb == QLatin1String("serve")) {
        const QStringList options = words.mid(1);
        if (options.size() > 1 ||
            (options.size() == 1 && options[0] != QLatin1String("--unplugged")))
            return usageError(QStringLiteral("serve takes only --unplugged"));
        return serve(app, options.isEmpty());
    }
    if (verb == QLatin1String("gadget")) {
        VirtualMouseGadget::Options options;
        options.mountPoint = QFileInfo(VirtualUsb::socketPath()).absolutePath() +
                             QStringLiteral("/kx-virtual-mouse.ffs");
        bool plugged = true;
        for (qsizetype i = 1; i < words.size(); ++i) {
            if (words[i] == QLatin1String("--unplugged"))
                plugged = false;
            else if (words[i] == QLatin1String("--udc") && i + 1 < words.size())
                options.udc = words[++i];
            else
                return usageError(QStringLiteral("gadget takes --unplugged and --udc NAME"));
        }
        return serve(app, plugged, options);
    }
    QString error;
    if (!VirtualMouseCommand::parse(words, &error))
        return usageError(error);
    return runClient(words);
}
