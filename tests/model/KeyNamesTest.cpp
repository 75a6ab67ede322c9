#include "model/KeyNames.h"

#include <gtest/gtest.h>

TEST(KeyNames, ScanCodeZeroHasNoName) { EXPECT_EQ(GetScanCodeKeyName(0, false), u""); }

TEST(KeyNames, SystemNameComesFirst)
{
    EXPECT_EQ(GetScanCodeKeyName(2, false), u"1");
    EXPECT_EQ(GetScanCodeKeyName(0x1C, true), u"Num Enter");
    EXPECT_EQ(GetScanCodeKeyName(79, false), u"Num 1");
    EXPECT_EQ(GetVirtualKeyName(0x41, false), u"A");
}

TEST(KeyNames, TableNameWhenTheSystemHasNone)
{
    EXPECT_EQ(GetVirtualKeyName(166, true), u"Backward");
    EXPECT_EQ(GetVirtualKeyName(166, false), u"Backward");
    EXPECT_EQ(GetVirtualKeyName(167, true), u"Forward");
    EXPECT_EQ(GetVirtualKeyName(108, false), u"Num Enter"); // the system knows keypad Enter
    EXPECT_EQ(GetScanCodeKeyName(0x6A, true), u"Backward"); // browser back
}

TEST(KeyNames, ShortNameTable)
{
    EXPECT_EQ(GetShortKeyName(8), u"BkSp");
    EXPECT_EQ(GetShortKeyName(108), u"NumRet");
    EXPECT_EQ(GetShortKeyName(167), u"Forward");
    EXPECT_EQ(GetShortKeyName(65), u"");
    EXPECT_EQ(GetShortKeyName(0), u"");
}
