#pragma once

// The button assignments of a profile, as DeviceAssignment records keyed by device button index.
// GetAll: *count is the buffer's capacity in records in, the records written out.

#include "device/DeviceIds.h"
#include "platform/com/IUnknown.h"

#include <cstdint>
#include "device/DeviceAssignment.h"

struct IButtonMap : IUnknown {
    virtual HRESULT GetAll(uint32_t* count, DeviceAssignment* records) = 0;
    virtual HRESULT SetAssignments(uint32_t count, const DeviceAssignment* records) = 0;
    // count: number of assignable buttons; value: of no meaning to callers; mask: their bits.
    virtual HRESULT GetCapabilities(uint32_t* count, uint32_t* value, uint32_t* mask) = 0;

protected:
    ~IButtonMap() = default;
};
