#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// Reading a file at a path that something else may have put there (a desktop entry, an archive
// chosen in a dialog, a path stored long ago): opened without blocking, so that a FIFO or a
// device at the path cannot stall the caller, checked on the open file to be a regular file of
// bounded size, and read to that bound at most even if it grows meanwhile. Checked and read
// through one descriptor, so nothing can be swapped in between.
class RegularFile {
public:
    // The file's bytes; none, with the reason in *why ("is not a regular file", ...), for
    // anything else or more than maxBytes.
    static std::optional<QByteArray> read(const QString& path, qint64 maxBytes,
                                          QString* why = nullptr);
    // "is larger than 1 MiB": a bound said the way a person reads it.
    static QString tooLargeText(qint64 maxBytes);
};
