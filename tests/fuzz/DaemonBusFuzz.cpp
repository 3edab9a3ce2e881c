// A "KxSettingChange" signal to the daemon as it comes off the bus: the input chooses the
// signal's three arguments (any D-Bus types, nested), a peer connection in this process carries
// it through the wire format, and the notification centre's decoding hands it to the daemon's
// handler.
#include "DaemonBench.h"
#include "KxMessages.h"
#include "Notifications/DistributedNotificationCenter.h"

#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusServer>
#include <QDBusVariant>
#include <QDeadlineTimer>
#include <QEventLoop>

#include <fuzzer/FuzzedDataProvider.h>

namespace {

struct Peer {
    std::unique_ptr<QDBusServer> server;
    std::optional<QDBusConnection> serverSide;
    std::optional<QDBusConnection> client;
    std::unique_ptr<DistributedNotificationCenter> center;
    int delivered = 0;
};
Peer peer;

// Waits on the event loop (a harness, not the programs) until the condition holds or 2 s pass.
template <typename Condition>
bool waitFor(Condition condition) {
    QDeadlineTimer deadline(2000);
    while (!condition() && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    return condition();
}

QVariant value(FuzzedDataProvider& in, int depth);

QVariantMap dictionary(FuzzedDataProvider& in, int depth) {
    static const char* const kKeys[] = {"value1", "value2", "value3", "value4", "type", ""};
    QVariantMap map;
    const int count = in.ConsumeIntegralInRange(0, 5);
    for (int i = 0; i < count; ++i) {
        const QString key = in.ConsumeBool()
                                ? QString::fromLatin1(kKeys[in.ConsumeIntegralInRange(0, 5)])
                                : QString::fromStdString(in.ConsumeRandomLengthString(12));
        map.insert(key, value(in, depth + 1));
    }
    return map;
}

// A value of one of the types a peer can send; containers nest a few levels.
QVariant value(FuzzedDataProvider& in, int depth) {
    const int kind = in.ConsumeIntegralInRange(0, depth < 3 ? 11 : 8);
    switch (kind) {
    case 0:
        return in.ConsumeIntegral<int32_t>();
    case 1:
        return in.ConsumeBool();
    case 2:
        return QString::fromStdString(in.ConsumeRandomLengthString(24));
    case 3:
        return in.ConsumeFloatingPoint<double>();
    case 4:
        return in.ConsumeIntegral<uint32_t>();
    case 5:
        return QVariant::fromValue(in.ConsumeIntegral<qint64>());
    case 6:
        return QVariant::fromValue(in.ConsumeIntegral<uchar>());
    case 7:
        return QVariant::fromValue(in.ConsumeIntegral<short>());
    case 8:
        return QByteArray::fromStdString(in.ConsumeRandomLengthString(16));
    case 9:
        return QVariant::fromValue(QDBusVariant(value(in, depth + 1)));
    case 10:
        return dictionary(in, depth);
    default: {
        QStringList list;
        const int count = in.ConsumeIntegralInRange(0, 4);
        for (int i = 0; i < count; ++i)
            list.append(QString::fromStdString(in.ConsumeRandomLengthString(8)));
        return list;
    }
    }
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    DaemonBench::get().start(argc, argv);
    const QString socket = KxFuzz::folder(QStringLiteral("bus")) + QStringLiteral("/peer");
    peer.server = std::make_unique<QDBusServer>(QStringLiteral("unix:path=") + socket);
    KX_FUZZ_CHECK_MSG(peer.server->isConnected(), peer.server->lastError().message());
    QObject::connect(peer.server.get(), &QDBusServer::newConnection,
                     [](const QDBusConnection& connection) { peer.serverSide = connection; });
    peer.client = QDBusConnection::connectToPeer(peer.server->address(), QStringLiteral("fuzz"));
    KX_FUZZ_CHECK(peer.client->isConnected());
    KX_FUZZ_CHECK(waitFor([] { return peer.serverSide.has_value(); }));
    peer.center = std::make_unique<DistributedNotificationCenter>(*peer.serverSide);
    const auto token = peer.center->addObserver(
        QString::fromLatin1(KxMessages::kSettingChange), [](const Notification& notification) {
            ++peer.delivered;
            DaemonBench::get().handler->apReportPro(notification);
        });
    KX_FUZZ_CHECK(token != 0);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider in(data, size);
    static const int kCodes[] = {KxMessages::kSettingsSaved, KxMessages::kDisplaySwitch,
                                 KxMessages::kShowChange, KxMessages::kRelaunch};
    QDBusMessage signal =
        QDBusMessage::createSignal(QString::fromLatin1(DistributedNotificationCenter::kPath),
                                   QString::fromLatin1(DistributedNotificationCenter::kInterface),
                                   QString::fromLatin1(KxMessages::kSettingChange));
    // Mostly what the window sends (a code as text, a dictionary of integers, true), each part
    // possibly of another type or missing.
    QList<QVariant> arguments;
    const int count = in.ConsumeIntegralInRange(0, 4);
    for (int i = 0; i < count; ++i) {
        const bool usual = in.ConsumeBool();
        if (i == 0 && usual)
            arguments.append(QString::number(kCodes[in.ConsumeIntegralInRange(0, 3)]));
        else if (i == 1 && usual)
            arguments.append(QVariant::fromValue(dictionary(in, 0)));
        else if (i == 2 && usual)
            arguments.append(in.ConsumeBool());
        else
            arguments.append(value(in, 0));
    }
    signal.setArguments(arguments);

    const int before = peer.delivered;
    if (!peer.client->send(signal))
        return 0;
    KX_FUZZ_CHECK_MSG(waitFor([&] { return peer.delivered > before; }),
                      QStringLiteral("a signal sent was not delivered"));
    DaemonBench::settle();
    return 0;
}
