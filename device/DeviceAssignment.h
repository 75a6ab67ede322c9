#pragma once

// One button or key assignment as the device service exchanges it (IButtonMap, IKeyMap):
// 32 bytes, no padding.
//   0  always 1
//   4  device index of the button (IButtonMap) or scan code of the key (IKeyMap)
//   8  kind (DeviceAssignmentKind)
//   12 20 bytes by kind: 1 function code (32-bit); 2 macro id (16 bytes); 3 and 4 sub-code
//      (32-bit at 12), for sub-code 3 a profile id (16 bytes at 16, kind 3) or a stage number
//      from 0 (32-bit at 16, kind 4); 5 scan code (16-bit at 12) and modifier word (32-bit at 14)

#include "platform/com/Guid.h"

#include <cstddef>
#include <cstdint>
#include <cstring>

enum DeviceAssignmentKind : uint32_t {
    DEVICE_KIND_NONE = 0,
    DEVICE_KIND_MOUSE = 1,
    DEVICE_KIND_MACRO = 2,
    DEVICE_KIND_PROFILE = 3,
    DEVICE_KIND_SENSITIVITY = 4,
    DEVICE_KIND_KEY = 5,
    DEVICE_KIND_ADVANCED = 6,
};

// Sub-codes of kind 4 (sensitivity): 1 next stage, 2 previous stage.
inline constexpr uint32_t DEVICE_SUBCODE_UP = 1;
inline constexpr uint32_t DEVICE_SUBCODE_DOWN = 2;
// Sub-codes of kind 3 (profile) run the other way: 1 previous profile, 2 next profile.
inline constexpr uint32_t DEVICE_SUBCODE_PREVIOUS_PROFILE = 1;
inline constexpr uint32_t DEVICE_SUBCODE_NEXT_PROFILE = 2;
// Both kinds: 3 selects the stage or profile given at offset 16.
inline constexpr uint32_t DEVICE_SUBCODE_SELECT = 3;

// Modifier bits of kind 5's modifier word.
inline constexpr uint32_t DEVICE_MODIFIER_SHIFT = 0x01000000;
inline constexpr uint32_t DEVICE_MODIFIER_CONTROL = 0x02000000;
inline constexpr uint32_t DEVICE_MODIFIER_ALT = 0x04000000;
inline constexpr uint32_t DEVICE_MODIFIER_WIN = 0x08000000;

#pragma pack(push, 1)
struct DeviceAssignment {
    uint32_t one = 1;
    uint32_t target = 0;
    uint32_t kind = DEVICE_KIND_NONE;
    uint8_t data[20] = {};

    static constexpr size_t kDataOffset = 12;

    // Fields at byte offsets of the whole record (12 to 31 fall in data), unaligned-safe.
    uint32_t Word(size_t offset) const
    {
        uint32_t value = 0;
        std::memcpy(&value, reinterpret_cast<const uint8_t*>(this) + offset, sizeof value);
        return value;
    }
    void SetWord(size_t offset, uint32_t value)
    {
        std::memcpy(reinterpret_cast<uint8_t*>(this) + offset, &value, sizeof value);
    }
    uint16_t Half(size_t offset) const
    {
        uint16_t value = 0;
        std::memcpy(&value, reinterpret_cast<const uint8_t*>(this) + offset, sizeof value);
        return value;
    }
    void SetHalf(size_t offset, uint16_t value)
    {
        std::memcpy(reinterpret_cast<uint8_t*>(this) + offset, &value, sizeof value);
    }
    GUID Id(size_t offset) const
    {
        GUID id;
        std::memcpy(&id, reinterpret_cast<const uint8_t*>(this) + offset, sizeof id);
        return id;
    }
    void SetId(size_t offset, REFGUID id) { std::memcpy(reinterpret_cast<uint8_t*>(this) + offset, &id, sizeof id); }
};
#pragma pack(pop)

static_assert(sizeof(DeviceAssignment) == 32);
static_assert(offsetof(DeviceAssignment, one) == 0);
static_assert(offsetof(DeviceAssignment, target) == 4);
static_assert(offsetof(DeviceAssignment, kind) == 8);
static_assert(offsetof(DeviceAssignment, data) == DeviceAssignment::kDataOffset);
