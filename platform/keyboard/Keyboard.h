#pragma once

// Keyboard services in the shape the configuration model and the device object call them:
// set-1 scan codes (with the extended flag) <-> Windows virtual-key codes for the standard
// 104/105-key keyboard, key names as a US system gives them, and layout characters through
// xkbcommon. Thread-safe; no Qt.

#include <cstdint>

namespace quor::keyboard {

// MapVirtualKeyW map types.
inline constexpr uint32_t MAPVK_VK_TO_VSC = 0;
inline constexpr uint32_t MAPVK_VSC_TO_VK = 1;
inline constexpr uint32_t MAPVK_VK_TO_CHAR = 2;
inline constexpr uint32_t MAPVK_VSC_TO_VK_EX = 3; // tells left and right modifiers apart
inline constexpr uint32_t MAPVK_VK_TO_VSC_EX = 4; // extended keys come back as 0xE0nn

// Virtual-key codes the callers name.
inline constexpr uint32_t VK_SHIFT = 0x10;
inline constexpr uint32_t VK_CONTROL = 0x11;
inline constexpr uint32_t VK_MENU = 0x12;
inline constexpr uint32_t VK_NUMLOCK = 0x90;
inline constexpr uint32_t VK_LSHIFT = 0xA0;
inline constexpr uint32_t VK_RSHIFT = 0xA1;
inline constexpr uint32_t VK_LCONTROL = 0xA2;
inline constexpr uint32_t VK_RCONTROL = 0xA3;
inline constexpr uint32_t VK_LMENU = 0xA4;
inline constexpr uint32_t VK_RMENU = 0xA5;
inline constexpr uint32_t VK_BROWSER_BACK = 0xA6;
inline constexpr uint32_t VK_BROWSER_FORWARD = 0xA7;

// LoadKeyboardLayoutW flags.
inline constexpr uint32_t KLF_ACTIVATE = 0x1;

// A loaded keyboard layout; 0 is none. The value is the layout id's number ("00000407" -> 0x407).
using HKL = uintptr_t;

// Writes the key's name for lParam (scan code in bits 16-23, extended flag in bit 24) into
// buffer (NUL-terminated, at most size units including the NUL). Returns the name's length,
// or 0 when the key has no system name.
int GetKeyNameTextW(int32_t lParam, char16_t* buffer, int size);

// Returns the mapped code, or 0 when there is none. Virtual-key codes are those of the US legends
// whatever layout is active, so a scan code always maps back to the same key. The keypad maps
// as with NumLock on; the NumLock key's scan code 0x45 gives VK_NUMLOCK with or without 0xE0.
uint32_t MapVirtualKeyW(uint32_t code, uint32_t mapType);

// Loads the layout named by an 8-digit hexadecimal id ("00000409" US, "00000407" German,
// "0000040C" French, "00000419" Russian, ...). KLF_ACTIVATE makes it the calling thread's
// current layout. Returns 0 for an id without a matching xkb layout.
HKL LoadKeyboardLayoutW(const char16_t* layoutId, uint32_t flags);

// The calling thread's current layout (US until a layout is activated).
HKL GetKeyboardLayout();

// Translates a key to its character(s) in the calling thread's current layout (ToUnicodeEx: in
// the given layout). keyState may be null (no modifiers pressed); otherwise 256 bytes with the
// high bit set for pressed keys. Returns the number of characters written, 0 when the key gives
// none.
int ToUnicode(uint32_t virtualKey, uint32_t scanCode, const uint8_t* keyState, char16_t* buffer,
              int size, uint32_t flags);
int ToUnicodeEx(uint32_t virtualKey, uint32_t scanCode, const uint8_t* keyState, char16_t* buffer,
                int size, uint32_t flags, HKL layout);

// Virtual key (low byte) and shift state (high byte: 1 Shift, 2 Ctrl, 4 Alt) that type ch in
// the layout; -1 when no key types it.
int16_t VkKeyScanExW(char16_t ch, HKL layout);

} // namespace quor::keyboard
