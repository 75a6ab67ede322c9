#include "platform/keyboard/Keyboard.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdlib>
#include <cstdint>
#include <string>
#include <thread>

namespace quor::keyboard {
namespace {

constexpr uint32_t VK_CAPITAL = 0x14;

HKL Load(const char16_t* id)
{
    return LoadKeyboardLayoutW(id, 0);
}

// The characters a key types in a layout; keyState null means no modifier.
std::u16string Characters(HKL layout, uint32_t scanCode, const uint8_t* keyState = nullptr,
                          uint32_t virtualKey = 0)
{
    char16_t buffer[8] = {};
    const int count = ToUnicodeEx(virtualKey, scanCode, keyState, buffer, 8, 0, layout);
    return std::u16string(buffer, count > 0 ? count : 0);
}

std::array<uint8_t, 256> Pressed(std::initializer_list<uint32_t> virtualKeys)
{
    std::array<uint8_t, 256> state{};
    for (uint32_t virtualKey : virtualKeys)
        state[virtualKey] = 0x80;
    return state;
}

TEST(LoadKeyboardLayout, RefusesUnknownAndMalformedIds)
{
    EXPECT_EQ(LoadKeyboardLayoutW(nullptr, 0), 0u);
    EXPECT_EQ(Load(u""), 0u);
    EXPECT_EQ(Load(u"0409"), 0u);
    EXPECT_EQ(Load(u"000004090"), 0u);
    EXPECT_EQ(Load(u"0000040Z"), 0u);
    EXPECT_EQ(Load(u"0000FFFF"), 0u);
}

TEST(LoadKeyboardLayout, WithoutXkbDataNothingIsLoadedAndNamesFallBackToUsLegends)
{
    // A fresh process whose xkb data folder is empty: the keymap cache is per process.
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            setenv("XKB_CONFIG_ROOT", "/nonexistent-xkb-data", 1);
            setenv("XKB_CONFIG_EXTRA_PATH", "/nonexistent-xkb-data", 1);
            setenv("HOME", "/nonexistent-home", 1);
            unsetenv("XDG_CONFIG_HOME");
            char16_t buffer[4] = {};
            const bool ok = LoadKeyboardLayoutW(u"00000409", KLF_ACTIVATE) == 0 &&
                            GetKeyboardLayout() == 0x409 &&
                            ToUnicode(0, 0x10, nullptr, buffer, 4, 0) == 0 &&
                            VkKeyScanExW(u'q', 0x409) == -1 &&
                            GetKeyNameTextW(0x10 << 16, buffer, 4) == 1 && buffer[0] == u'Q';
            std::exit(ok ? 0 : 1);
        },
        testing::ExitedWithCode(0), "");
}

TEST(LoadKeyboardLayout, ReturnsTheLayoutIdsNumber)
{
    EXPECT_EQ(Load(u"00000409"), 0x409u);
    EXPECT_EQ(Load(u"00000407"), 0x407u);
    EXPECT_EQ(Load(u"0000040c"), 0x40Cu);
    EXPECT_EQ(Load(u"00000419"), 0x419u);
    EXPECT_EQ(Load(u"00000809"), 0x809u);
    EXPECT_EQ(Load(u"00000C0A"), 0xC0Au);
    EXPECT_EQ(Load(u"00000411"), 0x411u);
    EXPECT_EQ(Load(u"00000412"), 0x412u);
    EXPECT_EQ(Load(u"00000804"), 0x804u);
    EXPECT_EQ(Load(u"00000404"), 0x404u);
    EXPECT_EQ(Load(u"00000416"), 0x416u);
}

