#pragma once

// The window class name of a top-level window, as RegisterClass gives it on Windows, so that
// outside tools can find the window by it. On X11 it is the window's WM_CLASS (instance and
// class both the name); Qt itself would give every window of the program the same WM_CLASS.
// Kept across re-creation of the native window.

#include "platform/win/WinTypes.h"

#include <string>
#include <string_view>

namespace quor::win {

// Creates the native window when it does not exist yet.
void SetWindowClassName(HWND window, std::u16string_view className);

// Empty for no window or no class name set.
std::u16string GetClassName(HWND window);

} // namespace quor::win
