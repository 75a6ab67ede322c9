#include "service/CProfile.h"

#include "service/CButtonMap.h"
#include "service/CDpi.h"
#include "service/CKeyMap.h"
#include "service/CLighting.h"
#include "service/CProfileProperties.h"
#include "service/MouseLayout.h"
#include "service/TextConversion.h"

namespace quor::service {

void* CProfile::Find(REFIID iid) { return iid == IID_IProfile ? static_cast<IProfile*>(this) : nullptr; }

HRESULT CProfile::GetInterface(REFIID iid, void** object)
{
    if (!object)
        return E_POINTER;
    *object = nullptr;
    if (const HRESULT found = m_mouse->HasProfile(m_id); FAILED(found))
        return found;
    if (iid == IID_IProfileProperties)
        return Make<CProfileProperties>(iid, object, m_mouse, m_id);
    if (iid == IID_IDPI)
        return Make<CDpi>(iid, object, m_mouse, m_id);
    if (iid == IID_IButtonMap)
        return Make<CButtonMap>(iid, object, m_mouse, m_id);
    if (iid == IID_IKeyMap)
        return Make<CKeyMap>(iid, object, m_mouse, m_id);
    if (iid == IID_ILighting)
        return Make<CLighting>(iid, object, m_mouse, m_id);
    return E_NOINTERFACE;
}

HRESULT CProfile::GetProfileId(GUID* id)
{
    if (!id)
        return E_POINTER;
    *id = m_id;
    return S_OK;
}

HRESULT CProfile::GetProfileName(char16_t** name)
{
    if (!name)
        return E_POINTER;
    *name = nullptr;
    ProfileState profile;
    if (const HRESULT read = m_mouse->ReadProfile(m_id, profile); FAILED(read))
        return read;
    *name = CoTaskMemDup(profile.name);
    return *name ? S_OK : E_OUTOFMEMORY;
}

HRESULT CProfile::SetProfileName(const char16_t* name)
{
    if (!name)
        return E_POINTER;
    std::u16string text = name;
    if (text.size() > kMaxNameLength)
        return E_INVALIDARG;
    return m_mouse->EditProfile(m_id, [&](ProfileState& profile) {
        profile.name = text;
        return S_OK;
    });
}

HRESULT CProfile::Reserved7() { return E_NOTIMPL; }

HRESULT CProfile::ExportProfile(const char16_t* path)
{
    if (!path)
        return E_POINTER;
    return m_mouse->ExportProfile(m_id, ToUtf8(path));
}

} // namespace quor::service
