#include "skin/buttons/CProfileBtn.h"

#include "skin/buttons/CBitmapBtn.h"

#include <QPainter>

namespace quor::skin {

CProfileBtn::CProfileBtn(QWidget* parent) : MessageWindow<QAbstractButton>(parent) {}

void CProfileBtn::SetTooltip(std::u16string_view text)
{
    setToolTip(QString::fromStdU16String(std::u16string(text)));
}

void CProfileBtn::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    int state = m_hover ? kStateOver : kStateNormal;
    if (!isEnabled())
        state = kStateDisabled;
    else if (m_ticked)
        state = kStateDown;
    painter.drawPixmap(0, 0, m_bitmaps[state]);
}

} // namespace quor::skin
