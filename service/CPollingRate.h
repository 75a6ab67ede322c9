#pragma once

// The device-wide polling rate of the virtual mouse.

#include "platform/com/ComObject.h"
#include "service/VirtualMouse.h"
#include "device/IPollingRate.h"

#include <memory>

namespace quor::service {

class CPollingRate final : public com::ComObject<IPollingRate> {
public:
    explicit CPollingRate(std::shared_ptr<VirtualMouse> mouse) : m_mouse(std::move(mouse)) {}
    HRESULT GetCurrent(uint32_t* interval) override;
    HRESULT SetCurrent(uint32_t interval) override;
    HRESULT GetSupported(uint32_t* count, uint32_t** rates) override;

private:
    void* Find(REFIID iid) override;

    std::shared_ptr<VirtualMouse> m_mouse;
};

} // namespace quor::service
