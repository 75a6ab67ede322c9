// Where the displays go and what the gauges draw, without painting.

#include "tray/OsdGeometry.h"

#include <gtest/gtest.h>

namespace {

const float kScale96 = osd::ScaleFromDpi(96.0);

TEST(OsdGeometryTest, SizesAt96Dpi)
{
    EXPECT_EQ(osd::ProfileTextHeight(kScale96), 26);
    EXPECT_EQ(osd::NumberTextHeight(kScale96), 13);
    EXPECT_EQ(osd::LabelTextHeight(kScale96), 26);
    EXPECT_EQ(osd::GaugeHeight(kScale96, 20), 265);
    EXPECT_EQ(osd::LeftGaugeRect(kScale96, 20), QRect(0, 0, 57, 265));
    EXPECT_EQ(osd::RightGaugeRect(kScale96, 20), QRect(62, 0, 57, 265));
    // 144 dpi: heights are cut, not rounded.
    EXPECT_EQ(osd::ProfileTextHeight(osd::ScaleFromDpi(144.0)), 40);
    EXPECT_EQ(osd::NumberTextHeight(osd::ScaleFromDpi(120.0)), 16);
}

TEST(OsdGeometryTest, WindowsSitInTheLowerRightOfTheMonitor)
{
    struct Case {
        QRect monitor;
        QRect profile;
        QRect slider;
    };
    const Case cases[] = {
        {{0, 0, 1920, 1080}, {0, 1004, 1910, 26}, {1791, 729, 119, 265}},
        // A monitor left of and below the origin keeps the same offsets from its own edges.
        {{-1280, 200, 1280, 1024}, {-1280, 1148, 1270, 26}, {-129, 873, 119, 265}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.monitor.x() << "," << c.monitor.y());
        EXPECT_EQ(osd::ProfileWindowRect(c.monitor, kScale96), c.profile);
        EXPECT_EQ(osd::SliderWindowRect(c.monitor, kScale96, 20), c.slider);
        // The name ends 10 pixels left of the right edge, as the gauges do.
        EXPECT_EQ(c.profile.x() + c.profile.width(), c.slider.x() + c.slider.width());
    }
}

TEST(OsdGeometryTest, BarsGrowUpwardsBelowTheNumber)
{
    const QRect gauge = osd::RightGaugeRect(kScale96, 20);
    EXPECT_TRUE(osd::GaugeBarRects(gauge, 0, 13, 20).empty());
    const std::vector<QRect> bars = osd::GaugeBarRects(gauge, 20, 13, 20);
    ASSERT_EQ(bars.size(), 20u);
    EXPECT_EQ(bars.front(), QRect(68, 249, 45, 10));
    EXPECT_EQ(bars[1], QRect(68, 237, 45, 10));
    // The top bar stays clear of the number and inside the frame.
    const QRect number = osd::GaugeTextRect(gauge, 13, 20);
    EXPECT_EQ(number, QRect(68, 6, 45, 253));
    EXPECT_GT(bars.back().top(), gauge.top() + 6 + 13);
    EXPECT_LT(bars.front().bottom(), gauge.bottom() - 2);
}

TEST(OsdGeometryTest, SensitivityBars)
{
    struct Case {
        int32_t value;
        int32_t maximum;
        uint32_t bars;
    };
    const Case cases[] = {
        {800, 0, 0},     // a range without a maximum has no scale
        {800, -100, 0},
        {-800, 5600, 0},
        {0, 5600, 0},
        {800, 5600, 2},  // 2.857 rounds down
        {1600, 5600, 5},
        {5600, 5600, 20},
        {9999, 5600, 20}, // beyond the range: a full gauge
        {2147483647, 1, 20},
    };
    for (const Case& c : cases)
        EXPECT_EQ(osd::SensitivityBars(c.value, c.maximum), c.bars) << c.value << " of " << c.maximum;
}

} // namespace
