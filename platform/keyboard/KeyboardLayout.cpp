#include "platform/keyboard/KeyboardLayout.h"

#include "platform/keyboard/Keyboard.h"
#include "platform/keyboard/KeyTable.h"

#include <xkbcommon/xkbcommon-keysyms.h>
#include <xkbcommon/xkbcommon.h>

#include <linux/input-event-codes.h>

#include <algorithm>
#include <array>
#include <mutex>
#include <unordered_map>

namespace quor::keyboard {
namespace {

using detail::KeyEntry;

constexpr HKL UsLayout = 0x409;

// Windows layout ids and the xkb layouts that type the same characters. The layout id's
// high word selects a variant of the language's layout ("00010409" is US Dvorak).
struct LayoutEntry {
    uint32_t id;
    const char* layout;
    const char* variant;
};

constexpr std::array kLayouts = std::to_array<LayoutEntry>({
    {0x0409, "us", ""},    {0x10409, "us", "dvorak"}, {0x20409, "us", "intl"},
    {0x0809, "gb", ""},    {0x1809, "ie", ""},        {0x1009, "ca", ""},
    {0x0407, "de", ""},    {0x0807, "ch", ""},        {0x0C07, "at", ""},
    {0x040C, "fr", ""},    {0x080C, "be", ""},        {0x0C0C, "ca", "fr-legacy"},
    {0x100C, "ch", "fr"},  {0x0410, "it", ""},        {0x040A, "es", ""},
    {0x0C0A, "es", ""},    {0x080A, "latam", ""},     {0x0416, "br", ""},
    {0x0816, "pt", ""},    {0x0413, "nl", ""},        {0x0813, "be", ""},
    {0x0406, "dk", ""},    {0x041D, "se", ""},        {0x0414, "no", ""},
    {0x040B, "fi", ""},    {0x040F, "is", ""},        {0x0415, "pl", ""},
    {0x0405, "cz", ""},    {0x041B, "sk", ""},        {0x040E, "hu", ""},
    {0x0418, "ro", ""},    {0x0424, "si", ""},        {0x041A, "hr", ""},
    {0x0402, "bg", ""},    {0x0425, "ee", ""},        {0x0426, "lv", ""},
    {0x0427, "lt", ""},    {0x041F, "tr", ""},        {0x0408, "gr", ""},
    {0x0419, "ru", ""},    {0x0422, "ua", ""},        {0x0423, "by", ""},
    {0x040D, "il", ""},    {0x0401, "ara", ""},       {0x0429, "ir", ""},
    {0x041E, "th", ""},    {0x042A, "vn", ""},        {0x0411, "jp", ""},
    {0x0412, "kr", ""},    {0x0404, "tw", ""},        {0x0804, "cn", ""},
});

// Layouts whose own xkb description may be missing type the US characters.
bool FallsBackToUs(uint32_t id)
{
    return id == 0x0404 || id == 0x0804;
}

const LayoutEntry* FindLayout(uint32_t id)
{
    for (const LayoutEntry& entry : kLayouts) {
        if (entry.id == id)
            return &entry;
    }
    return nullptr;
}

// Every keymap is compiled once and kept to the end of the process. xkbcommon's reference
// counts are not atomic, so all xkb work (state objects take a keymap reference) happens under
// the one lock.
class LayoutCache {
public:
    static LayoutCache& Instance()
    {
        static LayoutCache cache;
        return cache;
    }

    ~LayoutCache()
    {
        for (auto& [id, keymap] : m_keymaps)
            xkb_keymap_unref(keymap);
        xkb_context_unref(m_context);
    }

    std::mutex& Mutex() { return m_mutex; }

    // The keymap of a layout id, compiled on first use; null for an unknown id or a layout
    // that cannot be compiled. Call with the lock held.
    xkb_keymap* Keymap(uint32_t id)
    {
        if (auto found = m_keymaps.find(id); found != m_keymaps.end())
            return found->second;
        xkb_keymap* keymap = nullptr;
        if (const LayoutEntry* entry = FindLayout(id)) {
            keymap = Compile(entry->layout, entry->variant);
            if (!keymap && FallsBackToUs(id))
                keymap = Compile("us", "");
        }
        m_keymaps.emplace(id, keymap);
        return keymap;
    }

private:
    LayoutCache() = default;

