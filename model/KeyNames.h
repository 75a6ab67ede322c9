#pragma once

// Display names of keys for single-key assignments (scan codes) and macro events (virtual-key
// codes): the system's key name, else a short name from a fixed table, else the key's
// character in the current keyboard layout.

#include <cstdint>
#include <string>
#include <string_view>

// The table's short name of a virtual-key code ("Backward" for 166); empty when it has none.
std::u16string_view GetShortKeyName(uint32_t virtualKey);

// Name of a set-1 scan code with its extended flag; empty for scan code 0.
std::u16string GetScanCodeKeyName(uint32_t scanCode, bool extended);

// Name of a virtual-key code with its extended flag (macro events); a key that exists only as
// an extended key (browser and media keys) is named as such whatever the flag.
std::u16string GetVirtualKeyName(uint32_t virtualKey, bool extended);
