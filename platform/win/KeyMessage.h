#pragma once

// Key messages in the Windows lParam layout: repeat count in bits 0-15, set-1 scan code in bits
// 16-23, extended-key flag in bit 24, Alt held in bit 29, previous key state in bit 30 and
// transition state in bit 31.

#include "platform/win/WinTypes.h"

#include <cstdint>

namespace quor::win {

// Extended keys carry this prefix on their set-1 code, as MAPVK_VK_TO_VSC_EX gives them.
inline constexpr uint16_t kExtendedScanPrefix = 0xE000;

// The set-1 scan code (with kExtendedScanPrefix for extended keys) of an X11 keycode, which is
// what Qt reports as the native scan code on xcb and what synthetic test events carry; 0 when
// the key has no set-1 code.
uint16_t ScanCodeFromNativeKeycode(uint32_t keycode);

enum class KeyTransition { Down, Up };

LPARAM MakeKeyLParam(uint16_t scanCode, KeyTransition transition, bool altDown, bool autoRepeat);

// The scan code with kExtendedScanPrefix from a key message's lParam.
uint16_t ScanCodeFromKeyLParam(LPARAM lParam);

} // namespace quor::win
