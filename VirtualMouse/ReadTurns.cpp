#include "ReadTurns.h"

void ReadTurns::noteSet(quintptr connection, bool preparesRead) {
    if (reading_ && *reading_ != connection) {
        ++broken_;
        reading_.reset();
    }
    if (preparesRead)
        reading_ = connection;
}

void ReadTurns::noteGet(quintptr connection) {
    if (reading_ && *reading_ != connection)
        ++broken_;
    reading_.reset();
}

void ReadTurns::forget(quintptr connection) {
    if (reading_ == connection)
        reading_.reset();
}
