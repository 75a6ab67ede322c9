#pragma once

// The whole state of the virtual mouse at one moment, read in one transaction.

#include "service/MacroState.h"
#include "service/ProfileState.h"

#include <vector>

namespace quor::service {

struct DeviceSnapshot {
    bool plugged = true;
    std::vector<ProfileState> profiles; // in device order
    GUID currentProfile;                // GUID_NULL when there is none
    std::vector<MacroState> macros;     // in device order
    bool accelerationEnabled = false;
    int32_t accelerationLevel = 0;
    uint32_t pollingInterval = 0;
};

} // namespace quor::service
