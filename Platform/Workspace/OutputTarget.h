#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// Writing where a user pointed, as a user means it: a regular file (or a new one) is replaced
// atomically, never left half-written; a FIFO, a terminal, /dev/null and a descriptor the
// program was given (/dev/stdout, /dev/fd/N as a shell's process substitution names it) are
// written in place; any other device, a folder or a socket is refused, so that a stray path never
// turns a device node into a file or sends a file's bytes to hardware.
class OutputTarget {
public:
    static bool write(const QString& path, const QByteArray& bytes, QString* why = nullptr);

    // All of bytes to an open descriptor, through interruptions and short writes.
    static bool writeAll(int fd, const QByteArray& bytes, QString* why = nullptr);
    // An open descriptor read to its end (a pipe, a terminal, a file), at most maxBytes; none,
    // with the reason, when there is more or it cannot be read.
    static std::optional<QByteArray> readAll(int fd, qint64 maxBytes, QString* why = nullptr);
};
