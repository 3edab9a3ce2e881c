#pragma once

#include <cstdint>

struct _Kx_PROFILE;

// The settings block the mouse stores once for all its profiles: the active stage, the two
// lights, the stages' DPI (one value per stage, both axes) and the polling rate. Every profile
// of the library carries the same block, as the mouse does.
struct SettingsBlock {
    uint32_t stage = 0;      // 0..3
    uint32_t lights[2] = {}; // logo, wheel: 0 off, 1 on
    uint32_t dpi[4] = {};    // units of 100 DPI
    uint32_t rate = 0;       // 0 = 125 Hz, 1 = 500 Hz, 2 = 1000 Hz

    // The block a profile carries (its horizontal DPI: the mouse holds one per stage).
    static SettingsBlock of(const _Kx_PROFILE& profile);
    // Puts the block into a profile, the DPI into both axes.
    void putInto(_Kx_PROFILE& profile) const;

    bool operator==(const SettingsBlock&) const = default;
};
