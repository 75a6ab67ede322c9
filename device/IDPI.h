#pragma once

// The sensitivity of a profile: its stages (numbered from 1), the current stage and the current
// sensitivity, and its range. Stage arrays are x, y pairs: pairs[2k] and pairs[2k + 1]; GetStages
// returns a CoTaskMemAlloc array. Also an IConnectionPointContainer (QueryInterface) for
// _IDPIEvents, raised when this profile's current sensitivity changes.

#include "device/DeviceIds.h"
#include "platform/com/IUnknown.h"

#include <cstdint>

struct IDPI : IUnknown {
    virtual HRESULT GetCurrent(int32_t* x, int32_t* y) = 0;
    virtual HRESULT SetCurrent(int32_t x, int32_t y) = 0;
    // first: a value of no meaning to callers; second: the most stages a profile may have.
    virtual HRESULT GetStageLimits(int32_t* first, int32_t* maxStages) = 0;
    virtual HRESULT GetStageIndex(int32_t* stage) = 0;
    virtual HRESULT SetStageIndex(int32_t stage) = 0;
    virtual HRESULT GetStages(uint32_t* count, int32_t** pairs) = 0;
    virtual HRESULT SetStages(uint32_t count, const int32_t* pairs) = 0;
    virtual HRESULT GetRange(int32_t* minimum, int32_t* maximum, int32_t* step) = 0;

protected:
    ~IDPI() = default;
};
