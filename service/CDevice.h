#pragma once

// The virtual mouse as a device: its info, identity and device-wide interfaces.

#include "platform/com/ComObject.h"
#include "service/VirtualMouse.h"
#include "device/IDevice.h"
#include "device/IDeviceIdentity.h"

#include <memory>

namespace quor::service {

class CDevice final : public com::ComObject<IDevice, IDeviceIdentity> {
public:
    explicit CDevice(std::shared_ptr<VirtualMouse> mouse) : m_mouse(std::move(mouse)) {}
    HRESULT GetInfo(DeviceInfo* info) override;
    HRESULT GetInterface(REFIID iid, void** object) override;
    HRESULT GetIdentity(uint32_t* value, uint32_t* type) override;

private:
    void* Find(REFIID iid) override;

    std::shared_ptr<VirtualMouse> m_mouse;
};

} // namespace quor::service
