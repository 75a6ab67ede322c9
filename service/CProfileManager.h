#pragma once

// The profiles of the virtual mouse, and the source of its profile events.

#include "device/IProfileManager.h"
#include "device/_IProfileManagerEvents.h"
#include "platform/com/IConnectionPointContainer.h"
#include "platform/com/ComObject.h"
#include "service/EventSource.h"
#include "service/VirtualMouse.h"

#include <memory>

namespace quor::service {

class CProfileManager final : public com::ComObject<IProfileManager, IConnectionPointContainer> {
public:
    explicit CProfileManager(std::shared_ptr<VirtualMouse> mouse)
        : m_mouse(mouse), m_events(std::move(mouse), IID__IProfileManagerEvents, GUID_NULL)
    {
    }

    HRESULT GetProfileAt(uint32_t index, IProfile** profile) override;
    HRESULT GetProfileById(REFGUID id, IProfile** profile) override;
    HRESULT SetCurrentProfile(IProfile* profile) override;
    HRESULT GetCurrentProfile(IProfile** profile) override;
    HRESULT CreateProfile(IProfile** profile) override;
    HRESULT RemoveProfile(IProfile* profile) override;
    HRESULT Reserved9() override;
    HRESULT ImportProfile(const char16_t* path, IProfile** profile) override;

    HRESULT EnumConnectionPoints(void** points) override;
    HRESULT FindConnectionPoint(REFIID iid, IConnectionPoint** point) override;

private:
    void* Find(REFIID iid) override;
    HRESULT MakeProfile(REFGUID id, IProfile** profile);

    std::shared_ptr<VirtualMouse> m_mouse;
    EventSource m_events;
};

} // namespace quor::service
