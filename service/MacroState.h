#pragma once

// Everything the virtual mouse keeps for one macro.

#include "device/MacroEventBuffer.h"
#include "platform/com/Guid.h"

#include <string>
#include <vector>

namespace quor::service {

struct MacroState {
    GUID id;
    std::u16string name;
    std::vector<MacroEventRecord> events;
};

} // namespace quor::service