TEST(LoadKeyboardLayout, ActivateChangesOnlyTheCallingThreadsLayout)
{
    EXPECT_EQ(GetKeyboardLayout(), 0x409u);
    std::thread other([] {
        EXPECT_EQ(LoadKeyboardLayoutW(u"00000407", KLF_ACTIVATE), 0x407u);
        EXPECT_EQ(GetKeyboardLayout(), 0x407u);
        char16_t buffer[4] = {};
        EXPECT_EQ(ToUnicode(0, 0x15, nullptr, buffer, 4, 0), 1);
        EXPECT_EQ(std::u16string(buffer), u"z");
        EXPECT_EQ(GetKeyNameTextW(0x15 << 16, buffer, 4), 1);
        EXPECT_EQ(std::u16string(buffer), u"Z");
        // key names follow the active layout, upper case as on the key cap
        EXPECT_EQ(LoadKeyboardLayoutW(u"00000419", KLF_ACTIVATE), 0x419u);
        EXPECT_EQ(GetKeyNameTextW(0x10 << 16, buffer, 4), 1);
        EXPECT_EQ(std::u16string(buffer), u"Й");
        EXPECT_EQ(GetKeyNameTextW(0x3B << 16, buffer, 4), 2);
        EXPECT_EQ(std::u16string(buffer), u"F1");
    });
    other.join();
    EXPECT_EQ(GetKeyboardLayout(), 0x409u);
    EXPECT_EQ(Load(u"00000407"), 0x407u); // loading without KLF_ACTIVATE changes nothing
    EXPECT_EQ(GetKeyboardLayout(), 0x409u);
    char16_t buffer[4] = {};
    EXPECT_EQ(ToUnicode(0, 0x15, nullptr, buffer, 4, 0), 1);
    EXPECT_EQ(std::u16string(buffer), u"y");
}

struct CharacterCase {
    const char16_t* layoutId;
    uint32_t scanCode; // 0xE0nn for extended keys
    const char16_t* plain;
    const char16_t* shifted;
};

class LayoutCharacter : public testing::TestWithParam<CharacterCase> {};

TEST_P(LayoutCharacter, PlainAndShiftedLevels)
{
    const CharacterCase& c = GetParam();
    const HKL layout = Load(c.layoutId);
    ASSERT_NE(layout, 0u);
    EXPECT_EQ(Characters(layout, c.scanCode), c.plain);
    const auto shift = Pressed({VK_SHIFT});
    EXPECT_EQ(Characters(layout, c.scanCode, shift.data()), c.shifted);
}

INSTANTIATE_TEST_SUITE_P(
    Layouts, LayoutCharacter,
    testing::Values(
        // keys that type nothing
        CharacterCase{u"00000409", 0x2A, u"", u""}, CharacterCase{u"00000409", 0xE048, u"", u""},
        CharacterCase{u"00000409", 0x3B, u"", u""},
        CharacterCase{u"00000409", 0x15, u"y", u"Y"}, CharacterCase{u"00000409", 0x02, u"1", u"!"},
        CharacterCase{u"00000409", 0x27, u";", u":"}, CharacterCase{u"00000409", 0x39, u" ", u" "},
        CharacterCase{u"00000409", 0x1C, u"\r", u"\r"},
        CharacterCase{u"00000409", 0x4B, u"4", u""}, // keypad with NumLock on
        CharacterCase{u"00000409", 0xE035, u"/", u"/"},
        CharacterCase{u"00000407", 0x15, u"z", u"Z"}, CharacterCase{u"00000407", 0x2C, u"y", u"Y"},
        CharacterCase{u"00000407", 0x0C, u"ß", u"?"}, CharacterCase{u"00000407", 0x27, u"ö", u"Ö"},
        CharacterCase{u"00000407", 0x29, u"^", u"°"}, // dead circumflex gives its spacing form
        CharacterCase{u"00000407", 0x56, u"<", u">"},
        CharacterCase{u"0000040C", 0x10, u"a", u"A"}, CharacterCase{u"0000040C", 0x02, u"&", u"1"},
        CharacterCase{u"0000040C", 0x03, u"é", u"2"},
        CharacterCase{u"00000419", 0x10, u"й", u"Й"}, CharacterCase{u"00000419", 0x2C, u"я", u"Я"},
        CharacterCase{u"00000809", 0x03, u"2", u"\""}, CharacterCase{u"00000809", 0x2B, u"#", u"~"},
        CharacterCase{u"00000410", 0x27, u"ò", u"ç"}, CharacterCase{u"0000040A", 0x27, u"ñ", u"Ñ"},
        CharacterCase{u"00000416", 0x73, u"/", u"?"}));

TEST(ToUnicode, AltGrCapsLockAndControl)
{
    const HKL german = Load(u"00000407");
    const auto altGr = Pressed({VK_CONTROL, VK_MENU});
    EXPECT_EQ(Characters(german, 0x10, altGr.data()), u"@");
    EXPECT_EQ(Characters(german, 0x12, altGr.data()), u"€");
    EXPECT_EQ(Characters(german, 0x2A, altGr.data()), u"");
    EXPECT_EQ(Characters(0x409, 0x10, altGr.data()), u""); // the US layout has no third level
    const auto alt = Pressed({VK_MENU});
    EXPECT_EQ(Characters(german, 0x10, alt.data()), u"");

    auto capsLock = Pressed({});
    capsLock[VK_CAPITAL] = 0x01; // toggled, not held
    EXPECT_EQ(Characters(german, 0x27, capsLock.data()), u"Ö");

    const auto ctrl = Pressed({VK_LCONTROL});
    EXPECT_EQ(Characters(0x409, 0x1E, ctrl.data()), std::u16string(1, u'\x01'));
}

