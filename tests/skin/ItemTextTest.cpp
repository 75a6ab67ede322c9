#include "skin/ItemText.h"
#include "skin/lists/CDropdownListItem.h"
#include "skin/sliders/CPHSlider.h"

#include <gtest/gtest.h>

#include <QWidget>

#include <limits>

using namespace quor::skin;

TEST(ItemText, FormatsCaseAndLineBreaks)
{
    EXPECT_EQ(TextItemFormat(u"", false), 0) << "left, single line: a plain run";
    EXPECT_EQ(TextItemFormat(u"Left", true), DT_WORDBREAK);
    EXPECT_EQ(TextItemFormat(u"R", false), DT_RIGHT | DT_SINGLELINE | DT_VCENTER);
    EXPECT_EQ(TextItemFormat(u"Centre", true), DT_CENTER | DT_WORDBREAK);
    EXPECT_EQ(TextItemFormat(u"c", false), 0) << "only an upper-case C centres";
    EXPECT_EQ(CaptionFormat(u"", false), DT_LEFT | DT_VCENTER | DT_SINGLELINE);

    EXPECT_EQ(ApplyCaps(u"Taste \u00E9", u"Upper"), u"TASTE \u00C9");
    EXPECT_EQ(ApplyCaps(u"Taste", u"L"), u"taste");
    EXPECT_EQ(ApplyCaps(u"Taste", u"x"), u"Taste");
    EXPECT_EQ(TooltipText(u"Two\\nlines\\nhere"), u"Two lines\\nhere") << "no language: the text as written";
    EXPECT_EQ(TooltipText(u"end\\"), u"end ");
    EXPECT_EQ(WithLineBreak(u"a\\nb\\nc"), u"a\r\nb\\nc");
}

TEST(ItemGeometry, HandlesAndArrow)
{
    // Track from 2 to 97 over the range 1 to 32, handle 6 wide, centred on its point.
    EXPECT_EQ(CPHSlider::HandleLeft(1, 1, 32, 0, 100, 2, 3, 6), 2 - 3);
    EXPECT_EQ(CPHSlider::HandleLeft(32, 1, 32, 0, 100, 2, 3, 6), 97 - 3);
    EXPECT_EQ(CPHSlider::HandleLeft(99, 1, 32, 0, 100, 2, 3, 6), 97 - 3) << "held within the range";
    EXPECT_EQ(CPHSlider::HandleLeft(5, 5, 5, 10, 50, 0, 0, 4), 8) << "an empty range does not divide by zero";
    // Offsets and ranges as extreme as a document can write do not overflow.
    constexpr int kMin = std::numeric_limits<int>::min();
    constexpr int kMax = std::numeric_limits<int>::max();
    EXPECT_EQ(CPHSlider::HandleLeft(32, 1, 32, 100, 200, kMax, kMin, 6), QWIDGETSIZE_MAX);
    EXPECT_EQ(CPHSlider::HandleLeft(1, 1, 32, -100, 200, kMin, 0, 6), -QWIDGETSIZE_MAX);
    EXPECT_EQ(CPHSlider::HandleLeft(0, kMin, kMax, 0, 100, 0, 0, 0), 50);

    const auto strokes = CDropdownListItem::ArrowStrokes(15);
    ASSERT_EQ(strokes.size(), 5u);
    for (std::size_t i = 0; i < strokes.size(); ++i) {
        EXPECT_EQ(strokes[i].width, 9 - 2 * static_cast<int>(i));
        EXPECT_EQ(strokes[i].x, strokes[0].x + static_cast<int>(i));
        EXPECT_EQ(strokes[i].y, strokes[0].y + static_cast<int>(i));
    }
    EXPECT_EQ(strokes[0].x + 9 / 2, 15 / 2) << "centred in the square";
}
