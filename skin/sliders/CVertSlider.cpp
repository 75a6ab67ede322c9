#include "skin/sliders/CVertSlider.h"

#include <QPainter>

#include <algorithm>

namespace quor::skin {

CVertSlider::CVertSlider(QWidget* parent) : MessageWindow<QWidget>(parent) {}

int CVertSlider::KnobTop(int value, int travelHeight, int knobHeight)
{
    const int travel = std::max(0, travelHeight - knobHeight);
    const int clamped = std::clamp(value, 0, kVertSliderMax);
    return travel - travel * clamped / kVertSliderMax;
}

void CVertSlider::paintEvent(QPaintEvent*)
{
    if (m_knob.isNull())
        return;
    QPainter painter(this);
    painter.drawPixmap((width() - m_knob.width()) / 2, KnobTop(m_value, height(), m_knob.height()), m_knob);
}

} // namespace quor::skin
