#pragma once

// One profile of the device. GetInterface gives IProfileProperties, IDPI, IButtonMap, IKeyMap and
// ILighting of this profile. GetProfileName returns a CoTaskMemAlloc text the caller frees with
// CoTaskMemFree.

#include "device/DeviceIds.h"
#include "platform/com/IUnknown.h"

#include <cstdint>

struct IProfile : IUnknown {
    virtual HRESULT GetInterface(REFIID iid, void** object) = 0;
    virtual HRESULT GetProfileId(GUID* id) = 0;
    virtual HRESULT GetProfileName(char16_t** name) = 0;
    virtual HRESULT SetProfileName(const char16_t* name) = 0;
    virtual HRESULT Reserved7() = 0;
    virtual HRESULT ExportProfile(const char16_t* path) = 0;

protected:
    ~IProfile() = default;
};
