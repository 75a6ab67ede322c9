#include "skin/CBitmapItem.h"

#include "platform/win/MaskRegion.h"
#include "platform/win/WinMessages.h"
#include "platform/win/WindowApi.h"
#include "skin/PrivateCopy.h"

#include <QPainter>

namespace quor::skin {

CBitmapItem::CBitmapItem(QWidget* parent, const ItemRect& rect, const QImage& source, const QImage* mask)
    : MessageWindow<QWidget>(parent)
{
    setGeometry(rect.ToQRect());
    if (mask)
        setMask(win::RegionFromMask(*mask));
    m_bitmap = MakePrivateCopy(source, width(), height());
    // Without a parent it would be a top-level window of its own.
    if (parent)
        show();
}

win::LRESULT CBitmapItem::WindowProc(win::UINT message, win::WPARAM wParam, win::LPARAM lParam)
{
    if (message == win::WM_COMMAND)
        win::PostMessage(win::GetParent(this), message, wParam, lParam);
    return MessageTarget::WindowProc(message, wParam, lParam);
}

void CBitmapItem::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.drawPixmap(0, 0, m_bitmap);
}

} // namespace quor::skin
