#pragma once

// The root of every interface: QueryInterface, AddRef and Release at positions 0 to 2.
// Objects are destroyed by their own Release, never through this type.

#include "platform/com/Guid.h"
#include "platform/com/HResult.h"

struct IUnknown {
    virtual HRESULT QueryInterface(REFIID iid, void** object) = 0;
    virtual ULONG AddRef() = 0;
    virtual ULONG Release() = 0;

protected:
    ~IUnknown() = default;
};

// {00000000-0000-0000-C000-000000000046}
inline constexpr IID IID_IUnknown{0x00000000, 0x0000, 0x0000, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}};
