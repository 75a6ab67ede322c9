#pragma once

// The profiles of a device, walked by index from 0 until GetProfileAt fails; ids are stable for a
// profile's life. Also an IConnectionPointContainer (QueryInterface) for _IProfileManagerEvents.
// Texts are NUL-terminated UTF-16 paths.

#include "device/DeviceIds.h"
#include "platform/com/IUnknown.h"

#include <cstdint>

struct IProfile;

struct IProfileManager : IUnknown {
    virtual HRESULT GetProfileAt(uint32_t index, IProfile** profile) = 0;
    virtual HRESULT GetProfileById(REFGUID id, IProfile** profile) = 0;
    virtual HRESULT SetCurrentProfile(IProfile* profile) = 0;
    virtual HRESULT GetCurrentProfile(IProfile** profile) = 0;
    // Fails when the device already holds the most profiles it can.
    virtual HRESULT CreateProfile(IProfile** profile) = 0;
    // The current profile removed, the first remaining one becomes current.
    virtual HRESULT RemoveProfile(IProfile* profile) = 0;
    virtual HRESULT Reserved9() = 0;
    virtual HRESULT ImportProfile(const char16_t* path, IProfile** profile) = 0;

protected:
    ~IProfileManager() = default;
};
