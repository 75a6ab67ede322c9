#include "platform/win/EventTranslation.h"

#include "platform/keyboard/Keyboard.h"
#include "platform/win/KeyMessage.h"
#include "platform/win/WinMessages.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QWheelEvent>

namespace quor::win {

namespace {

constexpr uint16_t kScanF10 = 0x44;

WPARAM MouseKeyFlags(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers)
{
    WPARAM flags = 0;
    if (buttons & Qt::LeftButton)
        flags |= MK_LBUTTON;
    if (buttons & Qt::RightButton)
        flags |= MK_RBUTTON;
    if (buttons & Qt::MiddleButton)
        flags |= MK_MBUTTON;
    if (modifiers & Qt::ShiftModifier)
        flags |= MK_SHIFT;
    if (modifiers & Qt::ControlModifier)
        flags |= MK_CONTROL;
    return flags;
}

LPARAM PointLParam(QPoint point)
{
    return MAKELPARAM(static_cast<uint16_t>(point.x()), static_cast<uint16_t>(point.y()));
}

std::optional<UINT> ButtonMessage(QEvent::Type type, Qt::MouseButton button)
{
    int column = 0;
    switch (type) {
    case QEvent::MouseButtonPress: column = 0; break;
    case QEvent::MouseButtonRelease: column = 1; break;
    case QEvent::MouseButtonDblClick: column = 2; break;
    default: return std::nullopt;
    }
    switch (button) {
    case Qt::LeftButton: return WM_LBUTTONDOWN + column;
    case Qt::RightButton: return WM_RBUTTONDOWN + column;
    case Qt::MiddleButton: return WM_MBUTTONDOWN + column;
    default: return std::nullopt;
    }
}

std::optional<WindowMessage> TranslateKey(const QKeyEvent& key)
{
    const bool up = key.type() == QEvent::KeyRelease;
    const uint16_t scan = ScanCodeFromNativeKeycode(key.nativeScanCode());
    const bool altKey = key.key() == Qt::Key_Alt;
    const bool altDown = altKey || (key.modifiers() & Qt::AltModifier);
    // Alt with Ctrl is AltGr on many layouts: those keys reach the window as plain keys.
    const bool system = (altDown && !(key.modifiers() & Qt::ControlModifier)) || scan == kScanF10;
    UINT message = up ? WM_KEYUP : WM_KEYDOWN;
    if (system)
        message = up ? WM_SYSKEYUP : WM_SYSKEYDOWN;
    const WPARAM virtualKey = keyboard::MapVirtualKeyW(scan, keyboard::MAPVK_VSC_TO_VK_EX);
    const LPARAM lParam = MakeKeyLParam(scan, up ? KeyTransition::Up : KeyTransition::Down,
                                        altDown, key.isAutoRepeat());
    return WindowMessage{message, virtualKey, lParam};
}

} // namespace

std::optional<WindowMessage> TranslateEvent(const QEvent& event)
{
    switch (event.type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick: {
        const auto& mouse = static_cast<const QMouseEvent&>(event);
        const auto message = ButtonMessage(event.type(), mouse.button());
        if (!message)
            return std::nullopt;
        return WindowMessage{*message, MouseKeyFlags(mouse.buttons(), mouse.modifiers()),
                             PointLParam(mouse.position().toPoint())};
    }
    case QEvent::MouseMove: {
        const auto& mouse = static_cast<const QMouseEvent&>(event);
        return WindowMessage{WM_MOUSEMOVE, MouseKeyFlags(mouse.buttons(), mouse.modifiers()),
                             PointLParam(mouse.position().toPoint())};
    }
    case QEvent::Wheel: {
        const auto& wheel = static_cast<const QWheelEvent&>(event);
        const auto delta = static_cast<int16_t>(wheel.angleDelta().y());
        return WindowMessage{WM_MOUSEWHEEL,
                             MAKEWPARAM(static_cast<uint16_t>(MouseKeyFlags(wheel.buttons(), wheel.modifiers())),
                                        static_cast<uint16_t>(delta)),
                             PointLParam(wheel.globalPosition().toPoint())};
    }
    case QEvent::Leave:
        return WindowMessage{WM_MOUSELEAVE, 0, 0};
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
        return TranslateKey(static_cast<const QKeyEvent&>(event));
    case QEvent::FocusIn:
        return WindowMessage{WM_SETFOCUS, 0, 0};
    case QEvent::FocusOut:
        return WindowMessage{WM_KILLFOCUS, 0, 0};
    default:
        return std::nullopt;
    }
}

} // namespace quor::win
