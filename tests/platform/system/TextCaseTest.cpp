#include "platform/system/TextCase.h"

#include <gtest/gtest.h>

using namespace quor::system;

TEST(TextCase, FoldsLettersOfEveryCasedScript)
{
    struct Case {
        std::u16string_view a, b;
    };
    const Case equal[] = {
        {u"É", u"é"},           {u"Ж", u"ж"},       {u"ŒUVRE", u"œuvre"},  {u"ΣΊΣΥΦΟΣ", u"σίσυφος"},
        {u"σ", u"ς"},           {u"Ÿ", u"ÿ"},       {u"Ǆ", u"ǆ"},          {u"ÅNGSTRÖM", u"ångström"},
        {u"\u212A", u"k"},      {u"ẞ", u"ß"},       {u"ＡＢＣ", u"ａｂｃ"}, {u"Ґ", u"ґ"},
        {u"Game 1", u"gAME 1"},
    };
    for (const Case& c : equal) {
        EXPECT_TRUE(EqualsNoCase(c.a, c.b));
        EXPECT_EQ(CompareNoCase(c.a, c.b), 0);
        EXPECT_EQ(FoldCase(c.a), FoldCase(c.b));
    }
}

TEST(TextCase, KeepsDifferentTextsApart)
{
    EXPECT_FALSE(EqualsNoCase(u"é", u"e"));
    EXPECT_FALSE(EqualsNoCase(u"Game", u"Games"));
    EXPECT_FALSE(EqualsNoCase(u"ß", u"ss")); // simple folding only
    EXPECT_FALSE(EqualsNoCase(u"İ", u"i"));
    EXPECT_EQ(FoldCase(u'1'), u'1');
    EXPECT_EQ(FoldCase(u'\xD83D'), u'\xD83D'); // surrogates stay
}

TEST(TextCase, OrdersByFoldedCodeUnitsShorterFirst)
{
    EXPECT_LT(CompareNoCase(u"apple", u"BANANA"), 0);
    EXPECT_GT(CompareNoCase(u"Banana", u"apple"), 0);
    EXPECT_LT(CompareNoCase(u"ab", u"ABC"), 0);
    EXPECT_GT(CompareNoCase(u"abc", u"AB"), 0);
    EXPECT_LT(CompareNoCase(u"", u"a"), 0);
}
