// The emulated mouse's dump and status texts, for a person at the command line and for tests.
#include "VirtualMouseServer.h"

QString VirtualMouseServer::dumpText() const {
    using Fw = VirtualMouseFirmware;
    const Fw::State& state = firmware_.state();
    QString text = QStringLiteral("%1\nactive profile: %2\nstage: %3 (%4 DPI)\nDPI stages:")
                       .arg(plugged_ ? QStringLiteral("plugged") : QStringLiteral("unplugged"))
                       .arg(state.profile)
                       .arg(state.stage + 1)
                       .arg(state.dpi * 100);
    const QByteArray stored = firmware_.memory(Fw::kStoredDpi, Fw::kStages);
    for (char dpi : stored)
        text += QStringLiteral(" %1").arg(uint8_t(dpi) * 100);
    text += QStringLiteral("\nrate: %1 Hz\nlogo light: %2\nwheel light: %3\nlock: %4\n")
                .arg(state.rateHz())
                .arg(state.logoLight ? "on" : "off", state.wheelLight ? "on" : "off",
                     state.locked ? "locked" : "unlocked");
    text += QStringLiteral("stored block (5..11): %1\n")
                .arg(QString::fromLatin1(firmware_.memory(Fw::kStoredProfile, 7).toHex(' ')));
    for (int p = 0; p < Fw::kProfiles; ++p) {
        for (int b = 0; b < Fw::kButtons; ++b) {
            text += QStringLiteral("profile %1 button %2 @%3: %4\n")
                        .arg(p + 1)
                        .arg(b + 1)
                        .arg(Fw::recordAddress(p, b))
                        .arg(QString::fromLatin1(firmware_.record(p, b).toHex(' ')));
        }
    }
    return text;
}

QString VirtualMouseServer::statusText() const {
    QString text = QStringLiteral("plugged: %1\ngeneration: %2\nsubscribers: %3\nrequests: %4\n"
                                  "requests closer than the pacing: %5\n"
                                  "reads another connection broke into: %6\n"
                                  "profile switches by the host: %7\n")
                       .arg(plugged_ ? "yes" : "no")
                       .arg(generation_)
                       .arg(subscriberCount())
                       .arg(pacing_.requests())
                       .arg(pacing_.tooClose())
                       .arg(readTurns_.broken())
                       .arg(firmware_.hostProfileSwitches());
    text += motionTimer_.isActive()
                ? QStringLiteral("motion stream: %1 Hz, %2 of %3 reports sent\n")
                      .arg(motionHz_)
                      .arg(motionSent_)
                      .arg(motionTotal_)
                : QStringLiteral("motion stream: off\n");
    text += QStringLiteral("fault armed: %1\n").arg(faults_.describe());
    return text;
}
