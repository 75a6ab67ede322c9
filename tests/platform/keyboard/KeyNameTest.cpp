#include "platform/keyboard/Keyboard.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

namespace quor::keyboard {
namespace {

constexpr int32_t ExtendedBit = 1 << 24;
constexpr int32_t DoNotCareBit = 1 << 25;

int32_t KeyParam(uint32_t scanCode)
{
    const bool extended = (scanCode >> 8) == 0xE0;
    return static_cast<int32_t>((scanCode & 0xFF) << 16) | (extended ? ExtendedBit : 0);
}

std::u16string KeyName(int32_t lParam)
{
    char16_t buffer[32];
    const int length = GetKeyNameTextW(lParam, buffer, 32);
    EXPECT_EQ(std::u16string(buffer).size(), static_cast<size_t>(length));
    return std::u16string(buffer, length);
}

struct NameCase {
    uint32_t scanCode; // 0xE0nn for extended keys
    const char16_t* name;
};

class SystemKeyName : public testing::TestWithParam<NameCase> {};

TEST_P(SystemKeyName, IsTheUsSystemName)
{
    EXPECT_EQ(KeyName(KeyParam(GetParam().scanCode)), GetParam().name);
}

INSTANTIATE_TEST_SUITE_P(
    UsKeyboard, SystemKeyName,
    testing::Values(
        // keys without a system name come first: callers fall back to their own table
        NameCase{0xE06A, u""}, NameCase{0xE069, u""}, NameCase{0xE020, u""}, NameCase{0x00, u""},
        NameCase{0x7A, u""}, NameCase{0xE010, u""},
        // F13 to F24 are filed under 0x7C to 0x87 as on a US system; their own scan codes are
        // unnamed, which keeps browser keys that lost the extended flag unnamed too
        NameCase{0x64, u""}, NameCase{0x6A, u""}, NameCase{0x69, u""}, NameCase{0x76, u""},
        NameCase{0x10, u"Q"}, NameCase{0x1E, u"A"}, NameCase{0x02, u"1"}, NameCase{0x0B, u"0"},
        NameCase{0x2A, u"Shift"}, NameCase{0x36, u"Right Shift"}, NameCase{0x1D, u"Ctrl"},
        NameCase{0xE01D, u"Right Ctrl"}, NameCase{0x38, u"Alt"}, NameCase{0xE038, u"Right Alt"},
        NameCase{0x4B, u"Num 4"}, NameCase{0x52, u"Num 0"}, NameCase{0xE01C, u"Num Enter"},
        NameCase{0xE035, u"Num /"}, NameCase{0x37, u"Num *"}, NameCase{0x4A, u"Num -"},
        NameCase{0x4E, u"Num +"}, NameCase{0x53, u"Num Del"}, NameCase{0xE045, u"Num Lock"},
        NameCase{0xE049, u"Page Up"}, NameCase{0xE051, u"Page Down"}, NameCase{0xE047, u"Home"},
        NameCase{0xE04F, u"End"}, NameCase{0xE052, u"Insert"}, NameCase{0xE053, u"Delete"},
        NameCase{0xE048, u"Up"}, NameCase{0xE050, u"Down"}, NameCase{0xE04B, u"Left"},
        NameCase{0xE04D, u"Right"}, NameCase{0x01, u"Esc"}, NameCase{0x39, u"Space"},
        NameCase{0x0F, u"Tab"}, NameCase{0x3A, u"Caps Lock"}, NameCase{0x1C, u"Enter"},
        NameCase{0x0E, u"Backspace"}, NameCase{0x3B, u"F1"}, NameCase{0x44, u"F10"},
        NameCase{0x57, u"F11"}, NameCase{0x58, u"F12"}, NameCase{0x7C, u"F13"},
        NameCase{0x87, u"F24"}, NameCase{0x46, u"Scroll Lock"}, NameCase{0xE037, u"Prnt Scrn"},
        NameCase{0xE05B, u"Left Windows"}, NameCase{0xE05C, u"Right Windows"},
        NameCase{0xE05D, u"Application"}, NameCase{0x45, u"Pause"}, NameCase{0x27, u";"},
        NameCase{0x0D, u"="}, NameCase{0x33, u","}, NameCase{0x0C, u"-"}, NameCase{0x34, u"."},
        NameCase{0x35, u"/"}, NameCase{0x29, u"`"}, NameCase{0x1A, u"["}, NameCase{0x2B, u"\\"},
        NameCase{0x1B, u"]"}, NameCase{0x28, u"'"},
        NameCase{0x56, u"<"})); // the 102nd key types '<' in xkb's US layout

TEST(KeyName, DoNotCareBitNamesRightModifiersLikeLeftOnes)
{
    EXPECT_EQ(KeyName(KeyParam(0x36) | DoNotCareBit), u"Shift");
    EXPECT_EQ(KeyName(KeyParam(0xE01D) | DoNotCareBit), u"Ctrl");
    EXPECT_EQ(KeyName(KeyParam(0xE038) | DoNotCareBit), u"Alt");
    EXPECT_EQ(KeyName(KeyParam(0xE047) | DoNotCareBit), u"Home");
}

TEST(KeyName, VirtualKeyRoundTripNamesTheKey)
{
    // How callers name a macro event's virtual key: virtual key -> scan code -> name.
    const uint32_t scanCode = MapVirtualKeyW(VK_RCONTROL, MAPVK_VK_TO_VSC);
    EXPECT_EQ(KeyName(KeyParam(scanCode) | ExtendedBit), u"Right Ctrl");
    EXPECT_EQ(KeyName(KeyParam(MapVirtualKeyW(0x6C, MAPVK_VK_TO_VSC)) | ExtendedBit), u"Num Enter");
}

TEST(KeyName, BufferIsNeverOverrunAndAlwaysTerminated)
{
    char16_t buffer[8];
    std::fill(std::begin(buffer), std::end(buffer), u'#');
    EXPECT_EQ(GetKeyNameTextW(KeyParam(0xE05C), buffer, 6), 5);
    EXPECT_EQ(std::u16string(buffer), u"Right");
    EXPECT_EQ(buffer[6], u'#');

    std::fill(std::begin(buffer), std::end(buffer), u'#');
    EXPECT_EQ(GetKeyNameTextW(KeyParam(0x10), buffer, 1), 0);
    EXPECT_EQ(buffer[0], 0);
    EXPECT_EQ(buffer[1], u'#');

    buffer[0] = u'#';
    EXPECT_EQ(GetKeyNameTextW(KeyParam(0x10), buffer, 0), 0);
    EXPECT_EQ(buffer[0], u'#');
    EXPECT_EQ(GetKeyNameTextW(KeyParam(0x10), nullptr, 8), 0);

    EXPECT_EQ(GetKeyNameTextW(KeyParam(0x39), buffer, 8), 5);
    EXPECT_EQ(std::u16string(buffer), u"Space");
}

} // namespace
} // namespace quor::keyboard
