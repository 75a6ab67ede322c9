#include "platform/win/MessageTarget.h"

namespace quor::win {

LRESULT MessageTarget::Dispatch(const WindowMessage& message, bool* wantsDefault)
{
    // A WindowProc may send messages to itself; each dispatch keeps its own answer.
    const bool outer = m_defaultRequested;
    m_defaultRequested = false;
    const LRESULT result = WindowProc(message.message, message.wParam, message.lParam);
    if (wantsDefault)
        *wantsDefault = m_defaultRequested;
    m_defaultRequested = outer;
    return result;
}

LRESULT MessageTarget::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    return DefWindowProc(message, wParam, lParam);
}

LRESULT MessageTarget::DefWindowProc(UINT, WPARAM, LPARAM)
{
    m_defaultRequested = true;
    return 0;
}

} // namespace quor::win
