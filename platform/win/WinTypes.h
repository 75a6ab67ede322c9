#pragma once

// The Windows handle and parameter types on Qt: a window handle is the widget itself, and the
// message parameters keep their pointer-sized integer widths so that a handle fits in lParam.

#include <cstdint>

class QWidget;

namespace quor::win {

using HWND = QWidget*;
using UINT = uint32_t;
using WPARAM = uintptr_t;
using LPARAM = intptr_t;
using LRESULT = intptr_t;
using UINT_PTR = uintptr_t;

constexpr uint16_t LOWORD(uintptr_t value) { return static_cast<uint16_t>(value & 0xFFFF); }
constexpr uint16_t HIWORD(uintptr_t value) { return static_cast<uint16_t>((value >> 16) & 0xFFFF); }

constexpr WPARAM MAKEWPARAM(uint16_t low, uint16_t high)
{
    return static_cast<WPARAM>(static_cast<uint32_t>(low) | (static_cast<uint32_t>(high) << 16));
}

constexpr LPARAM MAKELPARAM(uint16_t low, uint16_t high)
{
    return static_cast<LPARAM>(static_cast<uint32_t>(low) | (static_cast<uint32_t>(high) << 16));
}

// Signed coordinates packed by MAKELPARAM (client coordinates may be negative while captured).
constexpr int GET_X_LPARAM(LPARAM value) { return static_cast<int16_t>(LOWORD(static_cast<uintptr_t>(value))); }
constexpr int GET_Y_LPARAM(LPARAM value) { return static_cast<int16_t>(HIWORD(static_cast<uintptr_t>(value))); }

// A window handle carried in lParam (the sender of WM_COMMAND).
inline LPARAM HandleToLParam(HWND window) { return reinterpret_cast<LPARAM>(window); }
inline HWND LParamToHandle(LPARAM value) { return reinterpret_cast<HWND>(value); }

} // namespace quor::win
