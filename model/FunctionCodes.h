#pragma once

// Function codes of an AssignmentRecord, their language keys and the functions allowed per
// button.

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace FunctionCode {
inline constexpr int32_t None = -1; // nothing assigned
inline constexpr int32_t Click = 0;
inline constexpr int32_t Menu = 1;
inline constexpr int32_t UniversalScrolling = 2;
inline constexpr int32_t SingleKey = 3; // parameters: scan code and flags
inline constexpr int32_t MacroById = 4; // parameters: macro identifier
inline constexpr int32_t MacroByName = 5; // parameters: macro name
inline constexpr int32_t ButtonOff = 6;
inline constexpr int32_t Advanced = 7;
inline constexpr int32_t OnTheFlySensitivity = 8;
inline constexpr int32_t Button4 = 9;
inline constexpr int32_t Button5 = 10;
inline constexpr int32_t StageUp = 11;
inline constexpr int32_t StageDown = 12;
inline constexpr int32_t Stage1 = 13; // to Stage1 + 4: select stage 1 to 5
inline constexpr int32_t ProfileById = 18; // parameters: profile identifier
inline constexpr int32_t ProfileByName = 19; // parameters: profile name
inline constexpr int32_t ProfileUp = 20;
inline constexpr int32_t ProfileDown = 21;
inline constexpr int32_t Profile1 = 22; // to Profile1 + 4: switch to profile 1 to 5
inline constexpr int32_t Play = 27;
inline constexpr int32_t Stop = 28;
inline constexpr int32_t Backward = 29;
inline constexpr int32_t Forward = 30;
inline constexpr int32_t Pause = 31;
inline constexpr int32_t VolumeUp = 32;
inline constexpr int32_t VolumeDown = 33;
inline constexpr int32_t Mute = 34;
inline constexpr int32_t SkipBack = 35;
inline constexpr int32_t SkipForward = 36;
inline constexpr int32_t ScrollUp = 37;
inline constexpr int32_t ScrollDown = 38;
inline constexpr int32_t Cut = 39;
inline constexpr int32_t Copy = 40;
inline constexpr int32_t Paste = 41;
inline constexpr int32_t Undo = 42;
inline constexpr int32_t SelectAll = 43;
inline constexpr int32_t Find = 44;
inline constexpr int32_t New = 45;
inline constexpr int32_t Print = 46;
inline constexpr int32_t Save = 47;
inline constexpr int32_t SwapWindows = 48;
inline constexpr int32_t CloseWindows = 49;
inline constexpr int32_t LockPc = 50;
inline constexpr int32_t OpenExplorer = 51;
inline constexpr int32_t Run = 52;
inline constexpr int32_t ShowDesktop = 53;
inline constexpr int32_t ZoomIn = 54;
inline constexpr int32_t ZoomOut = 55;
inline constexpr int32_t DpiSetting = 56;
inline constexpr int32_t ProfileSetting = 57;
inline constexpr int32_t SelectFunction = 58; // placeholder asking the user to choose
inline constexpr int32_t Count = 59; // codes 0 to Count - 1 have language keys
} // namespace FunctionCode

// The language key of a function code ("$click" for 0); empty outside 0 to 58.
std::u16string_view GetFunctionKey(int32_t code);

// The ordered functions offered on a button: six for the wheel (buttons 10 and 11), fourteen
// for every other button and for key assignments (button 0).
std::span<const int32_t> GetAllowedFunctions(int32_t button);

// Whether code may be put on button: an entry of its list, or 19 where 18 is, or 5 where 4 is.
bool IsFunctionAllowedOn(int32_t code, int32_t button);

// The language keys of GetAllowedFunctions(button), in order.
std::vector<std::u16string> GetAllowedFunctionKeysOf(int32_t button);
