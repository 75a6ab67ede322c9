#include "tray/OsdGeometry.h"

#include <algorithm>

namespace osd {

namespace {
// Heights are the scaled sizes cut to an integer, as font heights are.
int Scaled(float scale, int size)
{
    return static_cast<int>(scale * static_cast<float>(size));
}
constexpr int kProfileTextSize = 20;
constexpr int kNumberTextSize = 10;
constexpr int kLabelTextSize = 20;
} // namespace

float ScaleFromDpi(double logicalDpiX)
{
    return static_cast<float>(logicalDpiX) / kPointsPerInch;
}

int ProfileTextHeight(float scale)
{
    return Scaled(scale, kProfileTextSize);
}

QRect ProfileWindowRect(const QRect& monitor, float scale)
{
    const int height = ProfileTextHeight(scale);
    const int bottom = monitor.y() + monitor.height();
    return {monitor.x(), bottom - height - kProfileBottomMargin, monitor.width() - kProfileRightMargin, height};
}

int NumberTextHeight(float scale)
{
    return Scaled(scale, kNumberTextSize);
}

int LabelTextHeight(float scale)
{
    return Scaled(scale, kLabelTextSize);
}

int GaugeHeight(float scale, int barMaximum)
{
    return NumberTextHeight(scale) + barMaximum * kBarPitch + kBarPitch;
}

QRect SliderWindowRect(const QRect& monitor, float scale, int barMaximum)
{
    const int height = GaugeHeight(scale, barMaximum);
    const int right = monitor.x() + monitor.width();
    const int bottom = monitor.y() + monitor.height();
    return {right - kSliderWidth - kSliderRightMargin, bottom - Scaled(scale, kProfileTextSize) - height - kSliderBottomMargin,
            kSliderWidth, height};
}

QRect LeftGaugeRect(float scale, int barMaximum)
{
    return {0, 0, kGaugeWidth, GaugeHeight(scale, barMaximum)};
}

QRect RightGaugeRect(float scale, int barMaximum)
{
    return {kGaugeWidth + kGaugeGap, 0, kGaugeWidth, GaugeHeight(scale, barMaximum)};
}

std::vector<QRect> GaugeBarRects(const QRect& gauge, int count, int numberHeight, int barMaximum)
{
    std::vector<QRect> bars;
    // Below the number, bars grow upwards from the bottom of the bar area.
    const int areaBottom = gauge.y() + kGaugeInset + numberHeight + barMaximum * kBarPitch;
    for (int k = 0; k < count; ++k) {
        const int bottom = areaBottom - kBarPitch * k;
        bars.emplace_back(gauge.x() + kGaugeInset, bottom - kBarHeight, kBarWidth, kBarHeight);
    }
    return bars;
}

QRect GaugeTextRect(const QRect& gauge, int numberHeight, int barMaximum)
{
    return {gauge.x() + kGaugeInset, gauge.y() + kGaugeInset, kBarWidth, numberHeight + barMaximum * kBarPitch};
}

uint32_t SensitivityBars(int32_t value, int32_t maximum, int barMaximum)
{
    if (maximum <= 0 || value <= 0 || barMaximum <= 0)
        return 0;
    const uint64_t bars = static_cast<uint64_t>(value) * static_cast<uint64_t>(barMaximum) / static_cast<uint64_t>(maximum);
    return static_cast<uint32_t>(std::min<uint64_t>(bars, static_cast<uint64_t>(barMaximum)));
}

} // namespace osd
