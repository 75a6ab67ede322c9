#pragma once

// The device-wide polling rate. GetCurrent/SetCurrent use the report interval in milliseconds (8,
// 2, 1); GetSupported returns the rates in reports a second (125, 500, 1000) as a CoTaskMemAlloc
// array.

#include "device/DeviceIds.h"
#include "platform/com/IUnknown.h"

#include <cstdint>

struct IPollingRate : IUnknown {
    virtual HRESULT GetCurrent(uint32_t* interval) = 0;
    virtual HRESULT SetCurrent(uint32_t interval) = 0;
    virtual HRESULT GetSupported(uint32_t* count, uint32_t** rates) = 0;

protected:
    ~IPollingRate() = default;
};
