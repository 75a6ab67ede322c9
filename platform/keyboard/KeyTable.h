#pragma once

// The standard 104/105-key keyboard as one table: each physical key's set-1 scan code and
// extended flag, its virtual-key code (left and right modifiers told apart, the keypad with
// NumLock on) and its evdev key code. Virtual-key codes are positional: a key keeps the code of
// its US legend whatever layout is active, so scan code -> virtual key -> scan code always comes
// back to the same physical key.

#include <cstdint>
#include <span>
#include <string>

namespace quor::keyboard::detail {

struct KeyEntry {
    uint8_t scanCode;
    bool extended;
    uint8_t virtualKey;
    uint16_t evdevCode;
};

// In look-up order: where two keys share a virtual key, the first is the one a virtual key
// maps back to (main Enter before keypad Enter).
std::span<const KeyEntry> Keys();

// The key of a scan code and extended flag; null when the keyboard has none.
const KeyEntry* FindKeyByScanCode(uint8_t scanCode, bool extended);

// The key a virtual-key code maps back to, including the generic modifiers (VK_SHIFT ->
// left Shift); null when none.
const KeyEntry* FindKeyByVirtualKey(uint32_t virtualKey);

// The key's name on a US system, or null when the name is the character the key types (letters,
// digits, punctuation) or the key has no name.
const char16_t* SystemKeyName(uint8_t scanCode, bool extended);

// Keys whose name is the character they type in the current layout.
bool IsCharacterKey(uint8_t scanCode, bool extended);

// The unshifted character of a virtual key on a US layout, upper case for letters; 0 when none.
char16_t UsCharacter(uint32_t virtualKey);

// A code point as UTF-16 (one unit, or a surrogate pair above the basic plane).
std::u16string Utf16Of(char32_t character);

inline constexpr uint32_t VK_PAUSE = 0x13;
inline constexpr uint16_t PauseScanCodeEx = 0xE11D; // Pause sends E1 1D 45

} // namespace quor::keyboard::detail
