#pragma once

// The macro event buffer that IMacro::ReadEvents returns and WriteEvents takes: a header
// (32-bit 0, 32-bit event count) followed by count records of 8 bytes. Always allocated with
// CoTaskMemAlloc; MacroEventBufferBytes gives the size the device object allocates
// (count x 8 + 16, zero-filled).

#include "platform/com/Com.h"

#include <cstddef>
#include <cstdint>
#include <cstring>

inline constexpr uint32_t MACRO_EVENT_KEY = 2;
inline constexpr uint32_t MACRO_EVENT_PAUSE = 3;

// Flag bits of a key event.
inline constexpr uint16_t MACRO_KEY_RELEASED = 0x1;
inline constexpr uint16_t MACRO_KEY_EXTENDED = 0x2;

// One event: kind 2 key (16-bit scan code, 16-bit flags), kind 3 pause (32-bit milliseconds).
struct MacroEventRecord {
    uint32_t kind = 0;
    uint8_t data[4] = {};

    static MacroEventRecord Key(uint16_t scanCode, uint16_t flags)
    {
        MacroEventRecord record;
        record.kind = MACRO_EVENT_KEY;
        std::memcpy(record.data, &scanCode, 2);
        std::memcpy(record.data + 2, &flags, 2);
        return record;
    }
    static MacroEventRecord Pause(uint32_t milliseconds)
    {
        MacroEventRecord record;
        record.kind = MACRO_EVENT_PAUSE;
        std::memcpy(record.data, &milliseconds, 4);
        return record;
    }
    uint16_t ScanCode() const
    {
        uint16_t value;
        std::memcpy(&value, data, 2);
        return value;
    }
    uint16_t Flags() const
    {
        uint16_t value;
        std::memcpy(&value, data + 2, 2);
        return value;
    }
    uint32_t PauseLength() const
    {
        uint32_t value;
        std::memcpy(&value, data, 4);
        return value;
    }
};

struct MacroEventBuffer {
    uint32_t reserved = 0;
    uint32_t count = 0;

    MacroEventRecord* Events() { return reinterpret_cast<MacroEventRecord*>(this + 1); }
    const MacroEventRecord* Events() const { return reinterpret_cast<const MacroEventRecord*>(this + 1); }
};

static_assert(sizeof(MacroEventRecord) == 8);
static_assert(offsetof(MacroEventRecord, data) == 4);
static_assert(sizeof(MacroEventBuffer) == 8);
static_assert(offsetof(MacroEventBuffer, count) == 4);

inline size_t MacroEventBufferBytes(uint32_t count) { return size_t(count) * sizeof(MacroEventRecord) + 16; }

// A zero-filled buffer for count events with its header set; null when memory is short.
inline MacroEventBuffer* AllocMacroEventBuffer(uint32_t count)
{
    const size_t bytes = MacroEventBufferBytes(count);
    void* memory = CoTaskMemAlloc(bytes);
    if (!memory)
        return nullptr;
    std::memset(memory, 0, bytes);
    auto* buffer = static_cast<MacroEventBuffer*>(memory);
    buffer->count = count;
    return buffer;
}
