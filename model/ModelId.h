#pragma once

// The 16-byte identifier (a GUID) under which the device service knows a profile or a macro,
// held as four 32-bit words in the GUID's memory order. All zero: not yet on the device.

#include <cstdint>

struct ModelId {
    uint32_t words[4] = {0, 0, 0, 0};

    constexpr bool IsZero() const { return !(words[0] | words[1] | words[2] | words[3]); }
    friend constexpr bool operator==(const ModelId&, const ModelId&) = default;
};

static_assert(sizeof(ModelId) == 16);
