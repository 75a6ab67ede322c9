#pragma once

// The key assignments of a profile (the thumb-grid keys), as DeviceAssignment records keyed by
// scan code. GetAll: *count is the buffer's capacity in records in, the records written out.

#include "device/DeviceIds.h"
#include "platform/com/IUnknown.h"

#include <cstdint>
#include "device/DeviceAssignment.h"

struct IKeyMap : IUnknown {
    // first: of no meaning to callers; count: the number of assignable keys.
    virtual HRESULT GetCount(uint32_t* first, uint32_t* count) = 0;
    virtual HRESULT GetAll(uint32_t* count, DeviceAssignment* records) = 0;
    virtual HRESULT SetAssignments(uint32_t count, const DeviceAssignment* records) = 0;

protected:
    ~IKeyMap() = default;
};
