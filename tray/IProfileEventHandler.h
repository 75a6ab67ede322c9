#pragma once

// Receives the profile events of the device's profile manager; the value is the service's (the
// index of the new current profile) and callers need not use it.

#include <cstdint>

struct IProfileEventHandler {
    virtual void OnProfileChanged(int32_t value) = 0;

protected:
    ~IProfileEventHandler() = default;
};
