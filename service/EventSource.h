#pragma once

// The connection point of one event interface of a service object (IProfileManager, IDPI):
// made on the first FindConnectionPoint, so objects nobody subscribes to never start the event
// watcher, and taken off the dispatcher when the object goes.

#include "platform/com/ComPtr.h"
#include "platform/com/ConnectionPoint.h"
#include "platform/com/IConnectionPointContainer.h"
#include "service/VirtualMouse.h"

#include <memory>
#include <mutex>

namespace quor::service {

class EventSource {
public:
    // profile: whose sensitivity events; GUID_NULL for the device's profile events.
    EventSource(std::shared_ptr<VirtualMouse> mouse, REFIID eventIid, REFGUID profile);
    ~EventSource();
    EventSource(const EventSource&) = delete;
    EventSource& operator=(const EventSource&) = delete;

    HRESULT FindConnectionPoint(IConnectionPointContainer* container, REFIID iid, IConnectionPoint** point);

private:
    const std::shared_ptr<VirtualMouse> m_mouse;
    const IID m_eventIid;
    const GUID m_profile;
    std::mutex m_mutex;
    quor::com::ComPtr<quor::com::ConnectionPoint> m_point;
};

} // namespace quor::service
