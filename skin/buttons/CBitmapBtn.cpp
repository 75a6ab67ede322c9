#include "skin/buttons/CBitmapBtn.h"

#include "skin/CFontItem.h"
#include "skin/Colour.h"
#include "skin/ItemText.h"
#include "skin/Language.h"

#include <QPainter>

namespace quor::skin {

CBitmapBtn::CBitmapBtn(QWidget* parent) : MessageWindow<QAbstractButton>(parent) {}

void CBitmapBtn::SetTooltip(std::u16string_view text)
{
    setToolTip(QString::fromStdU16String(TooltipText(text)));
}

void CBitmapBtn::SetCaption(std::u16string_view text, std::u16string_view caps)
{
    auto found = LookUpText(text);
    m_caption = WithLineBreak(found ? ApplyCaps(*found, caps) : std::u16string(text));
    update();
}

void CBitmapBtn::SetFont(const CFontItem* font)
{
    m_font = font;
    update();
}

ButtonState CBitmapBtn::RestingState() const
{
    if (!isEnabled())
        return kStateDisabled;
    if (m_ticked || isDown())
        return kStateDown;
    return m_hover ? kStateOver : kStateNormal;
}

void CBitmapBtn::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const ButtonState state = RestingState();
    painter.drawPixmap(0, 0, m_bitmaps[state]);
    if (m_caption.empty())
        return;
    painter.setFont(m_font ? m_font->Font() : DefaultItemFont());
    const int32_t colour = m_captionColours[state];
    painter.setPen(ToQColor(colour != 0 ? colour : kDefaultTextColour));
    DrawItemText(painter, rect(), m_caption, m_captionFormat);
}

} // namespace quor::skin
