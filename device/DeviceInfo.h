#pragma once

// What IDevice::GetInfo reports: 28 bytes.
//   0  size of the record (28)       4  device type number
//   8  driver version major          12 driver version minor
//   16 firmware version major        20 firmware version minor
//   24 description text
// The description field is 32 bits wide, which cannot hold a pointer on this platform, so the
// service always leaves it 0 (no text); FreeDeviceInfoText is what a caller does where it would
// free the text.

#include <cstddef>
#include <cstdint>

struct DeviceInfo {
    uint32_t size = 0;
    uint32_t type = 0;
    uint32_t driverMajor = 0;
    uint32_t driverMinor = 0;
    uint32_t firmwareMajor = 0;
    uint32_t firmwareMinor = 0;
    uint32_t text = 0;
};

static_assert(sizeof(DeviceInfo) == 28);
static_assert(offsetof(DeviceInfo, type) == 4);
static_assert(offsetof(DeviceInfo, driverMajor) == 8);
static_assert(offsetof(DeviceInfo, driverMinor) == 12);
static_assert(offsetof(DeviceInfo, firmwareMajor) == 16);
static_assert(offsetof(DeviceInfo, firmwareMinor) == 20);
static_assert(offsetof(DeviceInfo, text) == 24);

inline void FreeDeviceInfoText(DeviceInfo& info) { info.text = 0; }
