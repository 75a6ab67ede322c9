#pragma once

// One macro of the device. GetMacroName and ReadEvents return CoTaskMemAlloc memory the caller
// frees with CoTaskMemFree.

#include "device/DeviceIds.h"
#include "platform/com/IUnknown.h"

#include <cstdint>
#include "device/MacroEventBuffer.h"

struct IMacro : IUnknown {
    virtual HRESULT GetMacroId(GUID* id) = 0;
    virtual HRESULT GetMacroName(char16_t** name) = 0;
    virtual HRESULT SetMacroName(const char16_t* name) = 0;
    virtual HRESULT ExportMacro(const char16_t* path) = 0;
    virtual HRESULT ReadEvents(MacroEventBuffer** buffer) = 0;
    virtual HRESULT WriteEvents(const MacroEventBuffer* buffer) = 0;

protected:
    ~IMacro() = default;
};