    xkb_keymap* Compile(const char* layout, const char* variant)
    {
        if (!m_context) {
            // The environment's XKB_DEFAULT_* names must not change what a layout id means.
            // The include path comes after the log level, so missing xkb data stays quiet:
            // callers learn of it from the null keymap.
            m_context = xkb_context_new(static_cast<xkb_context_flags>(
                XKB_CONTEXT_NO_ENVIRONMENT_NAMES | XKB_CONTEXT_NO_DEFAULT_INCLUDES));
            if (!m_context)
                return nullptr;
            xkb_context_set_log_level(m_context, XKB_LOG_LEVEL_CRITICAL);
            xkb_context_include_path_append_default(m_context);
        }
        const xkb_rule_names names{"evdev", "pc105", layout, variant, ""};
        return xkb_keymap_new_from_names(m_context, &names, XKB_KEYMAP_COMPILE_NO_FLAGS);
    }

    std::mutex m_mutex;
    xkb_context* m_context = nullptr;
    std::unordered_map<uint32_t, xkb_keymap*> m_keymaps;
};

thread_local HKL t_currentLayout = UsLayout;

constexpr xkb_keycode_t XkbKeycode(uint16_t evdevCode)
{
    return evdevCode + 8; // the X11 keycode offset that xkb keeps
}

// Dead keys type nothing by themselves; callers want the accent as a spacing character.
char32_t DeadKeySpacingCharacter(xkb_keysym_t sym)
{
    switch (sym) {
    case XKB_KEY_dead_grave: return U'`';
    case XKB_KEY_dead_acute: return U'\u00B4';
    case XKB_KEY_dead_circumflex: return U'^';
    case XKB_KEY_dead_tilde: return U'~';
    case XKB_KEY_dead_macron: return U'\u00AF';
    case XKB_KEY_dead_breve: return U'\u02D8';
    case XKB_KEY_dead_abovedot: return U'\u02D9';
    case XKB_KEY_dead_diaeresis: return U'\u00A8';
    case XKB_KEY_dead_abovering: return U'\u02DA';
    case XKB_KEY_dead_doubleacute: return U'\u02DD';
    case XKB_KEY_dead_caron: return U'\u02C7';
    case XKB_KEY_dead_cedilla: return U'\u00B8';
    case XKB_KEY_dead_ogonek: return U'\u02DB';
    case XKB_KEY_dead_iota: return U'\u037A';
    case XKB_KEY_dead_semivoiced_sound: return U'\u309C';
    case XKB_KEY_dead_voiced_sound: return U'\u309B';
    default: return 0;
    }
}

// Shift state bits as VkKeyScanExW reports them, and Caps Lock toggled on.
enum ShiftBits : unsigned { ShiftBit = 1, CtrlBit = 2, AltBit = 4, CapsLockBit = 0x100 };

// An xkb state with NumLock on, Caps Lock as asked and the given modifier keys held. Ctrl with
// Alt is AltGr, as on Windows. Must live under the cache lock.
class HeldModifiers {
public:
    HeldModifiers(xkb_keymap* keymap, unsigned shiftBits) : m_state(xkb_state_new(keymap))
    {
        if (!m_state)
            return;
        Tap(KEY_NUMLOCK);
        if (shiftBits & CapsLockBit)
            Tap(KEY_CAPSLOCK);
        m_altGr = (shiftBits & (CtrlBit | AltBit)) == (CtrlBit | AltBit);
        if (shiftBits & ShiftBit)
            Press(KEY_LEFTSHIFT);
        if (m_altGr)
            Press(KEY_RIGHTALT);
        else if (shiftBits & CtrlBit)
            Press(KEY_LEFTCTRL);
    }
    ~HeldModifiers() { xkb_state_unref(m_state); }
    HeldModifiers(const HeldModifiers&) = delete;
    HeldModifiers& operator=(const HeldModifiers&) = delete;

