#pragma once

// Layout characters for the key names: the part of the xkbcommon layer that the name services
// need.

#include "platform/keyboard/KeyTable.h"

#include <optional>

namespace quor::keyboard::detail {

// The character the key types in the calling thread's current layout with no modifier but
// Caps Lock, so letters come upper case as key names show them; dead keys give their spacing
// character. 0 when the key types nothing; nullopt when the layout cannot be compiled.
std::optional<char32_t> KeyNameCharacter(const KeyEntry& key);

} // namespace quor::keyboard::detail
