#include "service/CProfileManager.h"

#include "device/_IProfileManagerEvents.h"
#include "service/CProfile.h"
#include "service/TextConversion.h"

namespace quor::service {

void* CProfileManager::Find(REFIID iid)
{
    if (iid == IID_IProfileManager)
        return static_cast<IProfileManager*>(this);
    if (iid == IID_IConnectionPointContainer)
        return static_cast<IConnectionPointContainer*>(this);
    return nullptr;
}

HRESULT CProfileManager::MakeProfile(REFGUID id, IProfile** profile)
{
    return Make<CProfile>(IID_IProfile, reinterpret_cast<void**>(profile), m_mouse, id);
}

namespace {

bool IdOf(IProfile* profile, GUID& id) { return profile && SUCCEEDED(profile->GetProfileId(&id)); }

} // namespace

HRESULT CProfileManager::GetProfileAt(uint32_t index, IProfile** profile)
{
    if (!profile)
        return E_POINTER;
    *profile = nullptr;
    GUID id;
    const HRESULT found = m_mouse->ProfileAt(index, id);
    return FAILED(found) ? found : MakeProfile(id, profile);
}

HRESULT CProfileManager::GetProfileById(REFGUID id, IProfile** profile)
{
    if (!profile)
        return E_POINTER;
    *profile = nullptr;
    const HRESULT found = m_mouse->HasProfile(id);
    return FAILED(found) ? found : MakeProfile(id, profile);
}

HRESULT CProfileManager::SetCurrentProfile(IProfile* profile)
{
    GUID id;
    if (!IdOf(profile, id))
        return E_INVALIDARG;
    return m_mouse->SetCurrentProfile(id);
}

HRESULT CProfileManager::GetCurrentProfile(IProfile** profile)
{
    if (!profile)
        return E_POINTER;
    *profile = nullptr;
    GUID id;
    const HRESULT found = m_mouse->CurrentProfile(id);
    return FAILED(found) ? found : MakeProfile(id, profile);
}

HRESULT CProfileManager::CreateProfile(IProfile** profile)
{
    if (!profile)
        return E_POINTER;
    *profile = nullptr;
    GUID id;
    const HRESULT created = m_mouse->CreateProfile(id);
    return FAILED(created) ? created : MakeProfile(id, profile);
}

HRESULT CProfileManager::RemoveProfile(IProfile* profile)
{
    GUID id;
    if (!IdOf(profile, id))
        return E_INVALIDARG;
    return m_mouse->RemoveProfile(id);
}

HRESULT CProfileManager::Reserved9() { return E_NOTIMPL; }

HRESULT CProfileManager::ImportProfile(const char16_t* path, IProfile** profile)
{
    if (!path || !profile)
        return E_POINTER;
    *profile = nullptr;
    GUID id;
    const HRESULT imported = m_mouse->ImportProfile(ToUtf8(path), id);
    return FAILED(imported) ? imported : MakeProfile(id, profile);
}

HRESULT CProfileManager::EnumConnectionPoints(void** points)
{
    if (points)
        *points = nullptr;
    return E_NOTIMPL;
}

HRESULT CProfileManager::FindConnectionPoint(REFIID iid, IConnectionPoint** point)
{
    return m_events.FindConnectionPoint(this, iid, point);
}

} // namespace quor::service
