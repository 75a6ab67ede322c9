#include "platform/win/KeyMessage.h"

#include <gtest/gtest.h>

using namespace quor::win;

TEST(KeyMessage, ScanCodesFromX11Keycodes)
{
    struct Case {
        uint32_t keycode;
        uint16_t scan;
    };
    const Case cases[] = {
        {0, 0},         {8, 0},         {255, 0},      // no key, below the offset, unknown
        {9, 0x01},      {38, 0x1E},     {10, 0x02},    // Escape, A, 1
        {96, 0x58},     {94, 0x56},                    // F12, the 102nd key
        {105, 0xE01D},  {111, 0xE048},  {119, 0xE053}, // right Ctrl, Up, Delete
        {104, 0xE01C},  {133, 0xE05B},  {127, 0x45},   // keypad Enter, left Windows, Pause
    };
    for (const auto& c : cases)
        EXPECT_EQ(ScanCodeFromNativeKeycode(c.keycode), c.scan) << "keycode " << c.keycode;
}

TEST(KeyMessage, LParamLayout)
{
    EXPECT_EQ(MakeKeyLParam(0x1E, KeyTransition::Down, false, false), 0x001E0001);
    EXPECT_EQ(MakeKeyLParam(0x1E, KeyTransition::Down, false, true), 0x401E0001);
    EXPECT_EQ(MakeKeyLParam(0x1E, KeyTransition::Up, false, false), LPARAM{0xC01E0001});
    EXPECT_EQ(MakeKeyLParam(0xE048, KeyTransition::Down, true, false), 0x21480001);

    for (uint16_t scan : {uint16_t{0x1E}, uint16_t{0xE048}, uint16_t{0x45}})
        EXPECT_EQ(ScanCodeFromKeyLParam(MakeKeyLParam(scan, KeyTransition::Up, true, false)), scan);
}
