#pragma once

// The device service's entry point (CoCreateInstance with CLSID_QuorDeviceService): its devices,
// walked by index from 0 until GetDevice fails.

#include "device/DeviceIds.h"
#include "platform/com/IUnknown.h"

#include <cstdint>

struct IDevice;

struct IDeviceEnum : IUnknown {
    virtual HRESULT GetDevice(uint32_t index, IDevice** device) = 0;

protected:
    ~IDeviceEnum() = default;
};
