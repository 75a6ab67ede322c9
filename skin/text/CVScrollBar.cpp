#include "skin/text/CVScrollBar.h"

#include "skin/Colour.h"

#include <QPainter>

#include <algorithm>

namespace quor::skin {

CVScrollBar::CVScrollBar(int width, QWidget* ownerList, const ScrollBarBitmaps& bitmaps)
    : MessageWindow<QWidget>(ownerList ? ownerList->parentWidget() : nullptr),
      m_ownerList(ownerList), m_bitmaps(bitmaps), m_width(width),
      m_thumbTop(ThumbTopStart(bitmaps))
{
}

int CVScrollBar::ThumbTopStart(const ScrollBarBitmaps& bitmaps)
{
    return bitmaps.top.height() + bitmaps.up.height();
}

int CVScrollBar::ThumbTopLimit(int barHeight, const ScrollBarBitmaps& bitmaps)
{
    const int limit = barHeight - bitmaps.down.height() - bitmaps.bottom.height() - bitmaps.thumb.height();
    return std::max(ThumbTopStart(bitmaps), limit);
}

void CVScrollBar::paintEvent(QPaintEvent*)
{
    QPixmap canvas(size());
    canvas.fill(ToQColor(m_background));
    {
        QPainter painter(&canvas);
        const int h = height();
        const int spanStart = m_bitmaps.top.height() + m_bitmaps.up.height();
        if (!m_bitmaps.span.isNull()) {
            for (int y = spanStart; y < h; ++y)
                painter.drawPixmap(0, y, m_bitmaps.span);
        }
        painter.drawPixmap(0, 0, m_bitmaps.top);
        painter.drawPixmap(0, m_bitmaps.top.height(), m_bitmaps.up);
        painter.drawPixmap(0, h - m_bitmaps.bottom.height() - m_bitmaps.down.height(), m_bitmaps.down);
        painter.drawPixmap(0, h - m_bitmaps.bottom.height(), m_bitmaps.bottom);
        const int top = std::clamp(m_thumbTop, ThumbTopStart(m_bitmaps), ThumbTopLimit(h, m_bitmaps));
        painter.drawPixmap(0, top, m_bitmaps.thumb);
    }
    QPainter(this).drawPixmap(0, 0, canvas);
}

} // namespace quor::skin
