#include "platform/system/Utf16.h"

#include <gtest/gtest.h>

using namespace quor::system;

TEST(Utf16, RoundTripsAllPlanes)
{
    const std::u16string text = u"Aé€\U0001F600Ж";
    EXPECT_EQ(ToUtf8(text), "A\xC3\xA9\xE2\x82\xAC\xF0\x9F\x98\x80\xD0\x96");
    EXPECT_EQ(FromUtf8(ToUtf8(text)), text);
}

TEST(Utf16, IllFormedInputBecomesReplacementCharacters)
{
    EXPECT_EQ(ToUtf8(u"a\xD800" "b"), "a\xEF\xBF\xBD" "b");
    EXPECT_EQ(FromUtf8("a\xC3"), u"a\uFFFD");
    EXPECT_EQ(FromUtf8("\xFF" "b"), u"\uFFFDb");
    EXPECT_EQ(FromUtf8("\xC0\x80"), u"\uFFFD"); // overlong NUL
}
