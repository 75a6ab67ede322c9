#pragma once

// The lights of one profile.

#include "platform/com/ComObject.h"
#include "service/VirtualMouse.h"
#include "device/ILighting.h"

#include <memory>

namespace quor::service {

class CLighting final : public com::ComObject<ILighting> {
public:
    CLighting(std::shared_ptr<VirtualMouse> mouse, REFGUID id) : m_mouse(std::move(mouse)), m_id(id) {}
    HRESULT GetLed(uint32_t index, ILed** led) override;

private:
    void* Find(REFIID iid) override;

    std::shared_ptr<VirtualMouse> m_mouse;
    const GUID m_id;
};

} // namespace quor::service
