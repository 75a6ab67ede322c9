#include "skin/edit/CEditItem.h"

#include "skin/CFontItem.h"
#include "skin/Colour.h"

#include <QPainter>

namespace quor::skin {

CEditItem::CEditItem(QWidget* parent) : MessageWindow<QLineEdit>(parent)
{
    setFrame(false);
    setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    SetColours(m_colours);
}

void CEditItem::SetColours(const ItemColours& colours)
{
    m_colours = colours;
    ApplyColours(*this, colours);
    setTextMargins(colours.borderWidth, colours.borderWidth, colours.borderWidth, colours.borderWidth);
}

void CEditItem::SetFont(const CFontItem* font)
{
    m_font = font;
    if (font)
        setFont(font->Font());
}

void CEditItem::SetLimit(int characters)
{
    if (characters > 0)
        setMaxLength(characters);
}

void CEditItem::paintEvent(QPaintEvent* event)
{
    MessageWindow<QLineEdit>::paintEvent(event);
    QPainter painter(this);
    const int b = m_colours.borderWidth;
    const QColor border = ToQColor(m_colours.border);
    painter.fillRect(0, 0, width(), b, border);
    painter.fillRect(0, height() - b, width(), b, border);
    painter.fillRect(0, 0, b, height(), border);
    painter.fillRect(width() - b, 0, b, height(), border);
}

} // namespace quor::skin
