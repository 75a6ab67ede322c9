#pragma once

// The subscription to the sensitivity events of one profile's IDPI, with the profile's
// sensitivity range as it was when the subscription was made (it is not refreshed).

#include "device/IDPI.h"
#include "tray/CDpiEventSink.h"
#include "tray/EventConnection.h"

#include <cstdint>

class CDpiEventConnection : public EventConnection<IDPI, CDpiEventSink, IID__IDPIEvents, IDpiEventHandler> {
public:
    CDpiEventConnection(IDPI* source, IDpiEventHandler* handler) : EventConnection(source, handler)
    {
        if (source)
            source->GetRange(&m_rangeMinimum, &m_rangeMaximum, &m_rangeStep);
    }

    int32_t GetRangeMinimum() const { return m_rangeMinimum; }
    int32_t GetRangeMaximum() const { return m_rangeMaximum; }
    int32_t GetRangeStep() const { return m_rangeStep; }

private:
    int32_t m_rangeMinimum = 0;
    int32_t m_rangeMaximum = 0;
    int32_t m_rangeStep = 0;
};
