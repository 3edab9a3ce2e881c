#pragma once

#include <QSet>
#include <QtGlobal>

#include <optional>

// Counts reads that another connection broke into. A read of the mouse is two requests from one
// program: a SET that prepares it and the GET of its answer. The mouse keeps one prepared read
// and makes its answer when asked, so any other connection's request between the two changes or
// takes that answer: two programs at the mouse without taking turns. A prepare never fetched
// (the host leaves the mouse ready to say which profile runs) is no read, and whatever follows
// it is not counted. Connections are told apart by an id of the caller's choice.
class ReadTurns {
public:
    // A SET from a connection; preparesRead when it is a read's prepare.
    void noteSet(quintptr connection, bool preparesRead);
    // A GET from a connection: the answer of the prepared read. True when that answer was not
    // the connection's own undisturbed read (it is then counted).
    bool noteGet(quintptr connection);
    // The connection has closed: a read it left unfinished is nobody's.
    void forget(quintptr connection);

    quint64 broken() const { return broken_; }

private:
    std::optional<quintptr> owner_; // whose prepared read the mouse holds
    bool disturbed_ = false;        // another connection asked something since that prepare
    QSet<quintptr> preparing_;      // connections with a prepare not yet fetched
    quint64 broken_ = 0;
};
