#include "service/CButtonMap.h"

#include "service/MouseLayout.h"

namespace quor::service {

void* CButtonMap::Find(REFIID iid) { return iid == IID_IButtonMap ? static_cast<IButtonMap*>(this) : nullptr; }

HRESULT CButtonMap::GetAll(uint32_t* count, DeviceAssignment* records)
{
    if (!count)
        return E_POINTER;
    ProfileState profile;
    if (const HRESULT read = m_mouse->ReadProfile(m_id, profile); FAILED(read))
        return read;
    return CopyAssignments(profile.buttons, count, records);
}

HRESULT CButtonMap::SetAssignments(uint32_t count, const DeviceAssignment* records)
{
    return m_mouse->EditProfile(m_id, [&](ProfileState& profile) { return ApplyAssignments(profile.buttons, count, records); });
}

HRESULT CButtonMap::GetCapabilities(uint32_t* count, uint32_t* value, uint32_t* mask)
{
    if (!count || !value || !mask)
        return E_POINTER;
    const HRESULT found = m_mouse->HasProfile(m_id);
    if (SUCCEEDED(found)) {
        *count = static_cast<uint32_t>(kButtonSlots.size());
        *value = kCapabilityValue;
        *mask = kCapabilityMask;
    }
    return found;
}

} // namespace quor::service
