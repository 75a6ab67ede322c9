#include "service/DeviceService.h"

#include "platform/com/Com.h"

HRESULT RegisterDeviceService()
{
    // The component is being built; its factory is entered here.
    return E_NOTIMPL;
}
