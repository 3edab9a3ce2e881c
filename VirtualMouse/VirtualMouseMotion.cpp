// The emulated mouse's motion stream: pointer reports at a steady rate, for measuring what the
// host spends on them.
#include "VirtualMouseServer.h"

void VirtualMouseServer::startMotion(int hz, int seconds) {
    motionHz_ = hz;
    motionSent_ = 0;
    motionTotal_ = qint64(hz) * seconds;
    motionClock_.start();
    motionTimer_.start(qMax(1, 1000 / hz));
}

void VirtualMouseServer::stopMotion() {
    motionTimer_.stop();
    motionTotal_ = 0;
}

void VirtualMouseServer::onMotionTick() {
    const qint64 due = qMin(motionTotal_, motionClock_.nsecsElapsed() * motionHz_ / 1000000000);
    for (; motionSent_ < due; ++motionSent_) {
        // A small square, one side per quarter second, so the pointer ends where it started.
        const int side = int(motionSent_ * 4 / motionHz_) % 4;
        const int16_t dx = side == 0 ? 1 : side == 2 ? -1 : 0;
        const int16_t dy = side == 1 ? 1 : side == 3 ? -1 : 0;
        QByteArray bytes(8, '\0');
        bytes[0] = char(VirtualMouseFirmware::kPointerReportId);
        bytes[2] = char(dx & 0xFF);
        bytes[3] = char((dx >> 8) & 0xFF);
        bytes[4] = char(dy & 0xFF);
        bytes[5] = char((dy >> 8) & 0xFF);
        sendInputReport({VirtualMouseFirmware::kPointerInterface, bytes});
    }
    if (motionSent_ >= motionTotal_) {
        stopMotion();
        Q_EMIT stateLine(QStringLiteral("motion stream ended: %1 reports").arg(motionSent_));
    }
}
