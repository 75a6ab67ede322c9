#pragma once

// One step of a macro: a key press, a key release or a pause. 12 bytes, exchanged with the
// device object.

#include <cstdint>

namespace MacroEventType {
inline constexpr uint32_t Key = 0;
inline constexpr uint32_t Pause = 2;
} // namespace MacroEventType

// Detail of a key event: byte 0 press or release, byte 1 flags, bytes 2 and 3 zero.
namespace MacroKeyDetail {
inline constexpr uint32_t Press = 0xFF;
inline constexpr uint32_t Release = 0x01;
inline constexpr uint32_t ExtendedFlag = 0x100; // bit 0 of byte 1
inline constexpr uint32_t AltFlag = 0x200; // bit 1 of byte 1: the key went down with Alt held
} // namespace MacroKeyDetail

// The longest pause (24 bits of milliseconds).
inline constexpr uint32_t kMaxMacroPause = 16777215;

struct MacroEvent {
    uint32_t type = MacroEventType::Key;
    uint32_t value = 0; // key: virtual-key code (left/right modifiers told apart); pause: ms
    uint32_t detail = 0; // key: MacroKeyDetail bits; pause: the same number as value

    static constexpr MacroEvent Pause(uint32_t ms) { return {MacroEventType::Pause, ms, ms}; }
    static constexpr MacroEvent KeyPress(uint32_t virtualKey, uint32_t flags = 0)
    {
        return {MacroEventType::Key, virtualKey, MacroKeyDetail::Press | flags};
    }
    static constexpr MacroEvent KeyRelease(uint32_t virtualKey, uint32_t flags = 0)
    {
        return {MacroEventType::Key, virtualKey, MacroKeyDetail::Release | flags};
    }

    friend bool operator==(const MacroEvent&, const MacroEvent&) = default;
};

static_assert(sizeof(MacroEvent) == 12);
