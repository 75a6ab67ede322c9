#pragma once

// Receives the sensitivity events of the active profile's subscription.

#include <cstdint>

struct IDpiEventHandler {
    virtual void OnDpiChanged(int32_t x, int32_t y) = 0;

protected:
    ~IDpiEventHandler() = default;
};
