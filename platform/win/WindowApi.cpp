#include "platform/win/WindowApi.h"

#include "platform/win/MessageTarget.h"
#include "platform/win/WinMessages.h"
#include "platform/win/WindowMessageEvent.h"

#include <QCoreApplication>
#include <QPointer>
#include <QTimer>
#include <QVariant>
#include <QWidget>

namespace quor::win {

namespace {

constexpr const char* kCtrlIdProperty = "quorCtrlId";
constexpr const char* kTimerIdProperty = "quorTimerId";

QPointer<QWidget>& CaptureHolder()
{
    static QPointer<QWidget> capture;
    return capture;
}

QTimer* FindTimer(HWND window, UINT_PTR id)
{
    for (auto* timer : window->findChildren<QTimer*>(Qt::FindDirectChildrenOnly)) {
        const QVariant value = timer->property(kTimerIdProperty);
        if (value.isValid() && value.value<qulonglong>() == id)
            return timer;
    }
    return nullptr;
}

} // namespace

bool PostMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (!window)
        return false;
    QCoreApplication::postEvent(window, new WindowMessageEvent({message, wParam, lParam}));
    return true;
}

LRESULT SendMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    auto* target = dynamic_cast<MessageTarget*>(window);
    return target ? target->Dispatch({message, wParam, lParam}) : 0;
}

HWND GetParent(HWND window)
{
    return window ? window->parentWidget() : nullptr;
}

void SetDlgCtrlID(HWND window, int id)
{
    if (window)
        window->setProperty(kCtrlIdProperty, id);
}

int GetDlgCtrlID(HWND window)
{
    return window ? window->property(kCtrlIdProperty).toInt() : 0;
}

LRESULT SendCommandToParent(HWND child, uint16_t notificationCode)
{
    const auto id = static_cast<uint16_t>(GetDlgCtrlID(child));
    return SendMessage(GetParent(child), WM_COMMAND, MAKEWPARAM(id, notificationCode),
                       HandleToLParam(child));
}

UINT_PTR SetTimer(HWND window, UINT_PTR id, UINT elapseMs)
{
    if (!window || id == 0)
        return 0;
    QTimer* timer = FindTimer(window, id);
    if (!timer) {
        timer = new QTimer(window);
        timer->setProperty(kTimerIdProperty, QVariant::fromValue<qulonglong>(id));
        QObject::connect(timer, &QTimer::timeout, window,
                         [window, id] { SendMessage(window, WM_TIMER, id, 0); });
    }
    timer->start(static_cast<int>(elapseMs));
    return id;
}

bool KillTimer(HWND window, UINT_PTR id)
{
    QTimer* timer = window ? FindTimer(window, id) : nullptr;
    if (!timer)
        return false;
    delete timer;
    return true;
}

HWND SetCapture(HWND window)
{
    QPointer<QWidget>& capture = CaptureHolder();
    HWND previous = capture;
    if (previous == window)
        return previous;
    if (previous) {
        previous->releaseMouse();
        capture = nullptr;
        SendMessage(previous, WM_CAPTURECHANGED, 0, HandleToLParam(window));
    }
    capture = window;
    // Qt refuses to grab for a hidden widget; the capture is still recorded so that the
    // window's own bookkeeping (GetCapture, WM_CAPTURECHANGED) works the same.
    if (window && window->isVisible())
        window->grabMouse();
    return previous;
}

bool ReleaseCapture()
{
    QPointer<QWidget>& capture = CaptureHolder();
    HWND previous = capture;
    if (!previous)
        return true;
    previous->releaseMouse();
    capture = nullptr;
    SendMessage(previous, WM_CAPTURECHANGED, 0, 0);
    return true;
}

HWND GetCapture()
{
    return CaptureHolder();
}

} // namespace quor::win
