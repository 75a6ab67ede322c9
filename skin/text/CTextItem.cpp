#include "skin/text/CTextItem.h"

#include "skin/CFontItem.h"
#include "skin/Colour.h"
#include "skin/ItemText.h"
#include "skin/Language.h"

#include <QPainter>

namespace quor::skin {

namespace {

// Where a plain run of text starts inside the item.
constexpr QPoint kPlainTextOrigin{5, 2};

} // namespace

CTextItem::CTextItem(QWidget* parent) : MessageWindow<QWidget>(parent) {}

void CTextItem::SetText(std::u16string_view text)
{
    m_text = WithLineBreak(TranslatedText(text));
    update();
}

void CTextItem::SetFont(const CFontItem* font)
{
    m_font = font;
    update();
}

int32_t CTextItem::TextColour() const
{
    if (m_hover && m_highlightColour != 0)
        return m_highlightColour;
    return m_colour != 0 ? m_colour : kDefaultTextColour;
}

void CTextItem::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), ToQColor(kTextBackground));
    painter.setFont(m_font ? m_font->Font() : DefaultItemFont());
    painter.setPen(ToQColor(TextColour()));
    if (m_format != 0) {
        DrawItemText(painter, rect(), m_text, m_format);
    } else {
        const QRect area(kPlainTextOrigin, QSize(width(), height()));
        DrawItemText(painter, area, m_text, DT_LEFT);
    }
}

} // namespace quor::skin
