#pragma once

#include <QtGlobal>

#include <optional>

// Counts reads that another connection broke into. A read of the mouse is two requests from one
// program: a SET that prepares it and the GET of its answer. The mouse keeps one prepared read,
// so any other connection's request between the two changes or takes that answer: two programs
// at the mouse without taking turns. Connections are told apart by an id of the caller's choice.
class ReadTurns {
public:
    // A SET from a connection; preparesRead when it is the read's prepare.
    void noteSet(quintptr connection, bool preparesRead);
    // A GET from a connection: the answer of the prepared read.
    void noteGet(quintptr connection);
    // The connection has closed: a read it left unfinished is nobody's.
    void forget(quintptr connection);

    quint64 broken() const { return broken_; }

private:
    std::optional<quintptr> reading_; // prepared a read and has not yet taken its answer
    quint64 broken_ = 0;
};
