#pragma once

// Failure results of the device service that the standard codes do not name.

#include "platform/com/HResult.h"

namespace quor::service {

inline constexpr HRESULT HResultFromWin32(uint32_t error) { return MakeHResult(0x80070000u | (error & 0xFFFF)); }

inline constexpr HRESULT kFileNotFound = HResultFromWin32(2);          // ERROR_FILE_NOT_FOUND
inline constexpr HRESULT kBadFormat = HResultFromWin32(11);            // ERROR_BAD_FORMAT: not our file
inline constexpr HRESULT kDeviceNotConnected = HResultFromWin32(1167); // ERROR_DEVICE_NOT_CONNECTED
inline constexpr HRESULT kNotFound = HResultFromWin32(1168);           // ERROR_NOT_FOUND: id or index
inline constexpr HRESULT kTooMany = HResultFromWin32(1450);            // ERROR_NO_SYSTEM_RESOURCES: full

} // namespace quor::service