TEST(ToUnicode, VirtualKeyPicksTheKeyAndTellsNavigationFromKeypad)
{
    EXPECT_EQ(Characters(0x409, 0, nullptr, 'Q'), u"q");
    EXPECT_EQ(Characters(0x409, 0x47, nullptr, 0x67), u"7");
    EXPECT_EQ(Characters(0x409, 0x47, nullptr, 0x24), u""); // Home shares scan code 0x47
    EXPECT_EQ(Characters(0x409, 0x147), u"");                // the extended flag as bit 8
}

TEST(ToUnicode, FailuresGiveNothing)
{
    char16_t buffer[4] = {u'#', u'#', u'#', u'#'};
    EXPECT_EQ(ToUnicodeEx(0, 0x10, nullptr, buffer, 4, 0, 0x1234), 0);
    EXPECT_EQ(ToUnicodeEx(0, 0x10, nullptr, buffer, 4, 0, 0), 0);
    EXPECT_EQ(ToUnicodeEx(0, 0x7F, nullptr, buffer, 4, 0, 0x409), 0);
    EXPECT_EQ(ToUnicodeEx(0, 0x10, nullptr, nullptr, 4, 0, 0x409), 0);
    buffer[0] = u'#';
    EXPECT_EQ(ToUnicodeEx(0, 0x10, nullptr, buffer, 0, 0x409, 0), 0);
    EXPECT_EQ(buffer[0], u'#');
    EXPECT_EQ(ToUnicodeEx(0, 0x10, nullptr, buffer, 1, 0, 0x409), 1);
    EXPECT_EQ(buffer[0], u'q');
    EXPECT_EQ(buffer[1], u'#');
}

TEST(VkKeyScanEx, FindsTheKeyAndShiftState)
{
    const HKL us = Load(u"00000409");
    const HKL german = Load(u"00000407");
    const HKL french = Load(u"0000040C");
    const HKL russian = Load(u"00000419");
    const struct {
        char16_t character;
        HKL layout;
        int16_t expected;
    } cases[] = {
        {u'\0', us, -1},      {u'й', us, -1},         {u'a', 0x1234, -1},
        {u'q', us, 'Q'},      {u'Q', us, 0x100 | 'Q'}, {u'!', us, 0x100 | '1'},
        {u'1', us, '1'},      {u' ', us, 0x20},        {u'\r', us, 0x0D},
        {u':', us, 0x100 | 0xBA}, {u'\x01', us, 0x200 | 'A'}, {u'\x1B', us, 0x1B},
        {u'z', german, 'Y'},  {u'@', german, 0x600 | 'Q'}, {u'ß', german, 0xBD},
        {u'1', french, 0x100 | '1'}, {u'a', french, 'Q'},
        {u'й', russian, 'Q'}, {u'Я', russian, 0x100 | 'Z'},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(VkKeyScanExW(c.character, c.layout), c.expected)
            << "U+" << std::hex << static_cast<int>(c.character) << " in " << c.layout;
    }
}

TEST(KeyboardLayout, ThreadsTranslateAtOnce)
{
    std::array<std::thread, 4> threads;
    for (size_t i = 0; i < threads.size(); ++i) {
        threads[i] = std::thread([i] {
            const char16_t* id = (i % 2) ? u"00000419" : u"00000407";
            const HKL layout = LoadKeyboardLayoutW(id, KLF_ACTIVATE);
            for (int n = 0; n < 50; ++n) {
                char16_t buffer[4] = {};
                ASSERT_EQ(ToUnicode(0, 0x10, nullptr, buffer, 4, 0), 1);
                EXPECT_EQ(buffer[0], (i % 2) ? u'й' : u'q');
                EXPECT_NE(VkKeyScanExW(buffer[0], layout), -1);
            }
        });
    }
    for (auto& thread : threads)
        thread.join();
}

} // namespace
} // namespace quor::keyboard
