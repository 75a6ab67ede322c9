#include "model/MacroRecorder.h"

#include <gtest/gtest.h>

using namespace KeyMessage;

namespace {
intptr_t KeyLParam(uint32_t scanCode, bool extended = false, bool up = false, bool repeat = false, bool alt = false)
{
    uint32_t bits = 1 | (scanCode << ScanCodeShift);
    if (extended)
        bits |= ExtendedBit;
    if (alt)
        bits |= ContextBit;
    if (up || repeat)
        bits |= PreviousStateBit;
    if (up)
        bits |= TransitionBit;
    return intptr_t(int32_t(bits));
}

class MacroRecorderTest : public testing::Test {
protected:
    MacroRecorderTest() { m_recorder.Start(); }

    uint32_t m_now = 1000;
    MacroRecorder m_recorder{[this] { return m_now; }};
};
} // namespace

TEST_F(MacroRecorderTest, NothingIsTakenWhileNotRecording)
{
    m_recorder.Stop();
    EXPECT_FALSE(m_recorder.OnKeyMessage(WM_KEYDOWN, 'A', KeyLParam(0x1E)));
    EXPECT_TRUE(m_recorder.GetEvents().empty());
    m_recorder.Start();
    EXPECT_FALSE(m_recorder.OnKeyMessage(0x0102 /* WM_CHAR */, 'a', KeyLParam(0x1E)));
    EXPECT_TRUE(m_recorder.GetEvents().empty());
}

TEST_F(MacroRecorderTest, PausesAreMeasuredBetweenKeys)
{
    EXPECT_EQ(m_recorder.OnKeyMessage(WM_KEYDOWN, 'A', KeyLParam(0x1E)), 1u);
    m_now += 2500;
    EXPECT_EQ(m_recorder.OnKeyMessage(WM_KEYDOWN, 'B', KeyLParam(0x30)), 2u);
    m_now += 40;
    EXPECT_TRUE(m_recorder.OnKeyMessage(WM_KEYUP, 'B', KeyLParam(0x30, false, true)));
    EXPECT_EQ(m_recorder.GetEvents(), (std::vector<MacroEvent>{MacroEvent::KeyPress('A'), MacroEvent::Pause(2500),
                                                                MacroEvent::KeyPress('B'), MacroEvent::Pause(40),
                                                                MacroEvent::KeyRelease('B')}));
}

TEST_F(MacroRecorderTest, LongPausesAreCut)
{
    m_recorder.OnKeyMessage(WM_KEYDOWN, 'A', KeyLParam(0x1E));
    m_now += 20000000;
    m_recorder.OnKeyMessage(WM_KEYUP, 'A', KeyLParam(0x1E, false, true));
    EXPECT_EQ(m_recorder.GetEvents()[1], MacroEvent::Pause(16777215));
}

TEST_F(MacroRecorderTest, TickCountWrapIsMeasuredRight)
{
    m_now = 0xFFFFFF00u;
    m_recorder.OnKeyMessage(WM_KEYDOWN, 'A', KeyLParam(0x1E));
    m_now = 0x100;
    m_recorder.OnKeyMessage(WM_KEYUP, 'A', KeyLParam(0x1E, false, true));
    EXPECT_EQ(m_recorder.GetEvents()[1], MacroEvent::Pause(0x200));
}

TEST_F(MacroRecorderTest, FixedPauseAndNoPauses)
{
    m_recorder.SetFixedPause(50);
    m_recorder.OnKeyMessage(WM_KEYDOWN, 'A', KeyLParam(0x1E));
    m_now += 999;
    m_recorder.OnKeyMessage(WM_KEYUP, 'A', KeyLParam(0x1E, false, true));
    EXPECT_EQ(m_recorder.GetEvents()[1], MacroEvent::Pause(50));

    m_recorder.SetPausesEnabled(false);
    m_recorder.OnKeyMessage(WM_KEYDOWN, 'B', KeyLParam(0x30));
    EXPECT_EQ(m_recorder.GetEvents().size(), 4u);
    EXPECT_EQ(m_recorder.GetEvents()[3], MacroEvent::KeyPress('B'));
}

TEST_F(MacroRecorderTest, RepeatsAreNotRecorded)
{
    m_recorder.SetPausesEnabled(false);
    m_recorder.OnKeyMessage(WM_KEYDOWN, 'A', KeyLParam(0x1E));
    EXPECT_FALSE(m_recorder.OnKeyMessage(WM_KEYDOWN, 'A', KeyLParam(0x1E, false, false, true)));
    EXPECT_EQ(m_recorder.GetEvents().size(), 1u);
}

TEST_F(MacroRecorderTest, ModifiersAndKeypadEnterAreRefined)
{
    struct Case {
        uint32_t message, virtualKey, scanCode;
        bool extended, alt;
        MacroEvent expected;
    };
    const Case cases[] = {
        {WM_KEYDOWN, 0x10, 42, false, false, MacroEvent::KeyPress(160)},
        {WM_KEYDOWN, 0x10, 54, false, false, MacroEvent::KeyPress(161)},
        {WM_KEYDOWN, 0x11, 0x1D, false, false, MacroEvent::KeyPress(162)},
        {WM_KEYUP, 0x11, 0x1D, true, false, MacroEvent::KeyRelease(163, MacroKeyDetail::ExtendedFlag)},
        {WM_SYSKEYDOWN, 0x12, 0x38, false, true, MacroEvent::KeyPress(164, MacroKeyDetail::AltFlag)},
        {WM_SYSKEYDOWN, 0x12, 0x38, true, true,
         MacroEvent::KeyPress(165, MacroKeyDetail::ExtendedFlag | MacroKeyDetail::AltFlag)},
        {WM_KEYDOWN, 0x0D, 0x1C, true, false, MacroEvent::KeyPress(108, MacroKeyDetail::ExtendedFlag)},
        {WM_KEYDOWN, 0x0D, 0x1C, false, false, MacroEvent::KeyPress(13)},
    };
    m_recorder.SetPausesEnabled(false);
    for (const Case& c : cases) {
        m_recorder.Clear();
        const bool up = c.message == WM_KEYUP || c.message == WM_SYSKEYUP;
        ASSERT_TRUE(m_recorder.OnKeyMessage(c.message, c.virtualKey, KeyLParam(c.scanCode, c.extended, up, false, c.alt)));
        EXPECT_EQ(m_recorder.GetEvents().back(), c.expected) << c.virtualKey << "/" << c.scanCode;
    }
}

TEST(MacroRecorder, DefaultClockIsTheTickCount)
{
    MacroRecorder recorder;
    recorder.Start();
    recorder.OnKeyMessage(WM_KEYDOWN, 'A', KeyLParam(0x1E));
    recorder.OnKeyMessage(WM_KEYUP, 'A', KeyLParam(0x1E, false, true));
    ASSERT_EQ(recorder.GetEvents().size(), 3u);
    EXPECT_LT(recorder.GetEvents()[1].value, 1000u);
}
