#pragma once

// Button numbers (shared with sibling models, hence the gaps: no button 24) and the keys that
// the thumb grid emits.

#include <array>
#include <cstdint>

namespace Button {
inline constexpr int32_t KeyAssignment = 0; // the button number under which key assignments are checked
inline constexpr int32_t Left = 1;
inline constexpr int32_t Right = 2;
inline constexpr int32_t WheelClick = 3;
inline constexpr int32_t RightSideFront = 4;
inline constexpr int32_t RightSideRear = 5;
inline constexpr int32_t LeftSideFront = 6;
inline constexpr int32_t LeftSideRear = 7;
inline constexpr int32_t CentreFront = 8;
inline constexpr int32_t CentreRear = 9;
inline constexpr int32_t WheelUp = 10;
inline constexpr int32_t WheelDown = 11;
inline constexpr int32_t ThumbFirst = 12; // thumb-grid button 1
inline constexpr int32_t ThumbLast = 23; // thumb-grid button 12
inline constexpr int32_t LeftClickFront = 25;
inline constexpr int32_t LeftClickRear = 26;
inline constexpr int32_t ThumbCount = 12;

// Button number of thumb-grid button n (1 to 12).
constexpr int32_t Thumb(int32_t n) { return ThumbFirst - 1 + n; }
} // namespace Button

// Buttons with direct assignments on this mouse, in the order the defaults are applied.
inline constexpr std::array<int32_t, 7> kDirectButtons = {
    Button::Left, Button::Right, Button::WheelClick, Button::LeftClickFront,
    Button::LeftClickRear, Button::WheelUp, Button::WheelDown};

// Set-1 scan codes that thumb buttons 1 to 12 emit: the number row (1 to 0, -, =) ...
inline constexpr std::array<int32_t, 12> kNumberRowKeys = {2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13};
// ... or the keypad (1 to 9 in thumb order, 0, -, +).
inline constexpr std::array<int32_t, 12> kKeypadKeys = {79, 80, 81, 75, 76, 77,
                                                        71, 72, 73, 82, 74, 78};
