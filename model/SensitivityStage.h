#pragma once

// One sensitivity (DPI) stage. Values are clamped to the owning profile's range on every write.

#include <cstdint>

struct SensitivityStage {
    int32_t dpi = 0; // used while X and Y are linked
    int32_t dpiX = 0; // used while X and Y are separate
    int32_t dpiY = 0;
    uint8_t xySeparate = 0; // 1: X and Y set separately

    friend bool operator==(const SensitivityStage&, const SensitivityStage&) = default;
};

inline constexpr int32_t kMaxStages = 10;

// A sensitivity or acceleration value clamped to [minimum, maximum]: above the maximum gives the
// maximum, else below the minimum gives the minimum.
constexpr int32_t ClampToRange(int32_t value, int32_t minimum, int32_t maximum)
{
    if (value > maximum)
        return maximum;
    if (value < minimum)
        return minimum;
    return value;
}
