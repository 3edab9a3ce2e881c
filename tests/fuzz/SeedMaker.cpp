// kx-fuzz-seeds <folder>: the binary seeds of the fuzz targets, made from the emulated mouse's own
// descriptors, memory and wire format, as <folder>/<target>/<name>.
#include "Virtual/VirtualUsbProtocol.h"
#include "VirtualMouseDescriptors.h"
#include "VirtualMouseFirmware.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>

#include <cstdio>
#include <cstdlib>

namespace {

QString root;

void seed(const char* target, const char* name, const QByteArray& bytes) {
    const QString folder = root + QLatin1Char('/') + QLatin1String(target);
    QFile file(folder + QLatin1Char('/') + QLatin1String(name));
    if (!QDir().mkpath(folder) || !file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        file.write(bytes) != bytes.size()) {
        std::fprintf(stderr, "kx-fuzz-seeds: cannot write %s\n", qPrintable(file.fileName()));
        std::exit(1);
    }
}

QByteArray littleEndian(std::initializer_list<uint64_t> values, int width) {
    QByteArray out;
    for (const uint64_t value : values)
        for (int i = 0; i < width; ++i)
            out.append(char((value >> (8 * i)) & 0xFF));
    return out;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: kx-fuzz-seeds FOLDER\n");
        return 2;
    }
    root = QString::fromLocal8Bit(argv[1]);

    // Report descriptors of both interfaces.
    seed("report-descriptor", "pointer", VirtualMouseDescriptors::reportDescriptor(0));
    seed("report-descriptor", "control", VirtualMouseDescriptors::reportDescriptor(1));

    // Button records of each slot of the factory memory, behind a byte for "no fault", and once
    // with a short read in the middle.
    const QByteArray memory = VirtualMouseFirmware::factoryImage();
    constexpr int kSlotBytes = 5 * 82;
    for (int slot = 0; slot < 5; ++slot) {
        const QByteArray records = memory.mid(16 + slot * kSlotBytes, kSlotBytes);
        const QByteArray name = "slot" + QByteArray::number(slot);
        seed("button-records", name.constData(), QByteArray(1, '\0') + records);
        if (slot == 0)
            seed("button-records", "slot0-short-read", QByteArray(1, char(40)) + records);
    }

    // A server's unasked frames and a client's requests, one stream each.
    using namespace VirtualUsb;
    Presence presence;
    presence.plugged = true;
    presence.generation = 3;
    presence.vendorId = 0x04F2;
    presence.productId = 0x1106;
    presence.interfaces = {0, 1};
    presence.name = QStringLiteral("Emulated mouse");
    const QByteArray report = QByteArray::fromHex("0201000000000000");
    seed("virtual-frames", "server",
         encodeFrame(FrameType::Presence, encodePresence(presence)) +
             encodeFrame(FrameType::InputReport, encodeInputReport(3, 1, report)) +
             encodeFrame(FrameType::Result,
                         littleEndian({0}, 4) + littleEndian({16}, 4) + QByteArray(16, '\x04')) +
             encodeFrame(FrameType::Text, littleEndian({0}, 4) + "plugged"));
    // A client's requests: to the server's generation 1, then commands it knows.
    const QByteArray generation = littleEndian({1}, 8);
    const QByteArray requests =
        encodeFrame(FrameType::Subscribe, QByteArray::fromHex("0102")) +
        encodeFrame(FrameType::SetFeature, generation +
                                               QByteArray::fromHex("01"
                                                                   "04"
                                                                   "0000"
                                                                   "0c") +
                                               QByteArray(11, '\0')) +
        encodeFrame(FrameType::GetFeature, generation + QByteArray::fromHex("01"
                                                                            "1000"
                                                                            "04")) +
        encodeFrame(FrameType::Reset, generation) + encodeFrame(FrameType::Command, "press dpi");
    seed("virtual-frames", "client", requests);
    seed("virtual-server", "requests", requests);
    seed("virtual-server", "commands",
         encodeFrame(FrameType::Command, "fault stall --at 2 --on read") +
             encodeFrame(FrameType::Command, "unplug") + encodeFrame(FrameType::Command, "plug") +
             encodeFrame(FrameType::Command, "stream-motion 1000 1") +
             encodeFrame(FrameType::Command, "press button 3") +
             encodeFrame(FrameType::Command, "dump"));
    return 0;
}
