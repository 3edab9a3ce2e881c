#pragma once

#include "Desktop/FrontApplicationSource.h"

#include "EventLoopWait.h"

#include <vector>

// What a source told, in order.
class FrontApplicationRecorder {
public:
    explicit FrontApplicationRecorder(FrontApplicationSource& source) {
        QObject::connect(&source, &FrontApplicationSource::frontChanged, &source,
                         [this](const FrontApplication& front) { told.push_back(front); });
        QObject::connect(&source, &FrontApplicationSource::lost, &source, [this] { ++lost; });
    }
    // Whether at least count were told within the time.
    bool waitForCount(size_t count, int ms = 10000) {
        return KxTest::waitFor([&] { return told.size() >= count; }, ms);
    }
    // The names of each told, in order.
    std::vector<QStringList> names() const {
        std::vector<QStringList> names;
        for (const FrontApplication& front : told)
            names.push_back(front.names());
        return names;
    }

    std::vector<FrontApplication> told;
    int lost = 0;
};
