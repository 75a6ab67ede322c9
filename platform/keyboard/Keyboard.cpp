#include "platform/keyboard/Keyboard.h"

#include "platform/keyboard/KeyTable.h"
#include "platform/keyboard/KeyboardLayout.h"

#include <algorithm>
#include <string>

namespace quor::keyboard {
namespace {

using detail::KeyEntry;

constexpr uint32_t ExtendedPrefix = 0xE0;

uint32_t GenericModifier(uint32_t virtualKey)
{
    switch (virtualKey) {
    case VK_LSHIFT:
    case VK_RSHIFT: return VK_SHIFT;
    case VK_LCONTROL:
    case VK_RCONTROL: return VK_CONTROL;
    case VK_LMENU:
    case VK_RMENU: return VK_MENU;
    default: return virtualKey;
    }
}

uint32_t ScanCodeToVirtualKey(uint32_t code, bool tellLeftFromRight)
{
    if (code == detail::PauseScanCodeEx)
        return detail::VK_PAUSE;
    const uint32_t prefix = code >> 8;
    if (prefix != 0 && prefix != ExtendedPrefix)
        return 0;
    const KeyEntry* key = detail::FindKeyByScanCode(static_cast<uint8_t>(code & 0xFF),
                                                    prefix == ExtendedPrefix);
    if (!key)
        return 0;
    return tellLeftFromRight ? key->virtualKey : GenericModifier(key->virtualKey);
}

uint32_t VirtualKeyToScanCode(uint32_t virtualKey, bool withPrefix)
{
    if (virtualKey == detail::VK_PAUSE)
        return withPrefix ? detail::PauseScanCodeEx : 0x45;
    const KeyEntry* key = detail::FindKeyByVirtualKey(virtualKey);
    if (!key)
        return 0;
    if (withPrefix && key->extended)
        return (ExtendedPrefix << 8) | key->scanCode;
    return key->scanCode;
}

} // namespace

uint32_t MapVirtualKeyW(uint32_t code, uint32_t mapType)
{
    switch (mapType) {
    case MAPVK_VK_TO_VSC: return VirtualKeyToScanCode(code, false);
    case MAPVK_VK_TO_VSC_EX: return VirtualKeyToScanCode(code, true);
    case MAPVK_VSC_TO_VK: return ScanCodeToVirtualKey(code, false);
    case MAPVK_VSC_TO_VK_EX: return ScanCodeToVirtualKey(code, true);
    case MAPVK_VK_TO_CHAR: return detail::UsCharacter(code);
    default: return 0;
    }
}

int GetKeyNameTextW(int32_t lParam, char16_t* buffer, int size)
{
    if (!buffer || size <= 0)
        return 0;
    buffer[0] = 0;
    const auto bits = static_cast<uint32_t>(lParam);
    auto scanCode = static_cast<uint8_t>((bits >> 16) & 0xFF);
    bool extended = (bits >> 24) & 1;
    if ((bits >> 25) & 1) { // "do not care" about left and right
        if (!extended && scanCode == 0x36)
            scanCode = 0x2A;
        else if (extended && (scanCode == 0x1D || scanCode == 0x38))
            extended = false;
    }

    std::u16string name;
    if (const char16_t* systemName = detail::SystemKeyName(scanCode, extended)) {
        name = systemName;
    } else if (detail::IsCharacterKey(scanCode, extended)) {
        const KeyEntry* key = detail::FindKeyByScanCode(scanCode, extended);
        if (!key)
            return 0;
        // Without xkb data the US legends still name the keys.
        const char32_t character =
            detail::KeyNameCharacter(*key).value_or(detail::UsCharacter(key->virtualKey));
        if (character < 0x20) // nothing printable to show
            return 0;
        name = detail::Utf16Of(character);
    } else {
        return 0;
    }

    const int length = std::min(static_cast<int>(name.size()), size - 1);
    std::copy_n(name.begin(), length, buffer);
    buffer[length] = 0;
    return length;
}

} // namespace quor::keyboard
