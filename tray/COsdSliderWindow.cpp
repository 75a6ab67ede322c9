#include "tray/COsdSliderWindow.h"

#include <QPainter>

namespace {
const QString kNumberFontFamily = QStringLiteral("Courier New");
const QString kLabelFontFamily = QStringLiteral("Tahoma");
const QString kLabelX = QStringLiteral("X");
const QString kLabelY = QStringLiteral("Y");

QFont MakeFont(const QString& family, int pixelSize)
{
    QFont font(family);
    font.setPixelSize(std::max(pixelSize, 1));
    font.setBold(true);
    font.setStyleStrategy(QFont::PreferAntialias);
    return font;
}
} // namespace

COsdSliderWindow::COsdSliderWindow(OsdState& state) : COsdWindow(state, kOsdSliderClassName)
{
    setWindowOpacity(osd::kSliderWindowOpacity / 255.0);
}

QRect COsdSliderWindow::WindowRect(const QRect& monitor) const
{
    return osd::SliderWindowRect(monitor, m_state.scale, m_state.barMaximum);
}

void COsdSliderWindow::MakeFonts()
{
    m_numberFont = MakeFont(kNumberFontFamily, osd::NumberTextHeight(m_state.scale));
    m_labelFont = MakeFont(kLabelFontFamily, osd::LabelTextHeight(m_state.scale));
}

void COsdSliderWindow::Paint(QPainter& painter)
{
    const QRect left = osd::LeftGaugeRect(m_state.scale, m_state.barMaximum);
    const QRect right = osd::RightGaugeRect(m_state.scale, m_state.barMaximum);
    switch (m_state.sensitivityMode) {
    case OsdState::SensitivityMode::None:
        return;
    case OsdState::SensitivityMode::Single:
        PaintGauge(painter, m_state.gaugeA, right);
        return;
    case OsdState::SensitivityMode::XY:
        PaintGauge(painter, m_state.gaugeA, right);
        PaintGauge(painter, m_state.gaugeB, left);
        painter.setFont(m_labelFont);
        painter.setPen(QColor(osd::kLabelColour));
        painter.drawText(left, Qt::AlignBottom | Qt::AlignHCenter | Qt::TextSingleLine, kLabelX);
        painter.drawText(right, Qt::AlignBottom | Qt::AlignHCenter | Qt::TextSingleLine, kLabelY);
        return;
    }
}

void COsdSliderWindow::PaintGauge(QPainter& painter, const OsdState::Gauge& gauge, const QRect& rect)
{
    painter.fillRect(rect, QColor(osd::kGaugeColour));
    painter.fillRect(rect.adjusted(osd::kFrameWidth, osd::kFrameWidth, -osd::kFrameWidth, -osd::kFrameWidth),
                     QColor(osd::kGaugeBackground));
    const int numberHeight = osd::NumberTextHeight(m_state.scale);
    for (const QRect& bar :
         osd::GaugeBarRects(rect, static_cast<int>(gauge.bars), numberHeight, m_state.barMaximum))
        painter.fillRect(bar, QColor(osd::kGaugeColour));
    if (gauge.text.empty())
        return;
    painter.setFont(m_numberFont);
    painter.setPen(QColor(osd::kTextColour));
    painter.drawText(osd::GaugeTextRect(rect, numberHeight, m_state.barMaximum),
                     Qt::AlignTop | Qt::AlignHCenter | Qt::TextSingleLine, QString::fromStdU16String(gauge.text));
}

void COsdSliderWindow::ClearContent()
{
    m_state.sensitivityMode = OsdState::SensitivityMode::None;
}
