#pragma once

// What the on-screen display shows, shared by the display controller and its two windows.

#include "tray/OsdGeometry.h"

#include <cstdint>
#include <string>

struct OsdState {
    enum class SensitivityMode { None, Single, XY };

    struct Gauge {
        uint32_t bars = 0;
        std::u16string text; // at most kGaugeTextChars
    };

    static constexpr size_t kProfileTextChars = 254; // and a terminator, as the display keeps it
    static constexpr size_t kGaugeTextChars = 4;

    float scale = 1.0f;
    int barMaximum = osd::kDefaultBarMaximum;
    std::u16string profileText; // empty: nothing to draw
    SensitivityMode sensitivityMode = SensitivityMode::None;
    Gauge gaugeA; // the single value, or Y
    Gauge gaugeB; // X
};
