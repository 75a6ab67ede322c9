#include "device/MacroEventConversion.h"

#include "platform/com/Com.h"
#include "platform/keyboard/Keyboard.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

using namespace quor::keyboard;

constexpr uint32_t VK_A = 0x41;
constexpr uint32_t VK_LEFT = 0x25;
constexpr uint32_t VK_NUMPAD4 = 0x64;
constexpr uint32_t kExtended = MacroKeyDetail::ExtendedFlag;

struct TaskMemFree {
    void operator()(void* memory) const { CoTaskMemFree(memory); }
};
using Buffer = std::unique_ptr<MacroEventBuffer, TaskMemFree>;

TEST(MacroEventConversionTest, BufferLayoutOfKeysAndPauses)
{
    const std::vector<MacroEvent> events = {MacroEvent::KeyPress(VK_A), MacroEvent::Pause(250),
                                            MacroEvent::KeyRelease(VK_RCONTROL, kExtended),
                                            MacroEvent::KeyPress(VK_NUMLOCK, kExtended)};
    Buffer buffer(MakeMacroEventBuffer(events));
    ASSERT_TRUE(buffer);
    EXPECT_EQ(buffer->reserved, 0u);
    ASSERT_EQ(buffer->count, 4u);
    const MacroEventRecord* records = buffer->Events();
    EXPECT_EQ(records[0].kind, MACRO_EVENT_KEY);
    EXPECT_EQ(records[0].ScanCode(), 0x1E);
    EXPECT_EQ(records[0].Flags(), 0);
    EXPECT_EQ(records[1].kind, MACRO_EVENT_PAUSE);
    EXPECT_EQ(records[1].PauseLength(), 250u);
    EXPECT_EQ(records[2].ScanCode(), 0x1D);
    EXPECT_EQ(records[2].Flags(), MACRO_KEY_RELEASED | MACRO_KEY_EXTENDED);
    // NumLock never goes to the device as an extended key.
    EXPECT_EQ(records[3].ScanCode(), 0x45);
    EXPECT_EQ(records[3].Flags(), 0);
}

TEST(MacroEventConversionTest, ReadingBack)
{
    const std::vector<MacroEvent> events = {MacroEvent::KeyPress(VK_A),
                                            MacroEvent::KeyRelease(VK_A),
                                            MacroEvent::Pause(kMaxMacroPause),
                                            MacroEvent::KeyPress(VK_RCONTROL, kExtended),
                                            MacroEvent::KeyPress(VK_LEFT, kExtended),
                                            MacroEvent::KeyPress(VK_NUMPAD4)};
    Buffer buffer(MakeMacroEventBuffer(events));
    ASSERT_TRUE(buffer);
    EXPECT_EQ(ReadMacroEventBuffer(*buffer), events);

    // NumLock always comes back extended.
    Buffer numLock(MakeMacroEventBuffer({MacroEvent::KeyRelease(VK_NUMLOCK)}));
    EXPECT_EQ(ReadMacroEventBuffer(*numLock), std::vector{MacroEvent::KeyRelease(VK_NUMLOCK, kExtended)});
}

TEST(MacroEventConversionTest, UnknownKindsAreSkipped)
{
    Buffer buffer(AllocMacroEventBuffer(3));
    ASSERT_TRUE(buffer);
    buffer->Events()[0].kind = 7;
    buffer->Events()[1] = MacroEventRecord::Pause(5);
    // [2] stays a zero record.
    EXPECT_EQ(ReadMacroEventBuffer(*buffer), std::vector{MacroEvent::Pause(5)});

    Buffer empty(MakeMacroEventBuffer({}));
    ASSERT_TRUE(empty);
    EXPECT_EQ(empty->count, 0u);
    EXPECT_TRUE(ReadMacroEventBuffer(*empty).empty());
}

} // namespace
