#include "HvDaemon/HvUSBDealwithObj.h"

#include "KxMessages.h"

#include "Notifications/DistributedNotificationCenter.h"
#include "Workspace/Workspace.h"

#include <QFileInfo>

namespace {
constexpr int kDeviceRemoved = KxMessages::kStatusRemoved;
constexpr int kDeviceArrived = KxMessages::kStatusArrived;
} // namespace

HvUSBDealwithObj::HvUSBDealwithObj() = default;
HvUSBDealwithObj::~HvUSBDealwithObj() = default;

bool HvUSBDealwithObj::openDeviceWhenAdd() {
    return false;
}

std::optional<QString> HvUSBDealwithObj::notifyDevStatusStr() {
    return std::nullopt;
}

std::optional<QString> HvUSBDealwithObj::deviceOptionPath() {
    return std::nullopt;
}

void HvUSBDealwithObj::dealWithMsg(const uint8_t* /*report*/) {}

void HvUSBDealwithObj::postDevStatus(const QVariantMap& userInfo) {
    const std::optional<QString> name = notifyDevStatusStr();
    if (!name)
        return;
    DistributedNotificationCenter::defaultCenter().post({*name, QVariant(), userInfo});
}

void HvUSBDealwithObj::sendDevStatus(int type, int value) {
    postDevStatus({{QStringLiteral("type"), type}, {QStringLiteral("value"), value}});
}

void HvUSBDealwithObj::sendDevStatus(int type, const QVariantList& values) {
    QVariantMap userInfo{{QStringLiteral("type"), type}};
    for (qsizetype i = 0; i < values.size(); ++i)
        userInfo.insert(QStringLiteral("value%1").arg(i + 1), values[i]);
    postDevStatus(userInfo);
}

bool HvUSBDealwithObj::openDeviceOption() {
    if (!openDeviceWhenAdd())
        return false;
    const std::optional<QString> path = deviceOptionPath();
    if (!path)
        return false;
    if (Workspace::isApplicationRunningAtPath(*path))
        return false;
    if (QFileInfo::exists(*path))
        Workspace::openFile(*path);
    return true;
}

void HvUSBDealwithObj::removeDevPro() {
    isOnDev_ = false;
    sendDevStatus(kDeviceRemoved, kDeviceRemoved);
}

void HvUSBDealwithObj::andDevPro() {
    isOnDev_ = true;
    if (!openDeviceOption())
        sendDevStatus(kDeviceArrived, kDeviceArrived);
}

void HvUSBDealwithObj::didEndInit() {}

void HvUSBDealwithObj::reloadRequested() {}
