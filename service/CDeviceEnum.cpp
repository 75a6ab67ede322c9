#include "service/CDeviceEnum.h"

#include "service/CDevice.h"
#include "service/ServiceResult.h"

namespace quor::service {

void* CDeviceEnum::Find(REFIID iid) { return iid == IID_IDeviceEnum ? static_cast<IDeviceEnum*>(this) : nullptr; }

HRESULT CDeviceEnum::GetDevice(uint32_t index, IDevice** device)
{
    if (!device)
        return E_POINTER;
    *device = nullptr;
    if (index != 0)
        return kNotFound;
    bool plugged = false;
    if (const HRESULT read = m_mouse->IsPlugged(plugged); FAILED(read))
        return read;
    if (!plugged)
        return kDeviceNotConnected;
    return Make<CDevice>(IID_IDevice, reinterpret_cast<void**>(device), m_mouse);
}

} // namespace quor::service
