#include "skin/text/CBitmapWindow.h"

#include "platform/win/MaskRegion.h"
#include "skin/CFontItem.h"
#include "skin/Colour.h"
#include "skin/ItemText.h"
#include "skin/PrivateCopy.h"

#include <QPainter>

#include <algorithm>

namespace quor::skin {

CBitmapWindow::CBitmapWindow(QWidget* parent) : MessageWindow<QWidget>(parent) {}

int CBitmapWindow::Inset(int frame, int inner)
{
    return std::max(0, (frame - inner) / 2);
}

void CBitmapWindow::SetBitmaps(const QImage* inner, const QImage* normal, const QImage* over,
                               const QImage* active, const QImage* mask)
{
    if (!inner)
        return;
    m_inner = MakePrivateCopy(*inner, inner->width(), inner->height());
    if (normal) {
        m_normal = MakePrivateCopy(*normal, width(), height());
        m_insetX = Inset(normal->width(), inner->width());
        m_insetY = Inset(normal->height(), inner->height());
        if (over)
            m_hoverFrame = MakePrivateCopy(*over, width(), height());
        if (active)
            m_activeFrame = MakePrivateCopy(*active, width(), height());
    }
    if (mask)
        setMask(win::RegionFromMask(*mask));
    update();
}

void CBitmapWindow::SetTooltip(std::u16string_view text)
{
    setToolTip(QString::fromStdU16String(TooltipText(text)));
}

void CBitmapWindow::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QPixmap* frame = &m_normal;
    if (m_active && !m_activeFrame.isNull())
        frame = &m_activeFrame;
    else if (m_hover && !m_hoverFrame.isNull())
        frame = &m_hoverFrame;
    painter.drawPixmap(0, 0, *frame);
    const QRect innerArea(m_insetX, m_insetY, m_inner.width(), m_inner.height());
    if (m_text.empty()) {
        painter.drawPixmap(innerArea.topLeft(), m_inner);
        return;
    }
    painter.setFont(m_font ? m_font->Font() : DefaultItemFont());
    painter.setPen(ToQColor(m_colour != 0 ? m_colour : kDefaultTextColour));
    DrawItemText(painter, innerArea, m_text, m_format);
}

} // namespace quor::skin
