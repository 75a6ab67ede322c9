#include "SkinTestFolder.h"

#include "skin/XmlDocument.h"
#include "skin/XmlQueries.h"

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

using namespace quor::skin;
using quor::skin::test::SkinTest;

namespace {

std::vector<char> Utf16Le(const std::u16string& text, bool bom)
{
    std::vector<char> bytes;
    if (bom) {
        bytes.push_back(static_cast<char>(0xFF));
        bytes.push_back(static_cast<char>(0xFE));
    }
    for (char16_t ch : text) {
        bytes.push_back(static_cast<char>(ch & 0xFF));
        bytes.push_back(static_cast<char>(ch >> 8));
    }
    return bytes;
}

// Element names and attributes in document order, one line per element, to compare trees.
std::string Describe(pugi::xml_node node)
{
    std::string out;
    for (pugi::xml_node child : node.children()) {
        out += child.name();
        for (auto a : child.attributes())
            out += std::string(" ") + a.name() + "=" + a.value();
        out += "|" + std::string(child.value()) + "\n" + Describe(child);
    }
    return out;
}

const std::string kSearchDocument =
    "<GUIPANEL>"
    "<A><B><BUTTONLIST id='deep'/></B></A>"
    "<BUTTONLIST id='shallow'/>"
    "<BUTTON id='1'><BUTTON id='2'/></BUTTON><BUTTON id='3'/>"
    "</GUIPANEL>";

} // namespace

TEST_F(SkinTest, Utf16WithBomAsciiAndUtf16WithoutBomGiveTheSameTree)
{
    const std::string ascii = "<?xml version='1.0'?><!-- c --><ITEMLIST a=' x &amp; y '><T>  text\r\n</T></ITEMLIST>";
    const std::u16string wide(ascii.begin(), ascii.end());
    XmlDocument plain, withBom, withoutBom;
    ASSERT_TRUE(plain.LoadBytes({ascii.begin(), ascii.end()}));
    ASSERT_TRUE(withBom.LoadBytes(Utf16Le(wide, true)));
    ASSERT_TRUE(withoutBom.LoadBytes(Utf16Le(wide, false)));
    EXPECT_EQ(Describe(plain.Root()), Describe(withBom.Root()));
    EXPECT_EQ(Describe(plain.Root()), Describe(withoutBom.Root()));

    // Values exactly as written: no entity expansion, no trimming, no line-end folding.
    const pugi::xml_node list = FindFirst(plain.Root(), "ITEMLIST");
    EXPECT_EQ(AttributeValue(list, "a"), u" x &amp; y ");
    EXPECT_EQ(ElementText(FindFirst(list, "T")), u"  text\r\n");
}

TEST_F(SkinTest, EightBitTextIsWidenedByteByByte)
{
    const std::string latin = "<A t='\xE9\xFF'>\xC3\xA9</A>";
    XmlDocument document;
    ASSERT_TRUE(document.LoadBytes({latin.begin(), latin.end()}));
    const pugi::xml_node a = FindFirst(document.Root(), "A");
    EXPECT_EQ(AttributeValue(a, "t"), u"\u00E9\u00FF");
    EXPECT_EQ(ElementText(a), u"\u00C3\u00A9");
}

TEST_F(SkinTest, LargeUtf16DocumentIsReadWhole)
{
    std::u16string text = u"<ITEMLIST>";
    for (int i = 0; i < 3000; ++i)
        text += u"<E v='\u0416" + std::u16string(1, char16_t(u'a' + i % 26)) + u"'/>";
    text += u"<LAST/></ITEMLIST>";
    const auto bytes = Utf16Le(text, true);
    ASSERT_GT(bytes.size(), 64u * 1024);
    std::ofstream(Folder("xml/Big.xml"), std::ios::binary).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));

    XmlDocument document;
    ASSERT_TRUE(document.Load(u"Big.xml"));
    const auto all = FindAll(document.Root(), "E");
    ASSERT_EQ(all.size(), 3000u);
    EXPECT_EQ(AttributeValue(all[2999], "v"), u"\u0416" + std::u16string(1, char16_t(u'a' + 2999 % 26)));
    EXPECT_TRUE(FindFirst(document.Root(), "LAST"));
}

