#pragma once

#include "KxProtocol.h"

#include <QByteArray>

#include <cstdint>
#include <map>
#include <vector>

// A button record as the mouse holds it, read step by step: what a test asks of the bytes the
// emulated firmware stores, in the protocol's terms.
struct HeldRecord {
    struct Step {
        uint8_t code;
        uint8_t flags;
        bool released() const { return flags & KxProtocol::kStepRelease; }
        bool last() const { return flags & KxProtocol::kStepLast; }
    };

    explicit HeldRecord(const QByteArray& bytes) {
        for (int i = 0; i < KxProtocol::kMaxRecordSteps && 2 * i + 1 < bytes.size(); ++i) {
            const Step step{uint8_t(bytes[2 * i]), uint8_t(bytes[2 * i + 1])};
            steps.push_back(step);
            if (step.last())
                break;
        }
        if (bytes.size() > KxProtocol::kModeOffset + 1) {
            mode = uint8_t(bytes[KxProtocol::kModeOffset]);
            count = uint8_t(bytes[KxProtocol::kModeOffset + 1]);
        }
    }

    // The steps up to and with the last one; 0 when no step carries the last-step bit.
    int stepCount() const { return !steps.empty() && steps.back().last() ? int(steps.size()) : 0; }

    // The keys (and mouse buttons) the record leaves pressed when played to its last step.
    std::map<uint8_t, int> leftDown() const {
        std::map<uint8_t, int> down;
        for (const Step& step : steps) {
            if (!step.released())
                ++down[step.code];
            else if (down[step.code] > 0)
                --down[step.code];
        }
        std::erase_if(down, [](const auto& key) { return key.second == 0; });
        return down;
    }

    std::vector<Step> steps;
    uint8_t mode = 0;
    uint8_t count = 0;
};
