#include "service/DeviceService.h"

#include "platform/com/Com.h"
#include "service/CDeviceEnum.h"

namespace quor::service {

namespace {

// Each creation finds the store afresh (QUOR_DEVICE_DB may name another one by now); objects
// of one store share its connection while any of them lives.
HRESULT CreateDeviceService(IUnknown* outer, REFIID iid, void** object)
{
    if (!object)
        return E_POINTER;
    *object = nullptr;
    if (outer)
        return CLASS_E_NOAGGREGATION;
    std::shared_ptr<VirtualMouse> mouse;
    if (const HRESULT opened = VirtualMouse::Shared(mouse); FAILED(opened))
        return opened;
    return CDeviceEnum::Make<CDeviceEnum>(iid, object, std::move(mouse));
}

} // namespace

} // namespace quor::service

HRESULT RegisterDeviceService()
{
    return CoRegisterClassFactory(CLSID_QuorDeviceService, quor::service::CreateDeviceService);
}
