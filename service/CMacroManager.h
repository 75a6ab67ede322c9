#pragma once

// The macros of the virtual mouse.

#include "platform/com/ComObject.h"
#include "service/VirtualMouse.h"
#include "device/IMacroManager.h"

#include <memory>

namespace quor::service {

class CMacroManager final : public com::ComObject<IMacroManager> {
public:
    explicit CMacroManager(std::shared_ptr<VirtualMouse> mouse) : m_mouse(std::move(mouse)) {}
    HRESULT GetMacroAt(uint32_t index, IMacro** macro) override;
    HRESULT GetMacroById(REFGUID id, IMacro** macro) override;
    HRESULT CreateMacro(IMacro** macro) override;
    HRESULT RemoveMacro(IMacro* macro) override;
    HRESULT Reserved7() override;
    HRESULT ImportMacro(const char16_t* path, IMacro** macro) override;

private:
    void* Find(REFIID iid) override;

    std::shared_ptr<VirtualMouse> m_mouse;
};

} // namespace quor::service
