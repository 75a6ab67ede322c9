#pragma once

// A Qt widget class (QWidget, QDialog, QAbstractButton ...) that receives window messages:
// posted and sent messages, WM_TIMER, and its mouse, key and focus input translated into
// messages, all through WindowProc. Input a WindowProc leaves to MessageTarget::WindowProc also
// gets the widget's own Qt handling; focus and leave notifications always get it.

#include "platform/win/EventTranslation.h"
#include "platform/win/MessageTarget.h"
#include "platform/win/WindowMessageEvent.h"

#include <QEvent>

#include <utility>

namespace quor::win {

template <class Base>
class MessageWindow : public Base, public MessageTarget {
public:
    template <class... Args>
    explicit MessageWindow(Args&&... args) : Base(std::forward<Args>(args)...)
    {
        // Windows report every mouse move over a window, not only while a button is held.
        Base::setMouseTracking(true);
    }

protected:
    bool event(QEvent* event) override
    {
        if (event->type() == WindowMessageEvent::EventType()) {
            Dispatch(static_cast<WindowMessageEvent*>(event)->Message());
            return true;
        }
        const auto message = TranslateEvent(*event);
        if (!message)
            return Base::event(event);
        bool wantsDefault = false;
        Dispatch(*message, &wantsDefault);
        if (wantsDefault || IsNotification(event->type()))
            return Base::event(event);
        event->accept();
        return true;
    }

private:
    static bool IsNotification(QEvent::Type type)
    {
        return type == QEvent::FocusIn || type == QEvent::FocusOut || type == QEvent::Leave;
    }
};

} // namespace quor::win
