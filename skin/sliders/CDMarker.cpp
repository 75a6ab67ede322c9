#include "skin/sliders/CDMarker.h"

#include <QPainter>

#include <algorithm>

namespace quor::skin {

CDMarker::CDMarker(QWidget* parent) : MessageWindow<QWidget>(parent) {}

int CDMarker::MarkLeft(int value, int width, int markWidth)
{
    const int travel = std::max(0, width - markWidth);
    return travel * std::clamp(value, 0, kMarkerMax) / kMarkerMax;
}

void CDMarker::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.drawPixmap(0, 0, m_background);
    if (!m_mark.isNull())
        painter.drawPixmap(MarkLeft(m_value, width(), m_mark.width()), 0, m_mark);
}

} // namespace quor::skin
