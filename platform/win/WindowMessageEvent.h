#pragma once

// A posted window message travelling through Qt's event queue. Qt drops the events still queued
// for a widget that is destroyed, as the window system drops a destroyed window's messages.

#include "platform/win/WindowMessage.h"

#include <QEvent>

namespace quor::win {

class WindowMessageEvent : public QEvent {
public:
    explicit WindowMessageEvent(const WindowMessage& message);

    // The event type, registered with Qt on first use.
    static QEvent::Type EventType();

    const WindowMessage& Message() const { return m_message; }

private:
    WindowMessage m_message;
};

} // namespace quor::win
