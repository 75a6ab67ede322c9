#pragma once

// The virtual mouse's fixed make-up: its buttons, thumb-grid keys, lights, limits and versions,
// and the factory values of its settings.

#include "device/DeviceAssignment.h"

#include <array>
#include <cstdint>

namespace quor::service {

struct ButtonSlot {
    uint32_t button = 0;      // button number of the configuration model
    uint32_t deviceIndex = 0; // target of the button's DeviceAssignment
    uint32_t factoryCode = 0; // kind 1 code it has in the factory state
};

// The assignable buttons in device-index order: left, right, wheel click, the two side buttons,
// wheel up, wheel down.
inline constexpr std::array<ButtonSlot, 7> kButtonSlots{{
    {1, 1, 1},
    {2, 2, 2},
    {3, 3, 3},
    {25, 4, 4},
    {26, 5, 5},
    {10, 8, 6},
    {11, 9, 7},
}};
inline constexpr uint32_t kCapabilityValue = 1;
inline constexpr uint32_t kCapabilityMask = 0x19F;

// Scan codes of the thumb grid's two key sets (number row, then keypad), in thumb order.
inline constexpr std::array<uint16_t, 24> kThumbKeys{
    2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 79, 80, 81, 75, 76, 77, 71, 72, 73, 82, 74, 78,
};
inline constexpr uint32_t kKeySets = 2;

// Lights of every profile, by index.
inline constexpr std::array<uint32_t, 2> kLightKinds{1, 4};

inline constexpr int32_t kStageLimitFirst = 1;
inline constexpr int32_t kMaxStages = 5;
inline constexpr int32_t kFactoryRangeMin = 100;
inline constexpr int32_t kFactoryRangeMax = 5600;
inline constexpr int32_t kFactoryRangeStep = 100;
inline constexpr std::array<int32_t, 5> kFactoryStages{800, 1200, 1800, 2400, 5600};
inline constexpr int32_t kFactoryStageIndex = 3;
inline constexpr uint16_t kFactoryProfileFlags = 0x2 | 0x4; // sensitivity and profile display

// Polling: report intervals in milliseconds and the matching rates in reports a second.
inline constexpr std::array<uint32_t, 3> kPollingIntervals{8, 2, 1};
inline constexpr std::array<uint32_t, 3> kPollingRates{125, 500, 1000};
inline constexpr uint32_t kFactoryPollingInterval = 2;

inline constexpr int32_t kAccelerationLevelMin = 1;
inline constexpr int32_t kAccelerationLevelMax = 10;
inline constexpr int32_t kFactoryAccelerationLevel = 5;

inline constexpr uint32_t kDriverMajor = 1;
inline constexpr uint32_t kDriverMinor = 0;
inline constexpr uint32_t kFirmwareMajor = 1;
inline constexpr uint32_t kFirmwareMinor = 5;
inline constexpr uint32_t kDeviceNumber = 1; // GetIdentity's first value

inline constexpr size_t kMaxNameLength = 255;      // UTF-16 units of profile and macro names
inline constexpr size_t kMaxMacros = 100;
inline constexpr uint32_t kMaxMacroEvents = 10000;

inline constexpr char16_t kFactoryProfileName[] = u"Profile 1";

// Device-interface path reported with plug events.
inline constexpr char16_t kDeviceInterfacePath[] =
    u"\\\\?\\HID#VID_5E2D&PID_0015#virtual#{378de44c-56ef-11d1-bc8c-00a0c91405dd}";

} // namespace quor::service
