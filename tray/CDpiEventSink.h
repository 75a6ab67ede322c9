#pragma once

// Receives _IDPIEvents and forwards them to the tray's IDpiEventHandler.

#include "device/_IDPIEvents.h"
#include "tray/EventSink.h"
#include "tray/IDpiEventHandler.h"

class CDpiEventSink : public EventSink<_IDPIEvents, IID__IDPIEvents, IDpiEventHandler> {
public:
    using EventSink::EventSink;

    HRESULT OnDpiChanged(int32_t x, int32_t y) override
    {
        if (m_handler)
            m_handler->OnDpiChanged(x, y);
        return S_OK;
    }
};
