#pragma once

#include <QByteArray>
#include <QString>

#include <cstddef>
#include <cstdint>

// What the fuzz targets share: one private home per process, the application object, quiet logs
// and the checks that turn a broken property into a finding.
namespace KxFuzz {

enum class App {
    Core,    // QCoreApplication
    Widgets, // QApplication on the offscreen platform
};

// Once, from LLVMFuzzerInitialize: HOME and every XDG folder in a scratch folder of this process
// (on a memory file system where there is one, as inputs are written to files at thousands a
// second), GSettings in memory, the application object, Qt's and the programs' log lines dropped
// (KX_FUZZ_VERBOSE=1 keeps them), the command channel's pauses skipped.
void setUp(int* argc, char*** argv, App app = App::Core);

// A folder of the scratch folder ("data", "config", "runtime", or one of the target's own),
// made on first use; the data folder is the programs' sysPath.
QString folder(const QString& name);
// Removes everything inside the folder, keeping the folder.
void emptyFolder(const QString& path);

void writeFile(const QString& path, const QByteArray& bytes);
void writeFile(const QString& path, const uint8_t* data, size_t size);
// The file's bytes; a null array when it cannot be read.
QByteArray readFile(const QString& path);

// A property that does not hold: says which and where, then aborts, which libFuzzer records as
// a crash with the input that caused it.
[[noreturn]] void fail(const char* condition, const QString& detail, const char* file, int line);

} // namespace KxFuzz

#define KX_FUZZ_CHECK(condition)                                                                   \
    do {                                                                                           \
        if (!(condition))                                                                          \
            KxFuzz::fail(#condition, QString(), __FILE__, __LINE__);                               \
    } while (false)

#define KX_FUZZ_CHECK_MSG(condition, detail)                                                       \
    do {                                                                                           \
        if (!(condition))                                                                          \
            KxFuzz::fail(#condition, (detail), __FILE__, __LINE__);                                \
    } while (false)
