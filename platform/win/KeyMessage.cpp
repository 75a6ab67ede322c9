#include "platform/win/KeyMessage.h"

#include <array>
#include <utility>

namespace quor::win {

namespace {

// X11 keycodes are the kernel's input codes plus 8.
constexpr uint32_t kX11KeycodeOffset = 8;

// Kernel input codes 1 to 88 are the set-1 codes themselves; the keys below moved when the
// extended keys were added and carry the 0xE0 prefix on the wire.
constexpr std::array<std::pair<uint32_t, uint16_t>, 19> kExtendedKeys{{
    {96, 0xE01C},  // keypad Enter
    {97, 0xE01D},  // right Ctrl
    {98, 0xE035},  // keypad /
    {99, 0xE037},  // Print Screen
    {100, 0xE038}, // right Alt
    {102, 0xE047}, // Home
    {103, 0xE048}, // Up
    {104, 0xE049}, // Page Up
    {105, 0xE04B}, // Left
    {106, 0xE04D}, // Right
    {107, 0xE04F}, // End
    {108, 0xE050}, // Down
    {109, 0xE051}, // Page Down
    {110, 0xE052}, // Insert
    {111, 0xE053}, // Delete
    {119, 0x0045}, // Pause reports the Num Lock code without prefix in key messages
    {125, 0xE05B}, // left Windows
    {126, 0xE05C}, // right Windows
    {127, 0xE05D}, // Menu
}};

constexpr uint32_t kLastPlainInputCode = 88;

constexpr LPARAM kExtendedBit = LPARAM{1} << 24;
constexpr LPARAM kAltBit = LPARAM{1} << 29;
constexpr LPARAM kPreviousStateBit = LPARAM{1} << 30;
constexpr LPARAM kTransitionBit = LPARAM{1} << 31;

} // namespace

uint16_t ScanCodeFromNativeKeycode(uint32_t keycode)
{
    if (keycode <= kX11KeycodeOffset)
        return 0;
    const uint32_t input = keycode - kX11KeycodeOffset;
    if (input <= kLastPlainInputCode)
        return static_cast<uint16_t>(input);
    for (const auto& [code, scan] : kExtendedKeys) {
        if (code == input)
            return scan;
    }
    return 0;
}

LPARAM MakeKeyLParam(uint16_t scanCode, KeyTransition transition, bool altDown, bool autoRepeat)
{
    LPARAM value = 1 | (static_cast<LPARAM>(scanCode & 0xFF) << 16);
    if ((scanCode & 0xFF00) == kExtendedScanPrefix)
        value |= kExtendedBit;
    if (altDown)
        value |= kAltBit;
    if (transition == KeyTransition::Up)
        value |= kPreviousStateBit | kTransitionBit;
    else if (autoRepeat)
        value |= kPreviousStateBit;
    return value;
}

uint16_t ScanCodeFromKeyLParam(LPARAM lParam)
{
    const auto scan = static_cast<uint16_t>((lParam >> 16) & 0xFF);
    return (lParam & kExtendedBit) ? static_cast<uint16_t>(scan | kExtendedScanPrefix) : scan;
}

} // namespace quor::win
