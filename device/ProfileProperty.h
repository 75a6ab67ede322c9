#pragma once

// Property ids of IProfileProperties and the bits of the flags property.
//
// PROFILE_PROPERTY_PROGRAM: the program file name bound to the profile, a NUL-terminated wide
// text of at most 128 units, written with byte count 256 and read into 256 bytes.
// PROFILE_PROPERTY_FLAGS: read as a 16-bit word of the bits below; written one flag at a time
// as 4 bytes: 16-bit flag bit, then 16-bit value 0 or 1.

#include <cstdint>

inline constexpr uint32_t PROFILE_PROPERTY_PROGRAM = 0x80000002;
inline constexpr uint32_t PROFILE_PROPERTY_FLAGS = 0x80000003;

inline constexpr uint32_t PROFILE_PROGRAM_CHARS = 128;
inline constexpr uint32_t PROFILE_PROGRAM_BYTES = PROFILE_PROGRAM_CHARS * 2;

inline constexpr uint16_t PROFILE_FLAG_AUTO_SWITCH = 0x1;
inline constexpr uint16_t PROFILE_FLAG_SENSITIVITY_DISPLAY = 0x2;
inline constexpr uint16_t PROFILE_FLAG_PROFILE_DISPLAY = 0x4;