TEST_F(SkinTest, LoadFailsForMissingEmptyOutsideAndUnparsableDocuments)
{
    WriteDocument("Empty.xml", "");
    WriteDocument("Garbage.xml", "just words");
    std::filesystem::create_directory(Folder("xml/Folder.xml"));
    XmlDocument document;
    const std::u16string_view names[] = {u"Missing.xml",   u"Empty.xml", u"Garbage.xml", u"../lang/english.txt",
                                         u"/etc/hostname", u"",          u"sub\\..\\..\\x.xml", u"Folder.xml"};
    for (std::size_t i = 0; i < std::size(names); ++i)
        EXPECT_FALSE(document.Load(names[i])) << "case " << i;
    // A broken document keeps what was parsed before the fault.
    WriteDocument("Broken.xml", "<ITEMLIST><FONTLIST><FONT name='x'/><BROKEN");
    ASSERT_TRUE(document.Load(u"Broken.xml"));
    EXPECT_TRUE(FindFirst(document.Root(), "FONT"));
}

TEST_F(SkinTest, SearchesAreDepthFirstInDocumentOrder)
{
    XmlDocument document;
    ASSERT_TRUE(document.LoadBytes({kSearchDocument.begin(), kSearchDocument.end()}));
    const pugi::xml_node panel = FindFirst(document.Root(), "GUIPANEL");
    EXPECT_EQ(AttributeValue(FindFirst(panel, "BUTTONLIST"), "id"), u"deep");
    EXPECT_FALSE(FindFirst(FindFirst(panel, "BUTTONLIST"), "BUTTONLIST")); // itself not considered
    EXPECT_FALSE(FindFirst(panel, "buttonlist"));

    std::u16string order;
    for (auto button : FindAll(panel, "BUTTON"))
        order += AttributeValue(button, "id");
    EXPECT_EQ(order, u"123");
    EXPECT_TRUE(FindAll(panel, "PROFBUTTON").empty());
}

TEST_F(SkinTest, AttributeQueriesAndElementText)
{
    const std::string text = "<E b='2' a='1' b='3'>" + std::string(600, 'x') + "<![CDATA[skip]]></E><F><![CDATA[c]]>t</F>";
    XmlDocument document;
    ASSERT_TRUE(document.LoadBytes({text.begin(), text.end()}));
    const pugi::xml_node e = FindFirst(document.Root(), "E");
    EXPECT_EQ(AttributeCount(e), 3);
    EXPECT_EQ(HasAttribute(e, "a"), 1);
    EXPECT_EQ(HasAttribute(e, "c"), -1);
    EXPECT_EQ(AttributeValue(e, "b"), u"2");
    EXPECT_EQ(AttributeValue(e, "c"), u"");
    EXPECT_EQ(AttributeAt(e, 2), (std::pair<std::u16string, std::u16string>(u"b", u"3")));
    EXPECT_EQ(AttributeAt(e, 3), (std::pair<std::u16string, std::u16string>()));
    EXPECT_EQ(ElementText(e), std::u16string(kMaxElementText, u'x'));
    EXPECT_EQ(ElementText(FindFirst(document.Root(), "F")), u"t");
    EXPECT_EQ(ElementText(pugi::xml_node()), u"");
}

TEST(XmlQueries, IntegerRule)
{
    struct Case {
        std::u16string_view text;
        int value;
    };
    const Case cases[] = {
        {u"", 0},     {u"abc", 0},  {u" 12", 12},   {u"12px", 12},       {u"-7", -7},
        {u"+5", 5},   {u"\t 3 4", 3}, {u"- 3", 0},  {u"99999999999", 2147483647},
        {u"-99999999999", -2147483647 - 1},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ReadInt(c.text), c.value) << std::string(c.text.begin(), c.text.end());
    EXPECT_EQ(AttributeInt(pugi::xml_node(), "left"), 0);
    EXPECT_EQ(Trimmed(u" \t a b \r\n"), u"a b");
}
