#pragma once

// The macros of a device, walked by index from 0 until GetMacroAt fails; ids are stable for a
// macro's life.

#include "device/DeviceIds.h"
#include "platform/com/IUnknown.h"

#include <cstdint>

struct IMacro;

struct IMacroManager : IUnknown {
    virtual HRESULT GetMacroAt(uint32_t index, IMacro** macro) = 0;
    virtual HRESULT GetMacroById(REFGUID id, IMacro** macro) = 0;
    virtual HRESULT CreateMacro(IMacro** macro) = 0;
    virtual HRESULT RemoveMacro(IMacro* macro) = 0;
    virtual HRESULT Reserved7() = 0;
    virtual HRESULT ImportMacro(const char16_t* path, IMacro** macro) = 0;

protected:
    ~IMacroManager() = default;
};
