// The display windows on the offscreen platform: their kind of window, what they draw and how
// long they stay.

#include "support/QtWait.h"

#include "platform/win/WindowClass.h"
#include "tray/COsdController.h"

#include <QApplication>
#include <QScreen>
#include <gtest/gtest.h>

namespace {

class OsdDisplayTest : public testing::Test {
protected:
    void SetUp() override
    {
        m_controller.SetBarMaximum(20);
        ASSERT_EQ(m_controller.CreateDisplays(), S_OK);
        Profile()->SetShowPeriod(kLongPeriodMs);
        Slider()->SetShowPeriod(kLongPeriodMs);
    }

    COsdProfileWindow* Profile() const { return m_controller.GetProfileWindow(); }
    COsdSliderWindow* Slider() const { return m_controller.GetSliderWindow(); }
    static void Deliver() { QCoreApplication::processEvents(); }
    // The colour the window drew at a point (in window coordinates).
    static QRgb Pixel(const COsdWindow* window, QPoint point) { return window->Image().pixel(point); }

    static constexpr quor::win::UINT kLongPeriodMs = 60000;
    COsdController m_controller;
};

TEST_F(OsdDisplayTest, WindowsAreClickThroughToolWindowsThatNeverTakeFocus)
{
    for (COsdWindow* window : {static_cast<COsdWindow*>(Profile()), static_cast<COsdWindow*>(Slider())}) {
        EXPECT_FALSE(window->isVisible());
        const Qt::WindowFlags flags = window->windowFlags();
        for (Qt::WindowType flag : {Qt::Tool, Qt::FramelessWindowHint, Qt::WindowStaysOnTopHint,
                                    Qt::WindowTransparentForInput, Qt::WindowDoesNotAcceptFocus})
            EXPECT_TRUE(flags.testFlag(flag)) << flag;
        EXPECT_TRUE(window->testAttribute(Qt::WA_ShowWithoutActivating));
    }
    EXPECT_EQ(quor::win::GetClassName(Profile()), u"csl_osd");
    EXPECT_EQ(quor::win::GetClassName(Slider()), u"csl_osdslider");
    EXPECT_NEAR(Slider()->windowOpacity(), 200.0 / 255.0, 0.01);
    EXPECT_DOUBLE_EQ(Profile()->windowOpacity(), 1.0);
}

TEST_F(OsdDisplayTest, PlacementAndFontsFollowTheScreen)
{
    QScreen* screen = COsdWindow::DisplayScreen();
    ASSERT_NE(screen, nullptr);
    const float scale = osd::ScaleFromDpi(screen->logicalDotsPerInchX());
    EXPECT_FLOAT_EQ(m_controller.GetState().scale, scale);
    EXPECT_EQ(Profile()->geometry(), osd::ProfileWindowRect(screen->geometry(), scale));
    EXPECT_EQ(Slider()->geometry(), osd::SliderWindowRect(screen->geometry(), scale, 20));
    EXPECT_EQ(Profile()->GetFont().pixelSize(), osd::ProfileTextHeight(scale));
    EXPECT_TRUE(Profile()->GetFont().bold());
    EXPECT_EQ(Slider()->GetNumberFont().pixelSize(), osd::NumberTextHeight(scale));
    EXPECT_EQ(Slider()->GetLabelFont().pixelSize(), osd::LabelTextHeight(scale));
}

TEST_F(OsdDisplayTest, ProfileTextShowsAndHidesAgain)
{
    Profile()->SetShowPeriod(20);
    m_controller.ShowProfileText(u"Gaming");
    Deliver();
    EXPECT_TRUE(Profile()->isVisible());
    EXPECT_EQ(m_controller.GetState().profileText, u"Gaming");
    // Only the text is part of the window, and it is drawn in the text colour at the right end.
    const QRect shape = Profile()->Shape().boundingRect();
    ASSERT_FALSE(shape.isEmpty());
    EXPECT_GT(shape.right(), Profile()->width() - 15);
    EXPECT_LT(shape.width(), Profile()->width() / 2);
    EXPECT_EQ(Pixel(Profile(), QPoint(0, 0)), osd::kKeyColour);
    ASSERT_TRUE(quor::test::WaitForQt([&] { return !Profile()->isVisible(); }));
    EXPECT_TRUE(m_controller.GetState().profileText.empty());
    EXPECT_EQ(Profile()->HideRemainingMs(), -1);
}

TEST_F(OsdDisplayTest, NewContentReplacesTheShownOneAndRestartsTheTwoSeconds)
{
    Profile()->SetShowPeriod(kOsdShowPeriodMs);
    m_controller.ShowProfileText(u"First");
    Deliver();
    ASSERT_TRUE(Profile()->isVisible());
    // Timers may run up to 5 % early, so the wait and the check leave room for that.
    ASSERT_TRUE(quor::test::WaitForQt([&] { return Profile()->HideRemainingMs() < static_cast<int>(kOsdShowPeriodMs) - 500; }));
    m_controller.ShowProfileText(u"Second");
    Deliver();
    EXPECT_EQ(m_controller.GetState().profileText, u"Second");
    EXPECT_GT(Profile()->HideRemainingMs(), static_cast<int>(kOsdShowPeriodMs) - 200);
    EXPECT_TRUE(Profile()->isVisible());
}

TEST_F(OsdDisplayTest, ANameThatDrawsNothingLeavesNothingOfTheShownOne)
{
    m_controller.ShowProfileText(u"Gaming");
    Deliver();
    ASSERT_TRUE(Profile()->isVisible());
    m_controller.ShowProfileText(u"   ");
    Deliver();
    EXPECT_FALSE(Profile()->isVisible());
    // A later name shows again.
    m_controller.ShowProfileText(u"Work");
    Deliver();
    EXPECT_TRUE(Profile()->isVisible());
}

TEST_F(OsdDisplayTest, LongNamesAreCutWhereTheDisplayEndsWithoutSplittingACharacter)
{
    m_controller.ShowProfileText(std::u16string(300, u'a'));
    EXPECT_EQ(m_controller.GetState().profileText.size(), 254u);
    // A surrogate pair across the cut goes as a whole.
    std::u16string name(253, u'a');
    name += u"\U0001F600";
    m_controller.ShowProfileText(name);
    EXPECT_EQ(m_controller.GetState().profileText, std::u16string(253, u'a'));
}

TEST_F(OsdDisplayTest, SingleGaugeIsLimitedToTheBarMaximum)
{
    m_controller.ShowSensitivity(25, u"9999");
    Deliver();
    const OsdState& state = m_controller.GetState();
    EXPECT_EQ(state.sensitivityMode, OsdState::SensitivityMode::Single);
    EXPECT_EQ(state.gaugeA.bars, 20u);
    EXPECT_TRUE(Slider()->isVisible());
    // One gauge, on the right; the left one is not part of the window.
    const QRect right = osd::RightGaugeRect(state.scale, 20);
    EXPECT_EQ(Slider()->Shape().boundingRect(), right);
    const QRect topBar = osd::GaugeBarRects(right, 20, osd::NumberTextHeight(state.scale), 20).back();
    EXPECT_EQ(Pixel(Slider(), topBar.center()), osd::kGaugeColour);
}

TEST_F(OsdDisplayTest, TwoGaugesShowXOnTheLeftAndYOnTheRight)
{
    m_controller.ShowSensitivityXY(2, u"800", 5, u"1600");
    Deliver();
    const OsdState& state = m_controller.GetState();
    ASSERT_EQ(state.sensitivityMode, OsdState::SensitivityMode::XY);
    EXPECT_EQ(state.gaugeA.text, u"1600");
    EXPECT_EQ(state.gaugeB.text, u"800");
    const int number = osd::NumberTextHeight(state.scale);
    const auto barDrawn = [&](const QRect& gauge, int bar) {
        return Pixel(Slider(), osd::GaugeBarRects(gauge, bar + 1, number, 20).back().topLeft())
            == osd::kGaugeColour;
    };
    const QRect left = osd::LeftGaugeRect(state.scale, 20);
    const QRect right = osd::RightGaugeRect(state.scale, 20);
    EXPECT_TRUE(barDrawn(left, 1));
    EXPECT_FALSE(barDrawn(left, 2));
    EXPECT_TRUE(barDrawn(right, 4));
    EXPECT_FALSE(barDrawn(right, 5));
    EXPECT_EQ(Slider()->Shape().boundingRect(), left.united(right));
}

TEST_F(OsdDisplayTest, XYWithAnXTextOfMoreThanFourCharactersShowsNothing)
{
    m_controller.ShowSensitivityXY(20, u"10000", 2, u"800");
    Deliver();
    EXPECT_EQ(m_controller.GetState().sensitivityMode, OsdState::SensitivityMode::None);
    EXPECT_FALSE(Slider()->isVisible());
}

TEST_F(OsdDisplayTest, HidingEndsTheSensitivityContent)
{
    Slider()->SetShowPeriod(20);
    m_controller.ShowSensitivity(2, u"800");
    Deliver();
    ASSERT_TRUE(Slider()->isVisible());
    ASSERT_TRUE(quor::test::WaitForQt([&] { return !Slider()->isVisible(); }));
    EXPECT_EQ(m_controller.GetState().sensitivityMode, OsdState::SensitivityMode::None);
}

} // namespace
