#pragma once

// The sensitivity of one profile, and the source of its sensitivity events.

#include "device/IDPI.h"
#include "device/_IDPIEvents.h"
#include "platform/com/IConnectionPointContainer.h"
#include "platform/com/ComObject.h"
#include "service/EventSource.h"
#include "service/VirtualMouse.h"

#include <memory>

namespace quor::service {

class CDpi final : public com::ComObject<IDPI, IConnectionPointContainer> {
public:
    CDpi(std::shared_ptr<VirtualMouse> mouse, REFGUID id)
        : m_mouse(mouse), m_id(id), m_events(std::move(mouse), IID__IDPIEvents, id)
    {
    }

    HRESULT GetCurrent(int32_t* x, int32_t* y) override;
    HRESULT SetCurrent(int32_t x, int32_t y) override;
    HRESULT GetStageLimits(int32_t* first, int32_t* maxStages) override;
    HRESULT GetStageIndex(int32_t* stage) override;
    HRESULT SetStageIndex(int32_t stage) override;
    HRESULT GetStages(uint32_t* count, int32_t** pairs) override;
    HRESULT SetStages(uint32_t count, const int32_t* pairs) override;
    HRESULT GetRange(int32_t* minimum, int32_t* maximum, int32_t* step) override;

    HRESULT EnumConnectionPoints(void** points) override;
    HRESULT FindConnectionPoint(REFIID iid, IConnectionPoint** point) override;

private:
    void* Find(REFIID iid) override;

    std::shared_ptr<VirtualMouse> m_mouse;
    const GUID m_id;
    EventSource m_events;
};

} // namespace quor::service
