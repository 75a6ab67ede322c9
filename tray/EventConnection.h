#pragma once

// One long-lived subscription of a sink to an event source's connection point: advised on
// construction, unadvised on destruction. CDpiEventConnection and CProfileEventConnection are
// this with their source, sink and handler types.

#include "platform/com/ComPtr.h"
#include "platform/com/Com.h"
#include "platform/com/IConnectionPointContainer.h"

template <class Source, class Sink, const IID& EventsIid, class Handler>
class EventConnection {
public:
    EventConnection(Source* source, Handler* handler)
        : m_sink(new Sink(handler)), m_source(quor::com::ComPtr<Source>::Share(source))
    {
        quor::com::ComPtr<IConnectionPoint> point = FindConnectionPoint();
        if (point && SUCCEEDED(point->Advise(m_sink, &m_cookie)))
            m_advised = true;
    }
    ~EventConnection()
    {
        if (m_advised) {
            if (quor::com::ComPtr<IConnectionPoint> point = FindConnectionPoint())
                point->Unadvise(m_cookie);
        }
        m_sink->SetHandler(nullptr);
        m_sink->Release();
    }
    EventConnection(const EventConnection&) = delete;
    EventConnection& operator=(const EventConnection&) = delete;

    // False when the source refused the sink: no event will arrive through this subscription.
    bool IsAdvised() const { return m_advised; }
    Source* GetSource() const { return m_source.Get(); }

private:
    quor::com::ComPtr<IConnectionPoint> FindConnectionPoint() const
    {
        quor::com::ComPtr<IConnectionPointContainer> container;
        quor::com::ComPtr<IConnectionPoint> point;
        if (!m_source || FAILED(m_source.As(IID_IConnectionPointContainer, container))
            || FAILED(container->FindConnectionPoint(EventsIid, point.Put())))
            return nullptr;
        return point;
    }

    Sink* m_sink = nullptr;
    quor::com::ComPtr<Source> m_source;
    DWORD m_cookie = 0;
    bool m_advised = false;
};
