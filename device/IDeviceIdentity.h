#pragma once

// A device's identity (QueryInterface on IDevice): a value of the service's own and the device
// type number (21 for this mouse).

#include "device/DeviceIds.h"
#include "platform/com/IUnknown.h"

#include <cstdint>

struct IDeviceIdentity : IUnknown {
    virtual HRESULT GetIdentity(uint32_t* value, uint32_t* type) = 0;

protected:
    ~IDeviceIdentity() = default;
};
