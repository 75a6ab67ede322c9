#pragma once

// The device-wide acceleration of the virtual mouse.

#include "platform/com/ComObject.h"
#include "service/VirtualMouse.h"
#include "device/IAcceleration.h"

#include <memory>

namespace quor::service {

class CAcceleration final : public com::ComObject<IAcceleration> {
public:
    explicit CAcceleration(std::shared_ptr<VirtualMouse> mouse) : m_mouse(std::move(mouse)) {}
    HRESULT Enable() override;
    HRESULT Disable() override;
    HRESULT IsEnabled(uint32_t* enabled) override;
    HRESULT SetLevel(int32_t level) override;
    HRESULT GetLevel(int32_t* level) override;

private:
    void* Find(REFIID iid) override;

    std::shared_ptr<VirtualMouse> m_mouse;
};

} // namespace quor::service
