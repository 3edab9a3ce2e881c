// A ".kxsetup" file a user imports with kxctl or the window: what is read writes out and reads
// again to the same set-up; a refusal names a reason; the file on disk is read as the bytes are.
#include "FuzzSupport.h"
#include "KxSetupFile.h"

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    KxFuzz::setUp(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const QString folder = KxFuzz::folder(QStringLiteral("setups"));
    static const QString in = folder + QStringLiteral("/in.kxsetup");
    static const QString out = folder + QStringLiteral("/out.kxsetup");
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));

    const KxSetup::Parsed parsed = KxSetup::parse(bytes);
    if (!parsed.file) {
        KX_FUZZ_CHECK(!parsed.error.reason.isEmpty());
        return 0;
    }
    // Written in the current version and read again: the same set-up.
    const QByteArray written = KxSetup::serialize(*parsed.file);
    const KxSetup::Parsed again = KxSetup::parse(written);
    KX_FUZZ_CHECK_MSG(again.file, again.error.text());
    KX_FUZZ_CHECK_MSG(*again.file == *parsed.file, QString::fromUtf8(written));
    // And a second writing is the first, byte for byte.
    KX_FUZZ_CHECK(KxSetup::serialize(*again.file) == written);

    // Through a file, as kxctl reads one.
    KxFuzz::writeFile(in, data, size);
    const KxSetup::Parsed fromDisk = KxSetup::readFile(in);
    KX_FUZZ_CHECK(fromDisk.file && *fromDisk.file == *parsed.file);
    QString why;
    KX_FUZZ_CHECK_MSG(KxSetup::writeFile(*parsed.file, out, &why), why);
    return 0;
}
