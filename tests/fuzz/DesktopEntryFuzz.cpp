// A desktop entry the user picks as the application a button launches, and the applications
// folder the launcher chooser lists. An entry listed is one whose name can be read alone.
#include "FuzzSupport.h"
#include "Workspace/InstalledApplications.h"

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    KxFuzz::setUp(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const QString applications = KxFuzz::folder(QStringLiteral("data/applications"));
    static const QString path = applications + QStringLiteral("/org.example.Fuzz.desktop");
    KxFuzz::writeFile(path, data, size);

    const std::optional<QString> name = InstalledApplications::displayName(path);
    for (const InstalledApplication& application : InstalledApplications::list()) {
        KX_FUZZ_CHECK(!application.id.isEmpty());
        if (application.desktopFile != path)
            continue;
        KX_FUZZ_CHECK_MSG(name && *name == application.name,
                          QStringLiteral("listed as \"%1\", read alone as \"%2\"")
                              .arg(application.name, name.value_or(QStringLiteral("(none)"))));
    }
    return 0;
}
