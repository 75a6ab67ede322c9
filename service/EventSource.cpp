#include "service/EventSource.h"

#include "service/EventDispatcher.h"

namespace quor::service {

EventSource::EventSource(std::shared_ptr<VirtualMouse> mouse, REFIID eventIid, REFGUID profile)
    : m_mouse(std::move(mouse)), m_eventIid(eventIid), m_profile(profile)
{
}

EventSource::~EventSource()
{
    if (!m_point)
        return;
    m_mouse->Dispatcher().Remove(m_point.Get());
    m_point->DetachContainer();
}

HRESULT EventSource::FindConnectionPoint(IConnectionPointContainer* container, REFIID iid, IConnectionPoint** point)
{
    if (!point)
        return E_POINTER;
    *point = nullptr;
    if (iid != m_eventIid)
        return CONNECT_E_NOCONNECTION;
    std::lock_guard lock(m_mutex);
    if (!m_point) {
        m_point = quor::com::ConnectionPoint::Create(iid, container);
        if (!m_point)
            return E_OUTOFMEMORY;
        if (m_profile == GUID_NULL)
            m_mouse->Dispatcher().AddProfileEvents(m_point.Get());
        else
            m_mouse->Dispatcher().AddDpiEvents(m_profile, m_point.Get());
    }
    m_point->AddRef();
    *point = m_point.Get();
    return S_OK;
}

} // namespace quor::service
