#include "skin/buttons/CAVIButton.h"

#include <QPainter>

namespace quor::skin {

CAVIButton::CAVIButton(QWidget* parent) : MessageWindow<QAbstractButton>(parent) {}

void CAVIButton::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.drawPixmap(0, 0, m_still);
}

} // namespace quor::skin
