#pragma once

// The COM side shared by the tray's event sinks: QueryInterface for IUnknown and the event
// interface, reference counted from 1. The handler is not owned; a subscription clears it before
// letting the sink go, so an event still queued for the sink cannot reach a handler that is gone.

#include "platform/com/ComObject.h"

template <class Events, const IID& EventsIid, class Handler>
class EventSink : public quor::com::ComObject<Events> {
public:
    explicit EventSink(Handler* handler) : m_handler(handler) {}

    void SetHandler(Handler* handler) { m_handler = handler; }

protected:
    Handler* m_handler = nullptr;

private:
    void* Find(REFIID iid) override { return iid == EventsIid ? static_cast<Events*>(this) : nullptr; }
};
