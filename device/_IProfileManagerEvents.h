#pragma once

// Profile events of IProfileManager, delivered on the thread that advised the sink; value is the
// index of the new current profile. Sinks return S_OK.

#include "device/DeviceIds.h"
#include "platform/com/IUnknown.h"

#include <cstdint>

struct _IProfileManagerEvents : IUnknown {
    virtual HRESULT OnProfileChanged(int32_t value) = 0;

protected:
    ~_IProfileManagerEvents() = default;
};
