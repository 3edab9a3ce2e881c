// Preloaded into a child process: counts the steps by which a save reaches the disk (writes,
// syncs, renames and links of files under KX_STEP_PREFIX) and kills the process with SIGKILL
// just before step KX_KILL_AT, as a crash or a `kill -9` would. Every counted step is appended
// to KX_STEP_LOG, if set, so the parent learns how many there are.
#include <dlfcn.h>
#include <signal.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/types.h>
#include <unistd.h>

#include <atomic>

namespace {

std::atomic<long> steps{0};

template <typename F>
F next(const char* name) {
    return reinterpret_cast<F>(dlsym(RTLD_NEXT, name));
}

const char* prefix() {
    static const char* value = getenv("KX_STEP_PREFIX");
    return value && *value ? value : nullptr;
}

bool under(const char* path) {
    const char* p = prefix();
    return p && path && strncmp(path, p, strlen(p)) == 0;
}

bool fdUnder(int fd) {
    if (!prefix())
        return false;
    char link[64], target[4096];
    snprintf(link, sizeof link, "/proc/self/fd/%d", fd);
    const ssize_t n = readlink(link, target, sizeof target - 1);
    if (n <= 0)
        return false;
    target[n] = '\0';
    return under(target);
}

// The log is outside the prefix, so its own writes are not steps.
void step(const char* what, const char* detail) {
    const long n = ++steps;
    if (const char* log = getenv("KX_STEP_LOG")) {
        if (FILE* file = fopen(log, "ae")) {
            fprintf(file, "%ld %s %s\n", n, what, detail);
            fclose(file);
        }
    }
    if (const char* at = getenv("KX_KILL_AT"); at && atol(at) == n)
        kill(getpid(), SIGKILL);
}

void fdStep(const char* what, int fd) {
    if (fdUnder(fd)) {
        char detail[32];
        snprintf(detail, sizeof detail, "fd %d", fd);
        step(what, detail);
    }
}

} // namespace

extern "C" {

ssize_t write(int fd, const void* buffer, size_t count) {
    static const auto real = next<ssize_t (*)(int, const void*, size_t)>("write");
    fdStep("write", fd);
    return real(fd, buffer, count);
}

int fsync(int fd) {
    static const auto real = next<int (*)(int)>("fsync");
    fdStep("fsync", fd);
    return real(fd);
}

int fdatasync(int fd) {
    static const auto real = next<int (*)(int)>("fdatasync");
    fdStep("fdatasync", fd);
    return real(fd);
}

int rename(const char* from, const char* to) {
    static const auto real = next<int (*)(const char*, const char*)>("rename");
    if (under(from) || under(to))
        step("rename", to);
    return real(from, to);
}

int renameat(int fromDir, const char* from, int toDir, const char* to) {
    static const auto real = next<int (*)(int, const char*, int, const char*)>("renameat");
    if (under(from) || under(to))
        step("renameat", to);
    return real(fromDir, from, toDir, to);
}

int renameat2(int fromDir, const char* from, int toDir, const char* to, unsigned flags) {
    static const auto real =
        next<int (*)(int, const char*, int, const char*, unsigned)>("renameat2");
    if (under(from) || under(to))
        step("renameat2", to);
    return real(fromDir, from, toDir, to, flags);
}

int linkat(int fromDir, const char* from, int toDir, const char* to, int flags) {
    static const auto real = next<int (*)(int, const char*, int, const char*, int)>("linkat");
    if (under(to))
        step("linkat", to);
    return real(fromDir, from, toDir, to, flags);
}

} // extern "C"
