#include "AppRulesDaemon.h"

#include "HvLogger.h"
#include "KxMessages.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>

namespace {

// Calls a method of the program's rules object; reply gets the answer's arguments, or none.
void call(QObject* context, const char* method,
          std::function<void(std::optional<QList<QVariant>>)> reply) {
    QDBusMessage message = QDBusMessage::createMethodCall(
        QLatin1String(KxMessages::kDaemonService), QLatin1String(KxMessages::kRulesPath),
        QLatin1String(KxMessages::kRulesInterface), QLatin1String(method));
    // A question is no reason to start the program: its absence is the answer.
    message.setAutoStartService(false);
    const QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) {
        reply(std::nullopt);
        return;
    }
    auto* watcher =
        new QDBusPendingCallWatcher(bus.asyncCall(message, AppRulesDaemon::kTimeoutMs), context);
    QObject::connect(watcher, &QDBusPendingCallWatcher::finished, context,
                     [watcher, method, reply = std::move(reply)] {
                         watcher->deleteLater();
                         const QDBusMessage answer = watcher->reply();
                         if (answer.type() != QDBusMessage::ReplyMessage) {
                             HV_DEBUG(QStringLiteral("%1: no answer from the background "
                                                     "program (%2)")
                                          .arg(QLatin1String(method), answer.errorName()));
                             reply(std::nullopt);
                             return;
                         }
                         reply(answer.arguments());
                     });
}

bool isString(const QVariant& value) {
    return value.typeId() == QMetaType::QString;
}

} // namespace

void AppRulesDaemon::askAvailability(QObject* context,
                                     std::function<void(std::optional<Availability>)> answer) {
    call(context, "Availability", [answer = std::move(answer)](auto arguments) {
        if (!arguments || arguments->size() != 2 || arguments->at(0).typeId() != QMetaType::Bool ||
            !isString(arguments->at(1))) {
            answer(std::nullopt);
            return;
        }
        answer(Availability{arguments->at(0).toBool(), arguments->at(1).toString()});
    });
}

void AppRulesDaemon::askFrontApplication(
    QObject* context, std::function<void(std::optional<FrontApplication>)> answer) {
    call(context, "FrontApplication", [answer = std::move(answer)](auto arguments) {
        if (!arguments || arguments->size() != 2 || !isString(arguments->at(0)) ||
            !isString(arguments->at(1))) {
            answer(std::nullopt);
            return;
        }
        answer(FrontApplication{arguments->at(0).toString(), arguments->at(1).toString()});
    });
}
