// What the window tells the daemon ("KxSettingChange" on the session bus) and the window's own
// local notifications.
#include "KxAction.h"

#include "KxMessages.h"

#include "Notifications/DistributedNotificationCenter.h"
#include "Notifications/NotificationCenter.h"

using namespace KxMessages;

namespace {
const QString kSettingChangeName = QLatin1String(kSettingChange);
} // namespace

QVariantMap KxAction::indexedValues(const QVariantList& values) {
    QVariantMap userInfo;
    for (qsizetype i = 0; i < values.size(); ++i)
        userInfo.insert(QStringLiteral("value%1").arg(i + 1), values[i]);
    return userInfo;
}

void KxAction::sendMessageToDaemon(int code) {
    DistributedNotificationCenter::defaultCenter().post(
        {kSettingChangeName, QString::number(code), std::nullopt});
}

void KxAction::sendMessageToDaemon(int code, const QVariantList& values) {
    DistributedNotificationCenter::defaultCenter().post(
        {kSettingChangeName, QString::number(code), indexedValues(values)});
}

void KxAction::sendProfileChangeToDaemon(int profileIndex) {
    sendMessageToDaemon(kShowChange, {kShowProfile, profileIndex});
}

void KxAction::sendModeChangeToDaemon(int mode) {
    sendMessageToDaemon(kShowChange, {kShowMode, mode});
}

void KxAction::sendDPiChangeToDaemon(int stage, int x, int y) {
    sendMessageToDaemon(kShowChange, {kShowDpi, stage, x, y});
}

void KxAction::sendRateChangeToDaemon(int rateIndex) {
    sendMessageToDaemon(kShowChange, {kShowRate, rateIndex});
}

void KxAction::sendRelaunchDaemon() {
    sendMessageToDaemon(kRelaunch);
}

void KxAction::sendFinishWinMsg(int type, const QVariant& value) {
    QVariantMap userInfo{{QStringLiteral("type"), type}};
    if (value.isValid())
        userInfo.insert(QStringLiteral("value"), value);
    NotificationCenter::defaultCenter().post(QStringLiteral("Notify_CloseWindow_Event"), {},
                                             userInfo);
}
