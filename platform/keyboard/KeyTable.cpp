#include "platform/keyboard/KeyTable.h"

#include "platform/keyboard/Keyboard.h"

#include <linux/input-event-codes.h>

#include <array>

namespace quor::keyboard::detail {
namespace {

constexpr bool Ext = true;
constexpr bool Base = false;

// Set-1 make codes 0x01 to 0x58 equal their evdev key codes; the rest need the table.
constexpr std::array kKeys = std::to_array<KeyEntry>({
    {0x01, Base, 0x1B, KEY_ESC},
    {0x02, Base, '1', KEY_1},
    {0x03, Base, '2', KEY_2},
    {0x04, Base, '3', KEY_3},
    {0x05, Base, '4', KEY_4},
    {0x06, Base, '5', KEY_5},
    {0x07, Base, '6', KEY_6},
    {0x08, Base, '7', KEY_7},
    {0x09, Base, '8', KEY_8},
    {0x0A, Base, '9', KEY_9},
    {0x0B, Base, '0', KEY_0},
    {0x0C, Base, 0xBD, KEY_MINUS},      // VK_OEM_MINUS
    {0x0D, Base, 0xBB, KEY_EQUAL},      // VK_OEM_PLUS
    {0x0E, Base, 0x08, KEY_BACKSPACE},  // VK_BACK
    {0x0F, Base, 0x09, KEY_TAB},
    {0x10, Base, 'Q', KEY_Q},
    {0x11, Base, 'W', KEY_W},
    {0x12, Base, 'E', KEY_E},
    {0x13, Base, 'R', KEY_R},
    {0x14, Base, 'T', KEY_T},
    {0x15, Base, 'Y', KEY_Y},
    {0x16, Base, 'U', KEY_U},
    {0x17, Base, 'I', KEY_I},
    {0x18, Base, 'O', KEY_O},
    {0x19, Base, 'P', KEY_P},
    {0x1A, Base, 0xDB, KEY_LEFTBRACE},  // VK_OEM_4
    {0x1B, Base, 0xDD, KEY_RIGHTBRACE}, // VK_OEM_6
    {0x1C, Base, 0x0D, KEY_ENTER},      // VK_RETURN
    {0x1D, Base, VK_LCONTROL, KEY_LEFTCTRL},
    {0x1E, Base, 'A', KEY_A},
    {0x1F, Base, 'S', KEY_S},
    {0x20, Base, 'D', KEY_D},
    {0x21, Base, 'F', KEY_F},
    {0x22, Base, 'G', KEY_G},
    {0x23, Base, 'H', KEY_H},
    {0x24, Base, 'J', KEY_J},
    {0x25, Base, 'K', KEY_K},
    {0x26, Base, 'L', KEY_L},
    {0x27, Base, 0xBA, KEY_SEMICOLON},  // VK_OEM_1
    {0x28, Base, 0xDE, KEY_APOSTROPHE}, // VK_OEM_7
    {0x29, Base, 0xC0, KEY_GRAVE},      // VK_OEM_3
    {0x2A, Base, VK_LSHIFT, KEY_LEFTSHIFT},
    {0x2B, Base, 0xDC, KEY_BACKSLASH},  // VK_OEM_5
    {0x2C, Base, 'Z', KEY_Z},
    {0x2D, Base, 'X', KEY_X},
    {0x2E, Base, 'C', KEY_C},
    {0x2F, Base, 'V', KEY_V},
    {0x30, Base, 'B', KEY_B},
    {0x31, Base, 'N', KEY_N},
    {0x32, Base, 'M', KEY_M},
    {0x33, Base, 0xBC, KEY_COMMA},      // VK_OEM_COMMA
    {0x34, Base, 0xBE, KEY_DOT},        // VK_OEM_PERIOD
    {0x35, Base, 0xBF, KEY_SLASH},      // VK_OEM_2
    {0x36, Base, VK_RSHIFT, KEY_RIGHTSHIFT},
    {0x37, Base, 0x6A, KEY_KPASTERISK}, // VK_MULTIPLY
    {0x38, Base, VK_LMENU, KEY_LEFTALT},
    {0x39, Base, 0x20, KEY_SPACE},
    {0x3A, Base, 0x14, KEY_CAPSLOCK},   // VK_CAPITAL
    {0x3B, Base, 0x70, KEY_F1},
    {0x3C, Base, 0x71, KEY_F2},
    {0x3D, Base, 0x72, KEY_F3},
    {0x3E, Base, 0x73, KEY_F4},
    {0x3F, Base, 0x74, KEY_F5},
    {0x40, Base, 0x75, KEY_F6},
    {0x41, Base, 0x76, KEY_F7},
    {0x42, Base, 0x77, KEY_F8},
    {0x43, Base, 0x78, KEY_F9},
    {0x44, Base, 0x79, KEY_F10},
    // The NumLock key's messages carry the extended flag; its bare scan code means NumLock too.
    {0x45, Ext, VK_NUMLOCK, KEY_NUMLOCK},
    {0x45, Base, VK_NUMLOCK, KEY_NUMLOCK},
    {0x46, Base, 0x91, KEY_SCROLLLOCK}, // VK_SCROLL
    {0x47, Base, 0x67, KEY_KP7},        // VK_NUMPAD7
    {0x48, Base, 0x68, KEY_KP8},
    {0x49, Base, 0x69, KEY_KP9},
    {0x4A, Base, 0x6D, KEY_KPMINUS},    // VK_SUBTRACT
    {0x4B, Base, 0x64, KEY_KP4},
    {0x4C, Base, 0x65, KEY_KP5},
    {0x4D, Base, 0x66, KEY_KP6},
    {0x4E, Base, 0x6B, KEY_KPPLUS},     // VK_ADD
    {0x4F, Base, 0x61, KEY_KP1},
    {0x50, Base, 0x62, KEY_KP2},
    {0x51, Base, 0x63, KEY_KP3},
    {0x52, Base, 0x60, KEY_KP0},
    {0x53, Base, 0x6E, KEY_KPDOT},      // VK_DECIMAL
    {0x56, Base, 0xE2, KEY_102ND},      // VK_OEM_102
    {0x73, Base, 0xC1, KEY_RO},         // VK_ABNT_C1, the Brazilian "/?" key
    {0x57, Base, 0x7A, KEY_F11},
    {0x58, Base, 0x7B, KEY_F12},
    {0x64, Base, 0x7C, KEY_F13},
    {0x65, Base, 0x7D, KEY_F14},
    {0x66, Base, 0x7E, KEY_F15},
    {0x67, Base, 0x7F, KEY_F16},
    {0x68, Base, 0x80, KEY_F17},
    {0x69, Base, 0x81, KEY_F18},
    {0x6A, Base, 0x82, KEY_F19},
    {0x6B, Base, 0x83, KEY_F20},
    {0x6C, Base, 0x84, KEY_F21},
    {0x6D, Base, 0x85, KEY_F22},
    {0x6E, Base, 0x86, KEY_F23},
    {0x76, Base, 0x87, KEY_F24},
    {0x1C, Ext, 0x0D, KEY_KPENTER},     // VK_RETURN, as on Windows; VK_SEPARATOR maps back here
    {0x1D, Ext, VK_RCONTROL, KEY_RIGHTCTRL},
    {0x35, Ext, 0x6F, KEY_KPSLASH},     // VK_DIVIDE
    {0x37, Ext, 0x2C, KEY_SYSRQ},       // VK_SNAPSHOT (Print Screen)
    {0x54, Base, 0x2C, KEY_SYSRQ},      // Alt+Print Screen (Sys Req)
    {0x38, Ext, VK_RMENU, KEY_RIGHTALT},
    {0x46, Ext, 0x03, KEY_PAUSE},       // VK_CANCEL (Ctrl+Pause, Break)
    {0x47, Ext, 0x24, KEY_HOME},
    {0x48, Ext, 0x26, KEY_UP},
    {0x49, Ext, 0x21, KEY_PAGEUP},      // VK_PRIOR
    {0x4B, Ext, 0x25, KEY_LEFT},
    {0x4D, Ext, 0x27, KEY_RIGHT},
    {0x4F, Ext, 0x23, KEY_END},
    {0x50, Ext, 0x28, KEY_DOWN},
    {0x51, Ext, 0x22, KEY_PAGEDOWN},    // VK_NEXT
    {0x52, Ext, 0x2D, KEY_INSERT},
    {0x53, Ext, 0x2E, KEY_DELETE},
    {0x5B, Ext, 0x5B, KEY_LEFTMETA},    // VK_LWIN
    {0x5C, Ext, 0x5C, KEY_RIGHTMETA},   // VK_RWIN
    {0x5D, Ext, 0x5D, KEY_COMPOSE},     // VK_APPS
    {0x5F, Ext, 0x5F, KEY_SLEEP},       // VK_SLEEP
    {0x10, Ext, 0xB1, KEY_PREVIOUSSONG}, // VK_MEDIA_PREV_TRACK
    {0x19, Ext, 0xB0, KEY_NEXTSONG},    // VK_MEDIA_NEXT_TRACK
    {0x20, Ext, 0xAD, KEY_MUTE},        // VK_VOLUME_MUTE
    {0x21, Ext, 0xB7, KEY_CALC},        // VK_LAUNCH_APP2
    {0x22, Ext, 0xB3, KEY_PLAYPAUSE},   // VK_MEDIA_PLAY_PAUSE
    {0x24, Ext, 0xB2, KEY_STOPCD},      // VK_MEDIA_STOP
    {0x2E, Ext, 0xAE, KEY_VOLUMEDOWN},  // VK_VOLUME_DOWN
    {0x30, Ext, 0xAF, KEY_VOLUMEUP},    // VK_VOLUME_UP
    {0x32, Ext, 0xAC, KEY_HOMEPAGE},    // VK_BROWSER_HOME
    {0x65, Ext, 0xAA, KEY_SEARCH},      // VK_BROWSER_SEARCH
    {0x66, Ext, 0xAB, KEY_BOOKMARKS},   // VK_BROWSER_FAVORITES
    {0x67, Ext, 0xA8, KEY_REFRESH},     // VK_BROWSER_REFRESH
    {0x68, Ext, 0xA9, KEY_STOP},        // VK_BROWSER_STOP
    {0x69, Ext, VK_BROWSER_FORWARD, KEY_FORWARD},
    {0x6A, Ext, VK_BROWSER_BACK, KEY_BACK},
    {0x6B, Ext, 0xB6, KEY_COMPUTER},    // VK_LAUNCH_APP1
    {0x6C, Ext, 0xB4, KEY_MAIL},        // VK_LAUNCH_MAIL
    {0x6D, Ext, 0xB5, KEY_MEDIA},       // VK_LAUNCH_MEDIA_SELECT
});

struct KeyName {
    uint8_t scanCode;
    const char16_t* name;
};

constexpr std::array kBaseNames = std::to_array<KeyName>({
    {0x01, u"Esc"},       {0x0E, u"Backspace"},  {0x0F, u"Tab"},      {0x1C, u"Enter"},
    {0x1D, u"Ctrl"},      {0x2A, u"Shift"},      {0x36, u"Right Shift"},
    {0x37, u"Num *"},     {0x38, u"Alt"},        {0x39, u"Space"},    {0x3A, u"Caps Lock"},
    {0x3B, u"F1"},        {0x3C, u"F2"},         {0x3D, u"F3"},       {0x3E, u"F4"},
    {0x3F, u"F5"},        {0x40, u"F6"},         {0x41, u"F7"},       {0x42, u"F8"},
    {0x43, u"F9"},        {0x44, u"F10"},        {0x45, u"Pause"},    {0x46, u"Scroll Lock"},
    {0x47, u"Num 7"},     {0x48, u"Num 8"},      {0x49, u"Num 9"},    {0x4A, u"Num -"},
    {0x4B, u"Num 4"},     {0x4C, u"Num 5"},      {0x4D, u"Num 6"},    {0x4E, u"Num +"},
    {0x4F, u"Num 1"},     {0x50, u"Num 2"},      {0x51, u"Num 3"},    {0x52, u"Num 0"},
    {0x53, u"Num Del"},   {0x54, u"Sys Req"},    {0x57, u"F11"},      {0x58, u"F12"},
    // A US system files F13 to F24 under these codes, not under the keys' own scan codes: those
    // stay unnamed, so a browser key whose extended flag was lost (0x69, 0x6A) gets no name.
    {0x7C, u"F13"},       {0x7D, u"F14"},        {0x7E, u"F15"},      {0x7F, u"F16"},
    {0x80, u"F17"},       {0x81, u"F18"},        {0x82, u"F19"},      {0x83, u"F20"},
    {0x84, u"F21"},       {0x85, u"F22"},        {0x86, u"F23"},      {0x87, u"F24"},
});

// Extended keys without an entry here (the media and browser keys) have no system name.
constexpr std::array kExtendedNames = std::to_array<KeyName>({
    {0x1C, u"Num Enter"},   {0x1D, u"Right Ctrl"},   {0x35, u"Num /"},
    {0x37, u"Prnt Scrn"},   {0x38, u"Right Alt"},    {0x45, u"Num Lock"},
    {0x46, u"Break"},       {0x47, u"Home"},         {0x48, u"Up"},
    {0x49, u"Page Up"},     {0x4B, u"Left"},         {0x4D, u"Right"},
    {0x4F, u"End"},         {0x50, u"Down"},         {0x51, u"Page Down"},
    {0x52, u"Insert"},      {0x53, u"Delete"},       {0x54, u"<00>"},
    {0x56, u"Help"},        {0x5B, u"Left Windows"}, {0x5C, u"Right Windows"},
    {0x5D, u"Application"},
});

struct UsCharEntry {
    uint8_t virtualKey;
    char16_t character;
};

constexpr std::array kUsCharacters = std::to_array<UsCharEntry>({
    {0x08, u'\b'}, {0x09, u'\t'}, {0x0D, u'\r'}, {0x1B, 0x1B}, {0x20, u' '},
    {0x6A, u'*'},  {0x6B, u'+'},  {0x6D, u'-'},  {0x6E, u'.'}, {0x6F, u'/'},
    {0xBA, u';'},  {0xBB, u'='},  {0xBC, u','},  {0xBD, u'-'}, {0xBE, u'.'},
    {0xBF, u'/'},  {0xC0, u'`'},  {0xDB, u'['},  {0xDC, u'\\'}, {0xDD, u']'},
    {0xDE, u'\''}, {0xE2, u'\\'},
});

} // namespace

std::span<const KeyEntry> Keys()
{
    return kKeys;
}

const KeyEntry* FindKeyByScanCode(uint8_t scanCode, bool extended)
{
    for (const KeyEntry& key : kKeys) {
        if (key.scanCode == scanCode && key.extended == extended)
            return &key;
    }
    return nullptr;
}

const KeyEntry* FindKeyByVirtualKey(uint32_t virtualKey)
{
    switch (virtualKey) {
    case VK_SHIFT: virtualKey = VK_LSHIFT; break;
    case VK_CONTROL: virtualKey = VK_LCONTROL; break;
    case VK_MENU: virtualKey = VK_LMENU; break;
    case 0x6C: return FindKeyByScanCode(0x1C, true); // VK_SEPARATOR: keypad Enter
    case 0x0C: return FindKeyByScanCode(0x4C, false); // VK_CLEAR: keypad 5 with NumLock off
    default: break;
    }
    for (const KeyEntry& key : kKeys) {
        if (key.virtualKey == virtualKey)
            return &key;
    }
    return nullptr;
}

const char16_t* SystemKeyName(uint8_t scanCode, bool extended)
{
    const auto& names = extended ? std::span<const KeyName>(kExtendedNames)
                                 : std::span<const KeyName>(kBaseNames);
    for (const KeyName& entry : names) {
        if (entry.scanCode == scanCode)
            return entry.name;
    }
    return nullptr;
}

bool IsCharacterKey(uint8_t scanCode, bool extended)
{
    if (extended)
        return false;
    return (scanCode >= 0x02 && scanCode <= 0x0D) || (scanCode >= 0x10 && scanCode <= 0x1B) ||
           (scanCode >= 0x1E && scanCode <= 0x29) || (scanCode >= 0x2B && scanCode <= 0x35) ||
           scanCode == 0x56 || scanCode == 0x73;
}

char16_t UsCharacter(uint32_t virtualKey)
{
    if ((virtualKey >= '0' && virtualKey <= '9') || (virtualKey >= 'A' && virtualKey <= 'Z'))
        return static_cast<char16_t>(virtualKey);
    if (virtualKey >= 0x60 && virtualKey <= 0x69) // VK_NUMPAD0..9
        return static_cast<char16_t>(u'0' + (virtualKey - 0x60));
    for (const UsCharEntry& entry : kUsCharacters) {
        if (entry.virtualKey == virtualKey)
            return entry.character;
    }
    return 0;
}

std::u16string Utf16Of(char32_t character)
{
    if (character <= 0xFFFF)
        return std::u16string(1, static_cast<char16_t>(character));
    const char32_t offset = character - 0x10000;
    return {static_cast<char16_t>(0xD800 + (offset >> 10)),
            static_cast<char16_t>(0xDC00 + (offset & 0x3FF))};
}

} // namespace quor::keyboard::detail
