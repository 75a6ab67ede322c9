#pragma once

// Sensitivity events of a profile's IDPI, delivered on the thread that advised the sink. Sinks
// return S_OK.

#include "device/DeviceIds.h"
#include "platform/com/IUnknown.h"

#include <cstdint>

struct _IDPIEvents : IUnknown {
    virtual HRESULT OnDpiChanged(int32_t x, int32_t y) = 0;

protected:
    ~_IDPIEvents() = default;
};
