#pragma once

// One window message: its number and its two parameters.

#include "platform/win/WinTypes.h"

namespace quor::win {

struct WindowMessage {
    UINT message = 0;
    WPARAM wParam = 0;
    LPARAM lParam = 0;

    friend bool operator==(const WindowMessage&, const WindowMessage&) = default;
};

} // namespace quor::win
