#include "skin/sliders/CAPMSlider.h"

#include <QPainter>

namespace quor::skin {

CAPMSlider::CAPMSlider(QWidget* track) : MessageWindow<QWidget>(track) {}

void CAPMSlider::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.drawPixmap(0, 0, m_normal);
}

} // namespace quor::skin
