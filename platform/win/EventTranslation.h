#pragma once

// Turns the Qt input events of a window into the window messages a Windows window would get:
// mouse buttons, moves, wheel and leave; keys (Alt-held keys and F10 as system keys); focus.

#include "platform/win/WindowMessage.h"

#include <optional>

class QEvent;

namespace quor::win {

std::optional<WindowMessage> TranslateEvent(const QEvent& event);

} // namespace quor::win
