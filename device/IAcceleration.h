#pragma once

// The device-wide pointer acceleration: on or off, and a level (1 to 10).

#include "device/DeviceIds.h"
#include "platform/com/IUnknown.h"

#include <cstdint>

struct IAcceleration : IUnknown {
    virtual HRESULT Enable() = 0;
    virtual HRESULT Disable() = 0;
    virtual HRESULT IsEnabled(uint32_t* enabled) = 0;
    virtual HRESULT SetLevel(int32_t level) = 0;
    virtual HRESULT GetLevel(int32_t* level) = 0;

protected:
    ~IAcceleration() = default;
};
