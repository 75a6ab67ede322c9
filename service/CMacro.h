#pragma once

// One macro of the virtual mouse, by id.

#include "platform/com/ComObject.h"
#include "service/VirtualMouse.h"
#include "device/IMacro.h"

#include <memory>

namespace quor::service {

class CMacro final : public com::ComObject<IMacro> {
public:
    CMacro(std::shared_ptr<VirtualMouse> mouse, REFGUID id) : m_mouse(std::move(mouse)), m_id(id) {}
    HRESULT GetMacroId(GUID* id) override;
    HRESULT GetMacroName(char16_t** name) override;
    HRESULT SetMacroName(const char16_t* name) override;
    HRESULT ExportMacro(const char16_t* path) override;
    HRESULT ReadEvents(MacroEventBuffer** buffer) override;
    HRESULT WriteEvents(const MacroEventBuffer* buffer) override;

private:
    void* Find(REFIID iid) override;

    std::shared_ptr<VirtualMouse> m_mouse;
    const GUID m_id;
};

} // namespace quor::service
