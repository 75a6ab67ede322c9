#pragma once

// Receives _IProfileManagerEvents and forwards them to the tray's IProfileEventHandler.

#include "device/_IProfileManagerEvents.h"
#include "tray/EventSink.h"
#include "tray/IProfileEventHandler.h"

class CProfileEventSink : public EventSink<_IProfileManagerEvents, IID__IProfileManagerEvents, IProfileEventHandler> {
public:
    using EventSink::EventSink;

    HRESULT OnProfileChanged(int32_t value) override
    {
        if (m_handler)
            m_handler->OnProfileChanged(value);
        return S_OK;
    }
};
