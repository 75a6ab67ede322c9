#pragma once

// The receiving side of window messages: a window class that handles messages derives from this
// (through MessageWindow) and overrides WindowProc. Messages a WindowProc does not handle go to
// MessageTarget::WindowProc, which asks for the toolkit's default handling of the Qt event the
// message came from.

#include "platform/win/WindowMessage.h"

namespace quor::win {

class MessageTarget {
public:
    virtual ~MessageTarget() = default;

    // Calls WindowProc; wantsDefault (optional) tells whether it asked for the default handling.
    LRESULT Dispatch(const WindowMessage& message, bool* wantsDefault = nullptr);

protected:
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);

    // The default handling: lets the toolkit handle the event behind the message; returns 0.
    LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam);

private:
    bool m_defaultRequested = false;
};

} // namespace quor::win
