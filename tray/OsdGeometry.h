#pragma once

// Where the on-screen display windows go and what they draw, as pure functions of the monitor
// rectangle, the scale (the screen's logical horizontal dots per inch / 72) and the bar maximum.
// Rectangles are Qt's: the monitor's right edge is x() + width(), its bottom y() + height().

#include <QColor>
#include <QRect>

#include <cstdint>
#include <vector>

namespace osd {

inline constexpr QRgb kKeyColour = qRgb(0, 255, 0);   // transparent on screen
inline constexpr QRgb kTextColour = qRgb(0, 250, 0);
inline constexpr QRgb kGaugeColour = qRgb(0, 200, 0); // frame and bars
inline constexpr QRgb kGaugeBackground = qRgb(0, 0, 0);
inline constexpr QRgb kLabelColour = qRgb(0, 50, 0);

inline constexpr int kDefaultBarMaximum = 20;
inline constexpr int kBarPitch = 12;  // a bar and the gap above it
inline constexpr int kBarHeight = 10;
inline constexpr int kGaugeWidth = 57;
inline constexpr int kGaugeGap = 5;
inline constexpr int kGaugeInset = 6;   // bars and number start this far inside the gauge
inline constexpr int kBarWidth = 45;
inline constexpr int kFrameWidth = 2;
inline constexpr int kSliderWidth = 2 * kGaugeWidth + kGaugeGap; // 119
inline constexpr int kProfileRightMargin = 10;
inline constexpr int kProfileBottomMargin = 50;
inline constexpr int kSliderRightMargin = 10;
inline constexpr int kSliderBottomMargin = 60;
inline constexpr int kSliderWindowOpacity = 200; // of 255
inline constexpr float kPointsPerInch = 72.0f;

float ScaleFromDpi(double logicalDpiX);

// Profile text: character height (scale x 20) and the window rectangle.
int ProfileTextHeight(float scale);
QRect ProfileWindowRect(const QRect& monitor, float scale);

// Sensitivity window: number font height (scale x 10), label font height (scale x 20), gauge
// height and the window rectangle.
int NumberTextHeight(float scale);
int LabelTextHeight(float scale);
int GaugeHeight(float scale, int barMaximum);
QRect SliderWindowRect(const QRect& monitor, float scale, int barMaximum);
// The gauges inside the sensitivity window: the left one shows X, the right one the single
// value or Y.
QRect LeftGaugeRect(float scale, int barMaximum);
QRect RightGaugeRect(float scale, int barMaximum);

// The bars of a gauge that shows count bars, bottom one first, and the column of its number.
std::vector<QRect> GaugeBarRects(const QRect& gauge, int count, int numberHeight, int barMaximum);
QRect GaugeTextRect(const QRect& gauge, int numberHeight, int barMaximum);

// Bars for a sensitivity within a range that ends at maximum: value x barMaximum / maximum,
// rounded down and limited to barMaximum. No bars for a range without a maximum (0 or less)
// or a value of 0 or less.
uint32_t SensitivityBars(int32_t value, int32_t maximum, int barMaximum = kDefaultBarMaximum);

} // namespace osd
