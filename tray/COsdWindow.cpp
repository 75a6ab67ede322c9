#include "tray/COsdWindow.h"

#include "platform/win/SystemMessages.h"
#include "platform/win/WindowApi.h"
#include "platform/win/WindowClass.h"

#include <QBitmap>
#include <QGuiApplication>
#include <QPainter>
#include <QScreen>
#include <QTimer>

using namespace quor::win;

COsdWindow::COsdWindow(OsdState& state, std::u16string_view className)
    : MessageWindow<QWidget>(nullptr, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint
                                          | Qt::WindowTransparentForInput | Qt::WindowDoesNotAcceptFocus
                                          | Qt::X11BypassWindowManagerHint)
    , m_state(state)
{
    setAttribute(Qt::WA_ShowWithoutActivating);
    setAttribute(Qt::WA_X11DoNotAcceptFocus);
    // The paint covers every pixel; no background erase before it.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_NoSystemBackground);
    setMouseTracking(false);
    setFocusPolicy(Qt::NoFocus);
    const QString name = QString::fromUtf16(className.data(), static_cast<qsizetype>(className.size()));
    setWindowTitle(name);
    setObjectName(name);
    SetWindowClassName(this, className);
}

QScreen* COsdWindow::DisplayScreen()
{
    if (QScreen* screen = QGuiApplication::screenAt(QPoint(0, 0)))
        return screen;
    return QGuiApplication::primaryScreen();
}

void COsdWindow::Place()
{
    QScreen* screen = DisplayScreen();
    if (!screen)
        return;
    m_state.scale = osd::ScaleFromDpi(screen->logicalDotsPerInchX());
    MakeFonts();
    setGeometry(WindowRect(screen->geometry()));
    if (isVisible())
        Refresh();
}

int COsdWindow::HideRemainingMs() const
{
    for (const QTimer* timer : findChildren<QTimer*>(Qt::FindDirectChildrenOnly)) {
        if (timer->isActive())
            return timer->remainingTime();
    }
    return -1;
}

LRESULT COsdWindow::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case UM_OSDSHOW:
        Refresh();
        // Content that draws nothing (a blank name) has no shape; a window still shown would
        // keep the previous content's shape on screen, so it goes instead.
        if (m_shape.isEmpty()) {
            hide();
        } else {
            show();
            raise();
        }
        update();
        SetTimer(this, kOsdHideTimerId, m_showPeriodMs);
        return 0;
    case WM_TIMER:
        if (wParam != kOsdHideTimerId)
            break;
        ClearContent();
        Refresh();
        hide();
        KillTimer(this, kOsdHideTimerId);
        return 0;
    case WM_DISPLAYCHANGE:
        Place();
        return 0;
    default:
        break;
    }
    return MessageTarget::WindowProc(message, wParam, lParam);
}

void COsdWindow::Refresh()
{
    m_image = QImage(size(), QImage::Format_RGB32);
    m_image.fill(QColor(osd::kKeyColour));
    {
        QPainter painter(&m_image);
        Paint(painter);
    }
    // The window's shape: everything that is not the key colour.
    m_shape = QRegion(QBitmap::fromImage(m_image.createMaskFromColor(osd::kKeyColour, Qt::MaskInColor)));
    if (!m_shape.isEmpty())
        setMask(m_shape);
}

void COsdWindow::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.drawImage(0, 0, m_image);
}
