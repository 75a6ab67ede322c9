#pragma once

// A device-interface arrival or removal of the virtual mouse, as a device notification listener
// reports it. The path carries VID_5E2D and PID_0015.

#include "service/DeviceEvent.h"

#include <optional>
#include <string>

namespace quor::service {

struct DeviceNotification {
    enum class Kind { Arrival, Removal };
    Kind kind = Kind::Arrival;
    std::u16string path;

    // The notification a plug event stands for; none for other events.
    static std::optional<DeviceNotification> FromEvent(const DeviceEvent& event);
};

} // namespace quor::service
