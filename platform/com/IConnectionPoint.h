#pragma once

// One outgoing event interface of an object: sinks advise to receive its events.
// Positions: 3 GetConnectionInterface, 4 GetConnectionPointContainer, 5 Advise, 6 Unadvise,
// 7 EnumConnections (not supported here: E_NOTIMPL).

#include "platform/com/IUnknown.h"

struct IConnectionPointContainer;

struct IConnectionPoint : IUnknown {
    virtual HRESULT GetConnectionInterface(IID* iid) = 0;
    virtual HRESULT GetConnectionPointContainer(IConnectionPointContainer** container) = 0;
    // The sink is queried for the event interface; its events arrive on the calling thread.
    virtual HRESULT Advise(IUnknown* sink, DWORD* cookie) = 0;
    virtual HRESULT Unadvise(DWORD cookie) = 0;
    virtual HRESULT EnumConnections(void** connections) = 0;

protected:
    ~IConnectionPoint() = default;
};

// {B196B286-BAB4-101A-B69C-00AA00341D07}
inline constexpr IID IID_IConnectionPoint{0xB196B286, 0xBAB4, 0x101A,
                                          {0xB6, 0x9C, 0x00, 0xAA, 0x00, 0x34, 0x1D, 0x07}};
