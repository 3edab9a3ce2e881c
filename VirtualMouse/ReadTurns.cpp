#include "ReadTurns.h"

void ReadTurns::noteSet(quintptr connection, bool preparesRead) {
    if (owner_ && *owner_ != connection)
        disturbed_ = true;
    if (preparesRead) {
        owner_ = connection;
        disturbed_ = false;
        preparing_.insert(connection);
    }
}

bool ReadTurns::noteGet(quintptr connection) {
    bool broke = false;
    if (preparing_.remove(connection))
        broke = owner_ != connection || disturbed_;
    else
        broke = owner_ && *owner_ != connection; // the answer to another's prepare
    if (owner_ == connection) {
        owner_.reset();
        disturbed_ = false;
    }
    broken_ += broke;
    return broke;
}

void ReadTurns::forget(quintptr connection) {
    preparing_.remove(connection);
    if (owner_ == connection) {
        owner_.reset();
        disturbed_ = false;
    }
}
