#pragma once

// One light of one profile.

#include "platform/com/ComObject.h"
#include "service/VirtualMouse.h"
#include "device/ILed.h"

#include <memory>

namespace quor::service {

class CLed final : public com::ComObject<ILed> {
public:
    CLed(std::shared_ptr<VirtualMouse> mouse, REFGUID id, uint32_t index) : m_mouse(std::move(mouse)), m_id(id), m_index(index) {}
    HRESULT TurnOn() override;
    HRESULT TurnOff() override;
    HRESULT GetState(uint32_t* state) override;
    HRESULT GetKind(uint32_t* kind) override;

private:
    void* Find(REFIID iid) override;

    std::shared_ptr<VirtualMouse> m_mouse;
    HRESULT Switch(uint32_t state);

    const GUID m_id;
    const uint32_t m_index = 0;
};

} // namespace quor::service
