#include "service/CKeyMap.h"

#include "service/MouseLayout.h"

namespace quor::service {

void* CKeyMap::Find(REFIID iid) { return iid == IID_IKeyMap ? static_cast<IKeyMap*>(this) : nullptr; }

HRESULT CKeyMap::GetCount(uint32_t* first, uint32_t* count)
{
    if (!first || !count)
        return E_POINTER;
    const HRESULT found = m_mouse->HasProfile(m_id);
    if (SUCCEEDED(found)) {
        *first = kKeySets;
        *count = static_cast<uint32_t>(kThumbKeys.size());
    }
    return found;
}

HRESULT CKeyMap::GetAll(uint32_t* count, DeviceAssignment* records)
{
    if (!count)
        return E_POINTER;
    ProfileState profile;
    if (const HRESULT read = m_mouse->ReadProfile(m_id, profile); FAILED(read))
        return read;
    return CopyAssignments(profile.keys, count, records);
}

HRESULT CKeyMap::SetAssignments(uint32_t count, const DeviceAssignment* records)
{
    return m_mouse->EditProfile(m_id, [&](ProfileState& profile) { return ApplyAssignments(profile.keys, count, records); });
}

} // namespace quor::service
