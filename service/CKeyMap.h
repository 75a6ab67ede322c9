#pragma once

// The thumb-grid key assignments of one profile.

#include "platform/com/ComObject.h"
#include "service/VirtualMouse.h"
#include "device/IKeyMap.h"

#include <memory>

namespace quor::service {

class CKeyMap final : public com::ComObject<IKeyMap> {
public:
    CKeyMap(std::shared_ptr<VirtualMouse> mouse, REFGUID id) : m_mouse(std::move(mouse)), m_id(id) {}
    HRESULT GetCount(uint32_t* first, uint32_t* count) override;
    HRESULT GetAll(uint32_t* count, DeviceAssignment* records) override;
    HRESULT SetAssignments(uint32_t count, const DeviceAssignment* records) override;

private:
    void* Find(REFIID iid) override;

    std::shared_ptr<VirtualMouse> m_mouse;
    const GUID m_id;
};

} // namespace quor::service
