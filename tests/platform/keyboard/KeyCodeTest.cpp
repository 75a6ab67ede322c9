#include "platform/keyboard/Keyboard.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace quor::keyboard {
namespace {

constexpr uint32_t VK_RETURN = 0x0D;
constexpr uint32_t VK_HOME = 0x24;
constexpr uint32_t VK_NUMPAD7 = 0x67;
constexpr uint32_t VK_SEPARATOR = 0x6C;
constexpr uint32_t VK_PAUSE = 0x13;

struct KeyCase {
    uint32_t scanCode; // 0xE0nn for extended keys
    uint32_t virtualKey; // left and right told apart
    uint32_t genericVirtualKey;
};

class KeyCodeRoundTrip : public testing::TestWithParam<KeyCase> {};

TEST_P(KeyCodeRoundTrip, ScanCodeAndVirtualKeyMapBothWays)
{
    const KeyCase& key = GetParam();
    EXPECT_EQ(MapVirtualKeyW(key.scanCode, MAPVK_VSC_TO_VK_EX), key.virtualKey);
    EXPECT_EQ(MapVirtualKeyW(key.scanCode, MAPVK_VSC_TO_VK), key.genericVirtualKey);
    EXPECT_EQ(MapVirtualKeyW(key.virtualKey, MAPVK_VK_TO_VSC_EX), key.scanCode);
    EXPECT_EQ(MapVirtualKeyW(key.virtualKey, MAPVK_VK_TO_VSC), key.scanCode & 0xFF);
}

INSTANTIATE_TEST_SUITE_P(
    StandardKeyboard, KeyCodeRoundTrip,
    testing::Values(
        // modifiers
        KeyCase{0x2A, VK_LSHIFT, VK_SHIFT}, KeyCase{0x36, VK_RSHIFT, VK_SHIFT},
        KeyCase{0x1D, VK_LCONTROL, VK_CONTROL}, KeyCase{0xE01D, VK_RCONTROL, VK_CONTROL},
        KeyCase{0x38, VK_LMENU, VK_MENU}, KeyCase{0xE038, VK_RMENU, VK_MENU},
        KeyCase{0xE05B, 0x5B, 0x5B}, KeyCase{0xE05C, 0x5C, 0x5C}, KeyCase{0xE05D, 0x5D, 0x5D},
        // letters, digits, punctuation, function keys
        KeyCase{0x10, 'Q', 'Q'}, KeyCase{0x2C, 'Z', 'Z'}, KeyCase{0x02, '1', '1'},
        KeyCase{0x0B, '0', '0'}, KeyCase{0x27, 0xBA, 0xBA}, KeyCase{0x0C, 0xBD, 0xBD},
        KeyCase{0x0D, 0xBB, 0xBB}, KeyCase{0x29, 0xC0, 0xC0}, KeyCase{0x2B, 0xDC, 0xDC},
        KeyCase{0x56, 0xE2, 0xE2}, KeyCase{0x3B, 0x70, 0x70}, KeyCase{0x58, 0x7B, 0x7B},
        KeyCase{0x64, 0x7C, 0x7C}, KeyCase{0x76, 0x87, 0x87},
        // control keys
        KeyCase{0x01, 0x1B, 0x1B}, KeyCase{0x0F, 0x09, 0x09}, KeyCase{0x0E, 0x08, 0x08},
        KeyCase{0x1C, VK_RETURN, VK_RETURN}, KeyCase{0x39, 0x20, 0x20},
        KeyCase{0x3A, 0x14, 0x14}, KeyCase{0x46, 0x91, 0x91}, KeyCase{0xE037, 0x2C, 0x2C},
        // navigation block
        KeyCase{0xE047, VK_HOME, VK_HOME}, KeyCase{0xE04F, 0x23, 0x23},
        KeyCase{0xE049, 0x21, 0x21}, KeyCase{0xE051, 0x22, 0x22}, KeyCase{0xE052, 0x2D, 0x2D},
        KeyCase{0xE053, 0x2E, 0x2E}, KeyCase{0xE048, 0x26, 0x26}, KeyCase{0xE050, 0x28, 0x28},
        KeyCase{0xE04B, 0x25, 0x25}, KeyCase{0xE04D, 0x27, 0x27},
        // keypad with NumLock on
        KeyCase{0x47, VK_NUMPAD7, VK_NUMPAD7}, KeyCase{0x52, 0x60, 0x60},
        KeyCase{0x4F, 0x61, 0x61}, KeyCase{0x53, 0x6E, 0x6E}, KeyCase{0x37, 0x6A, 0x6A},
        KeyCase{0x4A, 0x6D, 0x6D}, KeyCase{0x4E, 0x6B, 0x6B}, KeyCase{0xE035, 0x6F, 0x6F},
        KeyCase{0xE045, VK_NUMLOCK, VK_NUMLOCK},
        // browser and media keys
        KeyCase{0xE06A, VK_BROWSER_BACK, VK_BROWSER_BACK},
        KeyCase{0xE069, VK_BROWSER_FORWARD, VK_BROWSER_FORWARD},
        KeyCase{0xE020, 0xAD, 0xAD}, KeyCase{0xE022, 0xB3, 0xB3}));

TEST(MapVirtualKey, SharedAndSpecialKeys)
{
    // The NumLock key's bare scan code, as the device keeps it, is NumLock too.
    EXPECT_EQ(MapVirtualKeyW(0x45, MAPVK_VSC_TO_VK_EX), VK_NUMLOCK);
    EXPECT_EQ(MapVirtualKeyW(0x45, MAPVK_VSC_TO_VK), VK_NUMLOCK);
    // Keypad Enter is VK_RETURN, as on Windows; a virtual key maps back to the main Enter,
    // except the refined keypad Enter code.
    EXPECT_EQ(MapVirtualKeyW(0xE01C, MAPVK_VSC_TO_VK_EX), VK_RETURN);
    EXPECT_EQ(MapVirtualKeyW(VK_RETURN, MAPVK_VK_TO_VSC_EX), 0x1Cu);
    EXPECT_EQ(MapVirtualKeyW(VK_SEPARATOR, MAPVK_VK_TO_VSC), 0x1Cu);
    EXPECT_EQ(MapVirtualKeyW(VK_SEPARATOR, MAPVK_VK_TO_VSC_EX), 0xE01Cu);
    // Generic modifiers map to the left key.
    EXPECT_EQ(MapVirtualKeyW(VK_SHIFT, MAPVK_VK_TO_VSC), 0x2Au);
    EXPECT_EQ(MapVirtualKeyW(VK_CONTROL, MAPVK_VK_TO_VSC_EX), 0x1Du);
    EXPECT_EQ(MapVirtualKeyW(VK_MENU, MAPVK_VK_TO_VSC), 0x38u);
    EXPECT_EQ(MapVirtualKeyW(VK_PAUSE, MAPVK_VK_TO_VSC_EX), 0xE11Du);
    EXPECT_EQ(MapVirtualKeyW(0xE11D, MAPVK_VSC_TO_VK_EX), VK_PAUSE);
}

TEST(MapVirtualKey, UnknownCodesGiveZero)
{
    EXPECT_EQ(MapVirtualKeyW(0, MAPVK_VSC_TO_VK), 0u);
    EXPECT_EQ(MapVirtualKeyW(0x7F, MAPVK_VSC_TO_VK_EX), 0u);
    EXPECT_EQ(MapVirtualKeyW(0xE010 + 0x100, MAPVK_VSC_TO_VK_EX), 0u); // prefix other than E0
    EXPECT_EQ(MapVirtualKeyW(0xE02A, MAPVK_VSC_TO_VK_EX), 0u); // the fake shift of E0 sequences
    EXPECT_EQ(MapVirtualKeyW(0, MAPVK_VK_TO_VSC), 0u);
    EXPECT_EQ(MapVirtualKeyW(0xFF, MAPVK_VK_TO_VSC_EX), 0u);
    EXPECT_EQ(MapVirtualKeyW('Q', 5), 0u);
}

TEST(MapVirtualKey, VirtualKeyToCharacterIsTheUnshiftedUsCharacter)
{
    const struct {
        uint32_t virtualKey;
        uint32_t character;
    } cases[] = {{0x87, 0},     {VK_SHIFT, 0}, {'Q', 'Q'},    {'1', '1'},  {0xBA, ';'},
                 {0xBB, '='},   {0xBC, ','},   {0xBD, '-'},   {0xBE, '.'}, {0xBF, '/'},
                 {0xC0, '`'},   {0xDB, '['},   {0xDC, '\\'},  {0xDD, ']'}, {0xDE, '\''},
                 {0x20, ' '},   {VK_RETURN, '\r'}, {0x64, '4'}, {0x6E, '.'}, {0x6A, '*'}};
    for (const auto& c : cases)
        EXPECT_EQ(MapVirtualKeyW(c.virtualKey, MAPVK_VK_TO_CHAR), c.character) << c.virtualKey;
}

} // namespace
} // namespace quor::keyboard
