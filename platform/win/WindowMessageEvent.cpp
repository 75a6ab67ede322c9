#include "platform/win/WindowMessageEvent.h"

namespace quor::win {

WindowMessageEvent::WindowMessageEvent(const WindowMessage& message)
    : QEvent(EventType()), m_message(message)
{
}

QEvent::Type WindowMessageEvent::EventType()
{
    static const auto type = static_cast<QEvent::Type>(QEvent::registerEventType());
    return type;
}

} // namespace quor::win
