#pragma once

// Value sets of the device-wide settings and the factory defaults of a profile.

#include <array>
#include <cstdint>

namespace PollingRate {
inline constexpr int32_t Unknown = -1; // before the first read from the device
inline constexpr int32_t Rate125 = 0; // BUTTON_RATE1, report interval 8 ms
inline constexpr int32_t Rate500 = 1; // BUTTON_RATE2, 2 ms
inline constexpr int32_t Rate1000 = 2; // BUTTON_RATE3, 1 ms
} // namespace PollingRate

namespace Defaults {
inline constexpr int32_t DpiMin = 100;
inline constexpr int32_t DpiMax = 5600;
inline constexpr int32_t DpiStep = 100;
inline constexpr int32_t StageCount = 5;
inline constexpr std::array<int32_t, 5> StageDpi = {800, 1200, 1800, 2400, 5600};
inline constexpr int32_t CurrentStage = 3; // stage number
inline constexpr int32_t PollingRate = PollingRate::Rate500;
inline constexpr int32_t AccelerationLevel = 5;
inline constexpr uint8_t AccelerationEnabled = 0;
inline constexpr uint8_t ScrollLight = 1;
inline constexpr uint8_t GlowLight = 1;
inline constexpr uint8_t SensitivityDisplay = 1;
inline constexpr uint8_t ThumbKeysEnabled = 1;
} // namespace Defaults
