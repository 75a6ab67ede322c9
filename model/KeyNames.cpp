#include "model/KeyNames.h"

#include "platform/keyboard/Keyboard.h"

#include <algorithm>
#include <array>
#include <utility>

namespace {
constexpr std::array<std::pair<uint32_t, std::u16string_view>, 67> kShortKeyNames = {{
    {8, u"BkSp"},    {9, u"Tab"},      {12, u"Clr"},    {13, u"Ret"},    {16, u"Shft"},
    {17, u"Ctrl"},   {18, u"Alt"},     {19, u"Pause"},  {20, u"CpLk"},   {27, u"Esc"},
    {32, u"Spc"},    {33, u"PgUp"},    {34, u"PgDn"},   {35, u"End"},    {36, u"Home"},
    {37, u"Lft"},    {38, u"Up"},      {39, u"Rht"},    {40, u"Dn"},     {41, u"Select"},
    {42, u"Prnt"},   {43, u"Exe"},     {44, u"Print"},  {45, u"Ins"},    {46, u"Del"},
    {47, u"Hlp"},    {91, u"LWin"},    {92, u"RWin"},   {93, u"Apps"},   {96, u"Num0"},
    {97, u"Num1"},   {98, u"Num2"},    {99, u"Num3"},   {100, u"Num4"},  {101, u"Num5"},
    {102, u"Num6"},  {103, u"Num7"},   {104, u"Num8"},  {105, u"Num9"},  {106, u"Num*"},
    {107, u"Num+"},  {108, u"NumRet"}, {109, u"Num-"},  {110, u"Num."},  {111, u"Num/"},
    {112, u"F1"},    {113, u"F2"},     {114, u"F3"},    {115, u"F4"},    {116, u"F5"},
    {117, u"F6"},    {118, u"F7"},     {119, u"F8"},    {120, u"F9"},    {121, u"F10"},
    {122, u"F11"},   {123, u"F12"},    {144, u"Numl"},  {145, u"Scrl"},  {160, u"LShft"},
    {161, u"RShft"}, {162, u"LCtrl"},  {163, u"RCtrl"}, {164, u"LAlt"},  {165, u"RAlt"},
    {166, u"Backward"}, {167, u"Forward"},
}};

// "<00>" is what the system answers for a key it cannot name.
constexpr std::u16string_view kUnnamedKey = u"<00>";

// Steps 2 to 4 of the key-name algorithm; tableKey is the virtual-key code for the table and the
// layout character (0: take it from the scan code).
std::u16string NameFromScanCode(uint32_t scanCode, bool extended, uint32_t tableKey)
{
    namespace kb = quor::keyboard;
    char16_t buffer[260] = {};
    const int32_t lParam = int32_t(((scanCode & 0xFF) << 16) | (extended ? 1u << 24 : 0u));
    const int length = kb::GetKeyNameTextW(lParam, buffer, int(std::size(buffer)));
    if (length > 0) {
        std::u16string name(buffer, size_t(length));
        if (name != kUnnamedKey)
            return name;
    }

    // With the 0xE0 prefix an extended scan code maps to its own key (the browser keys that the
    // table names exist only as extended keys).
    const uint32_t prefixed = extended ? (0xE000 | (scanCode & 0xFF)) : scanCode;
    const uint32_t virtualKey = tableKey ? tableKey : kb::MapVirtualKeyW(prefixed, kb::MAPVK_VSC_TO_VK_EX);
    if (std::u16string_view shortName = GetShortKeyName(virtualKey); !shortName.empty())
        return std::u16string(shortName);

    char16_t typed[8] = {};
    kb::ToUnicode(virtualKey, scanCode, nullptr, typed, int(std::size(typed)), 0);
    // The name is the low byte as one character: Latin-1 only, lower-case letters made upper.
    char16_t ch = typed[0] & 0xFF;
    if ((ch >= u'a' && ch <= u'z') || (ch >= 0xE0 && ch <= 0xFE && ch != 0xF7))
        ch -= 0x20;
    if (ch == 0)
        return {};
    return std::u16string(1, ch);
}
} // namespace

std::u16string_view GetShortKeyName(uint32_t virtualKey)
{
    const auto it = std::lower_bound(kShortKeyNames.begin(), kShortKeyNames.end(), virtualKey,
                                     [](const auto& entry, uint32_t vk) { return entry.first < vk; });
    if (it == kShortKeyNames.end() || it->first != virtualKey)
        return {};
    return it->second;
}

std::u16string GetScanCodeKeyName(uint32_t scanCode, bool extended)
{
    if (scanCode == 0)
        return {};
    return NameFromScanCode(scanCode, extended, 0);
}

std::u16string GetVirtualKeyName(uint32_t virtualKey, bool extended)
{
    namespace kb = quor::keyboard;
    // The prefixed mapping also tells which keys exist only as extended keys (the browser and
    // media keys): an event stored without its extended flag still names the right key.
    const uint32_t scanCode = kb::MapVirtualKeyW(virtualKey, kb::MAPVK_VK_TO_VSC_EX);
    const bool onlyExtended = (scanCode >> 8) == 0xE0;
    return NameFromScanCode(scanCode & 0xFF, extended || onlyExtended, virtualKey);
}
