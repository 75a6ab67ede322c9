#pragma once

// One light of a profile. Kinds: 1 scroll wheel, 4 glow; state 1 on, 0 off.

#include "device/DeviceIds.h"
#include "platform/com/IUnknown.h"

#include <cstdint>

inline constexpr uint32_t LED_KIND_SCROLL_WHEEL = 1;
inline constexpr uint32_t LED_KIND_GLOW = 4;

struct ILed : IUnknown {
    virtual HRESULT TurnOn() = 0;
    virtual HRESULT TurnOff() = 0;
    virtual HRESULT GetState(uint32_t* state) = 0;
    virtual HRESULT GetKind(uint32_t* kind) = 0;

protected:
    ~ILed() = default;
};
