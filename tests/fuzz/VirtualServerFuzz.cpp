// Frames a client sends to the emulated mouse's server, over its socket. The server answers in
// well-formed frames, stays responsive (a status command after the input is answered) and closes
// a connection that sends a malformed frame.
#include "FuzzSupport.h"
#include "Virtual/VirtualUsbProtocol.h"
#include "VirtualMouseServer.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QEventLoop>
#include <QLocalSocket>

using namespace VirtualUsb;

namespace {

template <typename Condition>
bool waitFor(Condition condition, int ms = 5000) {
    QDeadlineTimer deadline(ms);
    while (!condition() && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 20);
    return condition();
}

struct Replies {
    QByteArray received;
    int texts = 0;
    bool malformed = false;

    void take(QLocalSocket& socket) {
        received.append(socket.readAll());
        for (;;) {
            bool bad = false;
            const auto frame = takeFrame(received, &bad);
            malformed = malformed || bad;
            if (!frame)
                return;
            texts += frame->type == FrameType::Text;
        }
    }
};

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    KxFuzz::setUp(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const QString folder = KxFuzz::folder(QStringLiteral("server"));
    const QByteArray input(reinterpret_cast<const char*>(data), qsizetype(size));

    // The complete frames of the input, and whether a malformed one follows them.
    QByteArray rest = input;
    int commands = 0;
    bool malformed = false;
    for (;;) {
        const auto frame = takeFrame(rest, &malformed);
        if (!frame)
            break;
        commands += frame->type == FrameType::Command;
    }
    const QByteArray frames = input.left(input.size() - rest.size());

    KxFuzz::emptyFolder(folder);
    VirtualMouseServer server(
        {folder + QStringLiteral("/mouse.sock"), folder + QStringLiteral("/flash.bin"), true});
    QString error;
    KX_FUZZ_CHECK_MSG(server.start(&error), error);
    QString closed; // why the server closed the connection
    QObject::connect(&server, &VirtualMouseServer::warning, [&](const QString& line) {
        if (line.startsWith(QLatin1String("closing a connection")))
            closed = line;
    });

    QLocalSocket client;
    Replies replies;
    QObject::connect(&client, &QLocalSocket::readyRead, [&] { replies.take(client); });
    client.connectToServer(folder + QStringLiteral("/mouse.sock"));
    KX_FUZZ_CHECK(client.waitForConnected(2000));

    if (malformed) {
        // Everything, and the server hangs up.
        client.write(input);
        KX_FUZZ_CHECK_MSG(waitFor([&] { return client.state() == QLocalSocket::UnconnectedState; }),
                          QStringLiteral("a malformed frame did not close the connection"));
    } else {
        // The complete frames and a status command: its answer comes after every other.
        client.write(frames + encodeFrame(FrameType::Command, "status"));
        KX_FUZZ_CHECK_MSG(waitFor([&] {
                              return replies.texts > commands ||
                                     client.state() == QLocalSocket::UnconnectedState;
                          }),
                          QStringLiteral("no answer to a status command"));
        // Answered, or closed for a reason the server gives.
        if (client.state() == QLocalSocket::ConnectedState)
            KX_FUZZ_CHECK(replies.texts > commands);
        else
            KX_FUZZ_CHECK_MSG(!closed.isEmpty(), QStringLiteral("closed without a reason"));
        // What is left is part of a frame: sent, then the client goes.
        client.write(rest);
        client.flush();
    }
    KX_FUZZ_CHECK(!replies.malformed);
    client.abort();
    server.stop();
    QCoreApplication::processEvents();
    return 0;
}