    char32_t Character(uint16_t evdevCode) const
    {
        if (!m_state)
            return 0;
        const xkb_keycode_t keycode = XkbKeycode(evdevCode);
        if (m_altGr) {
            // Without a third level the key types nothing with AltGr.
            const xkb_layout_index_t group = xkb_state_key_get_layout(m_state, keycode);
            if (xkb_state_key_get_level(m_state, keycode, group) < 2)
                return 0;
        }
        if (const uint32_t character = xkb_state_key_get_utf32(m_state, keycode))
            return character;
        return DeadKeySpacingCharacter(xkb_state_key_get_one_sym(m_state, keycode));
    }

    // The unmodified key's symbol in upper case, as key names show letters.
    char32_t UpperCaseCharacter(uint16_t evdevCode) const
    {
        if (!m_state)
            return 0;
        const xkb_keysym_t sym = xkb_state_key_get_one_sym(m_state, XkbKeycode(evdevCode));
        if (const char32_t spacing = DeadKeySpacingCharacter(sym))
            return spacing;
        return xkb_keysym_to_utf32(xkb_keysym_to_upper(sym));
    }

private:
    void Press(uint16_t evdevCode)
    {
        xkb_state_update_key(m_state, XkbKeycode(evdevCode), XKB_KEY_DOWN);
    }
    void Tap(uint16_t evdevCode)
    {
        Press(evdevCode);
        xkb_state_update_key(m_state, XkbKeycode(evdevCode), XKB_KEY_UP);
    }

