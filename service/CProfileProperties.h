#pragma once

// The program file name and flags of one profile.

#include "platform/com/ComObject.h"
#include "service/VirtualMouse.h"
#include "device/IProfileProperties.h"

#include <memory>

namespace quor::service {

class CProfileProperties final : public com::ComObject<IProfileProperties> {
public:
    CProfileProperties(std::shared_ptr<VirtualMouse> mouse, REFGUID id) : m_mouse(std::move(mouse)), m_id(id) {}
    HRESULT GetValue(uint32_t id, uint32_t reserved, void* buffer, uint32_t reserved2, uint32_t* bytes) override;
    HRESULT SetValue(uint32_t id, const void* data, uint32_t reserved, uint32_t bytes, uint32_t reserved2) override;

private:
    void* Find(REFIID iid) override;

    std::shared_ptr<VirtualMouse> m_mouse;
    const GUID m_id;
};

} // namespace quor::service
