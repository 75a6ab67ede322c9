#pragma once

// The service's entry object: the one virtual mouse, while it is plugged in.

#include "platform/com/ComObject.h"
#include "service/VirtualMouse.h"
#include "device/IDeviceEnum.h"

#include <memory>

namespace quor::service {

class CDeviceEnum final : public com::ComObject<IDeviceEnum> {
public:
    explicit CDeviceEnum(std::shared_ptr<VirtualMouse> mouse) : m_mouse(std::move(mouse)) {}
    HRESULT GetDevice(uint32_t index, IDevice** device) override;

private:
    void* Find(REFIID iid) override;

    std::shared_ptr<VirtualMouse> m_mouse;
};

} // namespace quor::service
