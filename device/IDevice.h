#pragma once

// One device of the service. GetInterface gives its device-wide interfaces (IProfileManager,
// IAcceleration, IPollingRate, IMacroManager); QueryInterface gives IDeviceIdentity.

#include "device/DeviceIds.h"
#include "platform/com/IUnknown.h"

#include <cstdint>
#include "device/DeviceInfo.h"

struct IDevice : IUnknown {
    virtual HRESULT GetInfo(DeviceInfo* info) = 0;
    virtual HRESULT GetInterface(REFIID iid, void** object) = 0;

protected:
    ~IDevice() = default;
};
