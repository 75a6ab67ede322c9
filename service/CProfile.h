#pragma once

// One profile of the virtual mouse, by id; its other interfaces come from GetInterface.

#include "platform/com/ComObject.h"
#include "service/VirtualMouse.h"
#include "device/IProfile.h"

#include <memory>

namespace quor::service {

class CProfile final : public com::ComObject<IProfile> {
public:
    CProfile(std::shared_ptr<VirtualMouse> mouse, REFGUID id) : m_mouse(std::move(mouse)), m_id(id) {}
    const GUID& Id() const { return m_id; }
    HRESULT GetInterface(REFIID iid, void** object) override;
    HRESULT GetProfileId(GUID* id) override;
    HRESULT GetProfileName(char16_t** name) override;
    HRESULT SetProfileName(const char16_t* name) override;
    HRESULT Reserved7() override;
    HRESULT ExportProfile(const char16_t* path) override;

private:
    void* Find(REFIID iid) override;

    std::shared_ptr<VirtualMouse> m_mouse;
    const GUID m_id;
};

} // namespace quor::service
