#include "service/CLighting.h"

#include "service/CLed.h"
#include "service/MouseLayout.h"
#include "service/ServiceResult.h"

namespace quor::service {

void* CLighting::Find(REFIID iid) { return iid == IID_ILighting ? static_cast<ILighting*>(this) : nullptr; }

HRESULT CLighting::GetLed(uint32_t index, ILed** led)
{
    if (!led)
        return E_POINTER;
    *led = nullptr;
    if (index >= kLightKinds.size())
        return kNotFound;
    if (const HRESULT found = m_mouse->HasProfile(m_id); FAILED(found))
        return found;
    return Make<CLed>(IID_ILed, reinterpret_cast<void**>(led), m_mouse, m_id, index);
}

} // namespace quor::service
