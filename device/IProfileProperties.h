#pragma once

// Properties of a profile by id (device/ProfileProperty.h). GetValue: *bytes is the buffer size
// in, the bytes written out. SetValue: bytes is the size of data.

#include "device/DeviceIds.h"
#include "platform/com/IUnknown.h"

#include <cstdint>

struct IProfileProperties : IUnknown {
    virtual HRESULT GetValue(uint32_t id, uint32_t reserved, void* buffer, uint32_t reserved2, uint32_t* bytes) = 0;
    virtual HRESULT SetValue(uint32_t id, const void* data, uint32_t reserved, uint32_t bytes, uint32_t reserved2) = 0;

protected:
    ~IProfileProperties() = default;
};
