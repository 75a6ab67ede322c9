#pragma once

// The lights of a profile, walked by index from 0 until GetLed fails.

#include "device/DeviceIds.h"
#include "platform/com/IUnknown.h"

#include <cstdint>

struct ILed;

struct ILighting : IUnknown {
    virtual HRESULT GetLed(uint32_t index, ILed** led) = 0;

protected:
    ~ILighting() = default;
};
