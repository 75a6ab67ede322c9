#include "skin/sliders/CPHSlider.h"

#include "skin/ItemKind.h"
#include "skin/ItemText.h"

#include <QPainter>
#include <QWidget>

#include <algorithm>
#include <cmath>
#include <utility>

namespace quor::skin {

CPHSlider::CPHSlider(QWidget* slider, int32_t handleId, const QPixmap& normal, const QPixmap& over)
    : MessageWindow<QWidget>(slider), m_normal(normal), m_over(over)
{
    SetItem(handleId, kKindSliderHandle, this, slider);
    resize(m_normal.size());
}

int CPHSlider::HandleLeft(int position, int min, int max, int areaLeft, int areaRight,
                          int leftOffset, int rightOffset, int handleWidth)
{
    // Offsets come from skin documents: computed wide, so that no value overflows, and held
    // where Qt's own geometry arithmetic still works.
    const double trackLeft = double(areaLeft) + leftOffset;
    const double trackRight = double(areaRight) - rightOffset;
    const double unitPixels = max > min ? (trackRight - trackLeft) / (double(max) - min) : 0.0;
    const double centre = trackLeft + std::trunc((double(std::clamp(position, min, max)) - min) * unitPixels);
    return static_cast<int>(std::clamp(centre - handleWidth / 2, -double(QWIDGETSIZE_MAX), double(QWIDGETSIZE_MAX)));
}

void CPHSlider::SetRange(int a, int b)
{
    m_min = std::min(a, b);
    m_max = std::max(a, b);
    m_capMin = std::clamp(m_capMin, m_min, m_max);
    m_capMax = std::clamp(m_capMax, m_min, m_max);
    if (m_capMin == m_capMax || m_capMin > m_capMax) {
        m_capMin = m_min;
        m_capMax = m_max;
    }
    SetPosition(m_position);
}

void CPHSlider::SetArea(int left, int top, int right, int bottom)
{
    m_areaLeft = left;
    m_areaTop = top;
    m_areaRight = right;
    m_areaBottom = bottom;
    Place();
}

void CPHSlider::SetOffsets(int left, int right)
{
    m_leftOffset = left;
    m_rightOffset = right;
    Place();
}

void CPHSlider::SetPosition(int position)
{
    m_position = std::clamp(position, m_capMin, m_capMax);
    Place();
}

void CPHSlider::SetTooltip(std::u16string_view text)
{
    setToolTip(QString::fromStdU16String(TooltipText(text)));
}

void CPHSlider::Place()
{
    const int left = HandleLeft(m_position, m_min, m_max, m_areaLeft, m_areaRight, m_leftOffset,
                                m_rightOffset, width());
    move(left, m_areaTop);
}

void CPHSlider::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.drawPixmap(0, 0, m_hover && !m_over.isNull() ? m_over : m_normal);
}

} // namespace quor::skin
