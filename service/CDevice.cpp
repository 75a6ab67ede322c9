#include "service/CDevice.h"

#include "service/CAcceleration.h"
#include "service/CMacroManager.h"
#include "service/CPollingRate.h"
#include "service/CProfileManager.h"
#include "service/MouseLayout.h"
#include "service/ServiceResult.h"

namespace quor::service {

void* CDevice::Find(REFIID iid)
{
    if (iid == IID_IDevice)
        return static_cast<IDevice*>(this);
    if (iid == IID_IDeviceIdentity)
        return static_cast<IDeviceIdentity*>(this);
    return nullptr;
}

HRESULT CDevice::GetInfo(DeviceInfo* info)
{
    if (!info)
        return E_POINTER;
    bool plugged = false;
    if (const HRESULT read = m_mouse->IsPlugged(plugged); FAILED(read))
        return read;
    if (!plugged)
        return kDeviceNotConnected;
    *info = DeviceInfo{sizeof(DeviceInfo), QUOR_DEVICE_TYPE, kDriverMajor, kDriverMinor, kFirmwareMajor, kFirmwareMinor, 0};
    return S_OK;
}

HRESULT CDevice::GetInterface(REFIID iid, void** object)
{
    if (!object)
        return E_POINTER;
    *object = nullptr;
    if (iid == IID_IProfileManager)
        return Make<CProfileManager>(iid, object, m_mouse);
    if (iid == IID_IAcceleration)
        return Make<CAcceleration>(iid, object, m_mouse);
    if (iid == IID_IPollingRate)
        return Make<CPollingRate>(iid, object, m_mouse);
    if (iid == IID_IMacroManager)
        return Make<CMacroManager>(iid, object, m_mouse);
    return E_NOINTERFACE;
}

HRESULT CDevice::GetIdentity(uint32_t* value, uint32_t* type)
{
    if (!value || !type)
        return E_POINTER;
    *value = kDeviceNumber;
    *type = QUOR_DEVICE_TYPE;
    return S_OK;
}

} // namespace quor::service
