#include "service/CPollingRate.h"

#include "platform/com/Com.h"
#include "service/MouseLayout.h"

#include <algorithm>

namespace quor::service {

void* CPollingRate::Find(REFIID iid) { return iid == IID_IPollingRate ? static_cast<IPollingRate*>(this) : nullptr; }

HRESULT CPollingRate::GetCurrent(uint32_t* interval)
{
    if (!interval)
        return E_POINTER;
    return m_mouse->GetPollingInterval(*interval);
}

HRESULT CPollingRate::SetCurrent(uint32_t interval) { return m_mouse->SetPollingInterval(interval); }

HRESULT CPollingRate::GetSupported(uint32_t* count, uint32_t** rates)
{
    if (!count || !rates)
        return E_POINTER;
    *count = 0;
    *rates = nullptr;
    uint32_t interval = 0;
    if (const HRESULT read = m_mouse->GetPollingInterval(interval); FAILED(read))
        return read;
    auto* copy = static_cast<uint32_t*>(CoTaskMemAlloc(sizeof kPollingRates));
    if (!copy)
        return E_OUTOFMEMORY;
    std::copy(kPollingRates.begin(), kPollingRates.end(), copy);
    *count = static_cast<uint32_t>(kPollingRates.size());
    *rates = copy;
    return S_OK;
}

} // namespace quor::service