    xkb_state* m_state;
    bool m_altGr = false;
};

// Windows sets the generic code and the left or right one for a held modifier; either counts.
bool AnyPressed(const uint8_t* keyState, uint32_t generic, uint32_t left, uint32_t right)
{
    return ((keyState[generic] | keyState[left] | keyState[right]) & 0x80) != 0;
}

unsigned ShiftBitsOf(const uint8_t* keyState)
{
    if (!keyState)
        return 0;
    constexpr uint32_t VK_CAPITAL = 0x14;
    unsigned bits = 0;
    if (AnyPressed(keyState, VK_SHIFT, VK_LSHIFT, VK_RSHIFT))
        bits |= ShiftBit;
    if (AnyPressed(keyState, VK_CONTROL, VK_LCONTROL, VK_RCONTROL))
        bits |= CtrlBit;
    if (AnyPressed(keyState, VK_MENU, VK_LMENU, VK_RMENU))
        bits |= AltBit;
    if (keyState[VK_CAPITAL] & 0x01) // toggled on
        bits |= CapsLockBit;
    return bits;
}

// The physical key of a ToUnicode call: the scan code when there is one (its extended flag as
// an 0xE0 high byte or as bit 8), with the virtual key telling a navigation key from the keypad
// key on the same scan code; the virtual key alone otherwise.
const KeyEntry* ResolveKey(uint32_t virtualKey, uint32_t scanCode)
{
    const auto code = static_cast<uint8_t>(scanCode & 0xFF);
    if (code == 0)
        return detail::FindKeyByVirtualKey(virtualKey);
    const uint32_t high = (scanCode >> 8) & 0xFF;
    const bool extended = high == 0xE0 || (high & 0x01) != 0;
    if (!extended && virtualKey != 0) {
        const KeyEntry* byVirtualKey = detail::FindKeyByVirtualKey(virtualKey);
        if (byVirtualKey && byVirtualKey->scanCode == code && byVirtualKey->extended)
            return byVirtualKey;
    }
    return detail::FindKeyByScanCode(code, extended);
}

int WriteCharacter(char32_t character, char16_t* buffer, int size)
{
    const std::u16string text = detail::Utf16Of(character);
    const int length = static_cast<int>(text.size());
    if (length > size)
        return 0; // never half a surrogate pair
    std::copy(text.begin(), text.end(), buffer);
    if (length < size)
        buffer[length] = 0;
    return length;
}

bool IsKeypadKey(const KeyEntry& key)
{
    if (key.extended)
        return key.scanCode == 0x1C || key.scanCode == 0x35;
    return key.scanCode == 0x37 || (key.scanCode >= 0x47 && key.scanCode <= 0x53);
}

// Parses exactly eight hexadecimal digits.
bool ParseLayoutId(const char16_t* text, uint32_t& id)
{
    if (!text)
        return false;
    id = 0;
    for (int i = 0; i < 8; ++i) {
        const char16_t c = text[i];
        uint32_t digit;
        if (c >= u'0' && c <= u'9')
            digit = c - u'0';
        else if (c >= u'a' && c <= u'f')
            digit = c - u'a' + 10;
        else if (c >= u'A' && c <= u'F')
            digit = c - u'A' + 10;
        else
            return false;
        id = id * 16 + digit;
    }
    return text[8] == 0;
}

} // namespace

HKL LoadKeyboardLayoutW(const char16_t* layoutId, uint32_t flags)
{
    uint32_t id = 0;
    if (!ParseLayoutId(layoutId, id))
        return 0;
    {
        LayoutCache& cache = LayoutCache::Instance();
        std::lock_guard lock(cache.Mutex());
        if (!cache.Keymap(id))
            return 0;
    }
    if (flags & KLF_ACTIVATE)
        t_currentLayout = id;
    return id;
}

HKL GetKeyboardLayout()
{
    return t_currentLayout;
}

int ToUnicode(uint32_t virtualKey, uint32_t scanCode, const uint8_t* keyState, char16_t* buffer,
              int size, uint32_t flags)
{
    return ToUnicodeEx(virtualKey, scanCode, keyState, buffer, size, flags, t_currentLayout);
}

int ToUnicodeEx(uint32_t virtualKey, uint32_t scanCode, const uint8_t* keyState, char16_t* buffer,
                int size, uint32_t /*flags: the keyboard state is never changed*/, HKL layout)
{
    if (!buffer || size <= 0)
        return 0;
    buffer[0] = 0;
    const KeyEntry* key = ResolveKey(virtualKey, scanCode);
    if (!key)
        return 0;
    const unsigned shiftBits = ShiftBitsOf(keyState);
    if ((shiftBits & (AltBit | CtrlBit)) == AltBit)
        return 0; // Alt alone types nothing; it selects menus
    char32_t character = 0;
    {
        LayoutCache& cache = LayoutCache::Instance();
        std::lock_guard lock(cache.Mutex());
        xkb_keymap* keymap = cache.Keymap(static_cast<uint32_t>(layout));
        if (!keymap)
            return 0;
        character = HeldModifiers(keymap, shiftBits).Character(key->evdevCode);
    }
    if (character == 0)
        return 0;
    return WriteCharacter(character, buffer, size);
}

int16_t VkKeyScanExW(char16_t ch, HKL layout)
{
    if (ch == 0)
        return -1;
    // Windows' order: plain, Shift, AltGr, Shift+AltGr, then the control characters.
    constexpr std::array kShiftStates{0u, 1u, 6u, 7u, 2u, 3u};
    LayoutCache& cache = LayoutCache::Instance();
    std::lock_guard lock(cache.Mutex());
    xkb_keymap* keymap = cache.Keymap(static_cast<uint32_t>(layout));
    if (!keymap)
        return -1;
    // The main block before the keypad, so '1' is the number-row key.
    for (const bool keypad : {false, true}) {
        for (const unsigned shiftBits : kShiftStates) {
            const HeldModifiers held(keymap, shiftBits);
            for (const KeyEntry& key : detail::Keys()) {
                if (IsKeypadKey(key) != keypad)
                    continue;
                if (held.Character(key.evdevCode) == ch)
                    return static_cast<int16_t>((shiftBits << 8) | key.virtualKey);
            }
        }
    }
    return -1;
}

namespace detail {

std::optional<char32_t> KeyNameCharacter(const KeyEntry& key)
{
    LayoutCache& cache = LayoutCache::Instance();
    std::lock_guard lock(cache.Mutex());
    xkb_keymap* keymap = cache.Keymap(static_cast<uint32_t>(t_currentLayout));
    if (!keymap)
        return std::nullopt;
    return HeldModifiers(keymap, 0).UpperCaseCharacter(key.evdevCode);
}

} // namespace detail
} // namespace quor::keyboard
