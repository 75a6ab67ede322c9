#pragma once

// One entry of the virtual mouse's event log, written in the same transaction as the change it
// reports, so every process sees each change exactly once and in order.

#include "platform/com/Guid.h"

#include <cstdint>

namespace quor::service {

enum class DeviceEventKind : int32_t {
    ProfileChanged = 1, // value: index of the new current profile; profile: its id
    DpiChanged = 2,     // profile: whose current sensitivity; x, y: the new one
    Plug = 3,           // value: 1 plugged in, 0 plugged out
};

struct DeviceEvent {
    int64_t sequence = 0;
    DeviceEventKind kind = DeviceEventKind::ProfileChanged;
    GUID profile;
    int32_t value = 0;
    int32_t x = 0;
    int32_t y = 0;
};

} // namespace quor::service
