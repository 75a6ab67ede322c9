#pragma once

// The COM side shared by the tray's event sinks: a reference count that starts at 1, and
// QueryInterface for IUnknown and the event interface. The handler is not owned; a subscription
// clears it before letting the sink go, so an event still queued for the sink cannot reach a
// handler that is gone.

#include "platform/com/IUnknown.h"

#include <atomic>

template <class Events, const IID& EventsIid, class Handler>
class EventSink : public Events {
public:
    explicit EventSink(Handler* handler) : m_handler(handler) {}

    void SetHandler(Handler* handler) { m_handler = handler; }

    HRESULT QueryInterface(REFIID iid, void** object) override
    {
        if (!object)
            return E_POINTER;
        if (iid == IID_IUnknown || iid == EventsIid) {
            *object = static_cast<Events*>(this);
            AddRef();
            return S_OK;
        }
        *object = nullptr;
        return E_NOINTERFACE;
    }
    ULONG AddRef() override { return ++m_references; }
    ULONG Release() override
    {
        const ULONG left = --m_references;
        if (left == 0)
            delete this;
        return left;
    }

protected:
    virtual ~EventSink() = default;

    Handler* m_handler = nullptr;

private:
    std::atomic<ULONG> m_references = 1;
};
