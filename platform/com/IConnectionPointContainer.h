#pragma once

// An object with outgoing event interfaces. Positions: 3 EnumConnectionPoints (not supported
// here: E_NOTIMPL), 4 FindConnectionPoint.

#include "platform/com/IConnectionPoint.h"

struct IConnectionPointContainer : IUnknown {
    virtual HRESULT EnumConnectionPoints(void** points) = 0;
    virtual HRESULT FindConnectionPoint(REFIID iid, IConnectionPoint** point) = 0;

protected:
    ~IConnectionPointContainer() = default;
};

// {B196B284-BAB4-101A-B69C-00AA00341D07}
inline constexpr IID IID_IConnectionPointContainer{0xB196B284, 0xBAB4, 0x101A,
                                                   {0xB6, 0x9C, 0x00, 0xAA, 0x00, 0x34, 0x1D, 0x07}};
