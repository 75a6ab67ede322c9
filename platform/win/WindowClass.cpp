#include "platform/win/WindowClass.h"

#include <QEvent>
#include <QGuiApplication>
#include <QObject>
#include <QVariant>
#include <QWidget>

#include <xcb/xcb.h>

namespace quor::win {

namespace {

constexpr const char* kClassNameProperty = "quorWindowClass";

void WriteWmClass(QWidget* window)
{
    auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    if (!x11 || !x11->connection())
        return;
    // WM_CLASS: instance name and class name, each NUL-terminated, in Latin-1.
    const QByteArray name = window->property(kClassNameProperty).toString().toLatin1();
    QByteArray value = name + '\0' + name + '\0';
    xcb_connection_t* connection = x11->connection();
    xcb_change_property(connection, XCB_PROP_MODE_REPLACE, static_cast<xcb_window_t>(window->winId()),
                        XCB_ATOM_WM_CLASS, XCB_ATOM_STRING, 8, static_cast<uint32_t>(value.size()),
                        value.constData());
    xcb_flush(connection);
}

// Qt writes its own WM_CLASS whenever it makes a native window; ours goes over it after.
class WmClassKeeper : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::WinIdChange)
            WriteWmClass(static_cast<QWidget*>(watched));
        return false;
    }
};

} // namespace

void SetWindowClassName(HWND window, std::u16string_view className)
{
    if (!window)
        return;
    const bool first = !window->property(kClassNameProperty).isValid();
    window->setProperty(kClassNameProperty,
                        QString::fromUtf16(className.data(), static_cast<qsizetype>(className.size())));
    if (first)
        window->installEventFilter(new WmClassKeeper(window));
    window->winId();
    WriteWmClass(window);
}

std::u16string GetClassName(HWND window)
{
    if (!window)
        return {};
    return window->property(kClassNameProperty).toString().toStdU16String();
}

} // namespace quor::win
