#include "model/FunctionCodes.h"

#include <gtest/gtest.h>

TEST(FunctionCodes, AllowedFunctionCheck)
{
    struct Case {
        int32_t code, button;
        bool allowed;
    };
    const Case cases[] = {
        {0, 10, false}, {3, 11, false}, {-1, 1, false}, {9, 0, false}, {59, 1, false}, {5, 10, true},
        {5, 3, true},   {19, 1, true},  {19, 10, false}, {18, 0, true}, {3, 0, true},   {37, 10, true},
        {6, 11, true},  {29, 26, true}, {30, 25, true},
    };
    for (const Case& c : cases)
        EXPECT_EQ(IsFunctionAllowedOn(c.code, c.button), c.allowed) << c.code << " on " << c.button;
}

TEST(FunctionCodes, AllowedKeysInOfferOrder)
{
    EXPECT_EQ(GetAllowedFunctionKeysOf(10),
              (std::vector<std::u16string>{u"$macro", u"$SensitivityStageUp", u"$SensitivityStageDown", u"$scrollup",
                                           u"$scrolldown", u"$buttonoff"}));
    EXPECT_EQ(GetAllowedFunctionKeysOf(1),
              (std::vector<std::u16string>{u"$click", u"$menu", u"$universalscrolling", u"$macro",
                                           u"$SensitivityStageUp", u"$SensitivityStageDown", u"$Forward", u"$Backward",
                                           u"$on-the-flysensitivity", u"$SingleKey", u"$profile", u"$scrollup",
                                           u"$scrolldown", u"$buttonoff"}));
}

TEST(FunctionCodes, LanguageKeys)
{
    EXPECT_EQ(GetFunctionKey(0), u"$click");
    EXPECT_EQ(GetFunctionKey(5), u"$macro");
    EXPECT_EQ(GetFunctionKey(17), u"$dpistage5");
    EXPECT_EQ(GetFunctionKey(19), u"$profile");
    EXPECT_EQ(GetFunctionKey(26), u"$profile5");
    EXPECT_EQ(GetFunctionKey(43), u"$all");
    EXPECT_EQ(GetFunctionKey(58), u"$selectfun");
    EXPECT_EQ(GetFunctionKey(59), u"");
    EXPECT_EQ(GetFunctionKey(-1), u"");
}
