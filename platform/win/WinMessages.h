#pragma once

// Window message numbers, notification codes and key-state flags, with the values the program
// and its skins rely on.

#include "platform/win/WinTypes.h"

namespace quor::win {

inline constexpr UINT WM_DESTROY = 0x0002;
inline constexpr UINT WM_SETFOCUS = 0x0007;
inline constexpr UINT WM_KILLFOCUS = 0x0008;
inline constexpr UINT WM_CLOSE = 0x0010;
inline constexpr UINT WM_KEYDOWN = 0x0100;
inline constexpr UINT WM_KEYUP = 0x0101;
inline constexpr UINT WM_SYSKEYDOWN = 0x0104;
inline constexpr UINT WM_SYSKEYUP = 0x0105;
inline constexpr UINT WM_COMMAND = 0x0111;
inline constexpr UINT WM_TIMER = 0x0113;
inline constexpr UINT WM_MOUSEMOVE = 0x0200;
inline constexpr UINT WM_LBUTTONDOWN = 0x0201;
inline constexpr UINT WM_LBUTTONUP = 0x0202;
inline constexpr UINT WM_LBUTTONDBLCLK = 0x0203;
inline constexpr UINT WM_RBUTTONDOWN = 0x0204;
inline constexpr UINT WM_RBUTTONUP = 0x0205;
inline constexpr UINT WM_RBUTTONDBLCLK = 0x0206;
inline constexpr UINT WM_MBUTTONDOWN = 0x0207;
inline constexpr UINT WM_MBUTTONUP = 0x0208;
inline constexpr UINT WM_MBUTTONDBLCLK = 0x0209;
inline constexpr UINT WM_MOUSEWHEEL = 0x020A;
inline constexpr UINT WM_CAPTURECHANGED = 0x0215;
inline constexpr UINT WM_MOUSELEAVE = 0x02A3;
inline constexpr UINT WM_USER = 1024;

// The program's own messages between skinned items and their owner windows.
inline constexpr UINT UM_SLIDERPOS = WM_USER + 70;
inline constexpr UINT UM_MARKERPOS = WM_USER + 80;
inline constexpr UINT UM_PROFILERENAME = WM_USER + 300;
inline constexpr UINT UM_PROFILEEXE = WM_USER + 301;
inline constexpr UINT UM_PROFILEAUTOSWITCH = WM_USER + 302;
inline constexpr UINT UM_PANELCHOICE = WM_USER + 304;
inline constexpr UINT UM_STAGESELECT = WM_USER + 500;
inline constexpr UINT UM_KEYCAPTURED = WM_USER + 504;
inline constexpr UINT UM_LISTBUTTONDOWN = WM_USER + 508;
inline constexpr UINT UM_PROFILESELECT = WM_USER + 516;
inline constexpr UINT UM_LISTSELECT = WM_USER + 532;
inline constexpr UINT UM_LISTDROPDOWN = WM_USER + 564;

// Button notification codes (high word of WM_COMMAND's wParam).
inline constexpr uint16_t BN_CLICKED = 0;
inline constexpr uint16_t BN_DOUBLECLICKED = 5;

// Key and button state flags in wParam of mouse messages.
inline constexpr WPARAM MK_LBUTTON = 0x0001;
inline constexpr WPARAM MK_RBUTTON = 0x0002;
inline constexpr WPARAM MK_SHIFT = 0x0004;
inline constexpr WPARAM MK_CONTROL = 0x0008;
inline constexpr WPARAM MK_MBUTTON = 0x0010;

// Mouse-wheel delta of one notch.
inline constexpr int WHEEL_DELTA = 120;

} // namespace quor::win
