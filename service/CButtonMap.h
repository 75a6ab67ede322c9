#pragma once

// The button assignments of one profile.

#include "platform/com/ComObject.h"
#include "service/VirtualMouse.h"
#include "device/IButtonMap.h"

#include <memory>

namespace quor::service {

class CButtonMap final : public com::ComObject<IButtonMap> {
public:
    CButtonMap(std::shared_ptr<VirtualMouse> mouse, REFGUID id) : m_mouse(std::move(mouse)), m_id(id) {}
    HRESULT GetAll(uint32_t* count, DeviceAssignment* records) override;
    HRESULT SetAssignments(uint32_t count, const DeviceAssignment* records) override;
    HRESULT GetCapabilities(uint32_t* count, uint32_t* value, uint32_t* mask) override;

private:
    void* Find(REFIID iid) override;

    std::shared_ptr<VirtualMouse> m_mouse;
    const GUID m_id;
};

} // namespace quor::service
