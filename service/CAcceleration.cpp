#include "service/CAcceleration.h"

namespace quor::service {

void* CAcceleration::Find(REFIID iid) { return iid == IID_IAcceleration ? static_cast<IAcceleration*>(this) : nullptr; }

HRESULT CAcceleration::Enable() { return m_mouse->SetAccelerationEnabled(true); }

HRESULT CAcceleration::Disable() { return m_mouse->SetAccelerationEnabled(false); }

HRESULT CAcceleration::IsEnabled(uint32_t* enabled)
{
    if (!enabled)
        return E_POINTER;
    bool on = false;
    int32_t level = 0;
    const HRESULT read = m_mouse->GetAcceleration(on, level);
    if (SUCCEEDED(read))
        *enabled = on ? 1 : 0;
    return read;
}

HRESULT CAcceleration::SetLevel(int32_t level) { return m_mouse->SetAccelerationLevel(level); }

HRESULT CAcceleration::GetLevel(int32_t* level)
{
    if (!level)
        return E_POINTER;
    bool on = false;
    return m_mouse->GetAcceleration(on, *level);
}

} // namespace quor::service
