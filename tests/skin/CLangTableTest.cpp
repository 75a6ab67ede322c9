#include "SkinTestFolder.h"

#include "skin/CGUIItemList.h"
#include "skin/CLangTable.h"
#include "skin/ItemKind.h"
#include "skin/Language.h"
#include "skin/SkinIds.h"
#include "skin/SkinLoader.h"

#include <memory>

using namespace quor::skin;
using quor::skin::test::SkinTest;

namespace {

std::unique_ptr<CLangTable> Parsed(std::u16string_view text)
{
    auto table = std::make_unique<CLangTable>();
    table->Parse(text);
    return table;
}

} // namespace

TEST(CLangTable, FiveLineFileGivesOneEntryFoundByKeyAndPrefix)
{
    auto table = Parsed(u"\uFEFFTitle\r\nheader\r\nSingle Key\r\nEinzelne Taste\r\nEND OF FILE\r\n");
    EXPECT_EQ(table->Title(), u"\uFEFFTitle");
    EXPECT_EQ(table->EntryCount(), 1);
    for (std::u16string_view text : {u"$SingleKey", u"$singlekey", u"#Single", u"#sINGLEk"})
        EXPECT_EQ(table->LookUp(text), u"Einzelne Taste");
    for (std::u16string_view text : {u"$Single Key", u"$SingleKeys", u"#Keys", u"SingleKey", u""})
        EXPECT_FALSE(table->LookUp(text));
}

TEST(CLangTable, LineRules)
{
    struct Case {
        const char* what;
        std::u16string_view file;
        int entries;
        std::u16string_view key;
        std::optional<std::u16string> text;
    };
    const Case cases[] = {
        {"blank lines do not shift pairs", u"T\r\nh\r\n\r\nA\r\n\r\n\r\nalpha\r\n\n\rB\r\nbeta", 2, u"$B", u"beta"},
        {"last line without line end", u"T\rh\rA\ralpha text", 1, u"$A", u"alpha text"},
        {"lower-case end of file", u"T\rh\rA\ralpha\rend of file\rB\rbeta", 1, u"$B", std::nullopt},
        {"end of file as a key line", u"T\rh\rEND OF FILE\rX\rB\rbeta", 0, u"$B", std::nullopt},
        {"key before end of file gets no text", u"T\rh\rA\rEnd Of File\r", 0, u"$A", std::nullopt},
        {"line feeds do not end lines; keys compare up to one", u"T\rh\rA\nB\rtext", 1, u"$A", u"text"},
        {"unknown keys fail", u"T\rh\rA\ralpha", 1, u"$Z", std::nullopt},
        {"case folding beyond ASCII", u"T\rh\r\u00C9t\u00C9\r\u0416", 1, u"$\u00E9T\u00E9", u"\u0416"},
    };
    for (const auto& c : cases) {
        auto table = Parsed(c.file);
        EXPECT_EQ(table->EntryCount(), c.entries) << c.what;
        EXPECT_EQ(table->LookUp(c.key), c.text) << c.what;
    }
}

TEST(CLangTable, KeysAreComparedOverTheirFirst59Units)
{
    const std::u16string key(70, u'k');
    auto table = Parsed(u"T\rh\r" + key + u"\rlong\r" + std::u16string(u"a b c") + u"\rspaced");
    EXPECT_EQ(table->LookUp(u"$" + key.substr(0, 59)), u"long");
    EXPECT_FALSE(table->LookUp(u"$" + key.substr(0, 60)));
    EXPECT_FALSE(table->LookUp(u"$" + key));
    EXPECT_FALSE(table->LookUp(u"$" + key.substr(0, 58)));
    EXPECT_EQ(table->LookUp(u"$abc"), u"spaced");
}

TEST(CLangTable, DestroyedTableLeavesMapAndCurrentLanguage)
{
    auto table = Parsed(u"T\rh\rA\ralpha");
    SetLanguageInMap(kIdLanguageDefault, table.get());
    SetCurrentLanguage(table.get());
    EXPECT_EQ(LookUpText(u"$A"), u"alpha");
    EXPECT_EQ(TranslatedText(u"$Missing"), u"$Missing");
    table.reset();
    EXPECT_EQ(LanguageFromMap(kIdLanguageDefault), nullptr);
    EXPECT_EQ(CurrentLanguage(), nullptr);
    EXPECT_FALSE(LookUpText(u"$A"));
    EXPECT_EQ(ReplaceFont(228), 228);
}

TEST_F(SkinTest, LanguageDocumentFillsTheMapWithOverridesAndFontReplacements)
{
    CGUIItemList list;
    LoadSkinDocument(u"Language.xml", list, nullptr);
    // Default and German load; French's file is missing, Korean's file lies outside lang/, and
    // the last name is not an id.
    ASSERT_EQ(list.Size(), 2u);
    CLangTable* english = LanguageFromMap(kIdLanguageDefault);
    CLangTable* german = LanguageFromMap(319);
    ASSERT_TRUE(english && german);
    EXPECT_EQ(LanguageFromMap(317), nullptr);
    EXPECT_EQ(LanguageFromMap(320), nullptr);
    EXPECT_EQ(german->m_kind, kKindLanguage);
    EXPECT_EQ(german->m_window, nullptr);

    EXPECT_EQ(german->Title(), u"\uFEFFDeutsch");
    EXPECT_EQ(german->LookUp(u"$Macro"), u"Makro");
    EXPECT_FALSE(german->LookUp(u"$AfterEnd"));

    SetCurrentLanguage(german);
    EXPECT_EQ(ReplaceFont(IdFromName(u"FONT_ARIAL12")), IdFromName(u"FONT_ARIAL14"));
    EXPECT_EQ(ReplaceFont(IdFromName(u"FONT_ARIAL16")), IdFromName(u"FONT_ARIAL16"));

    const int text = IdFromName(u"TEXT_PROFILENAME");
    const auto* multiline = FindOverride(text, u"MULTILINE");
    ASSERT_TRUE(multiline);
    EXPECT_EQ(std::get<std::u16string>(*multiline), u"1");
    EXPECT_FALSE(FindOverride(text, u"caps")) << "a three-attribute override is ignored";
    const auto* caps = FindOverride(IdFromName(u"TEXT_PROFILEINFO"), u"caps");
    ASSERT_TRUE(caps) << "the name attribute is recognised regardless of case";
    EXPECT_EQ(std::get<std::u16string>(*caps), u"L");
    const auto* rect = FindOverride(IdFromName(u"TEXT_DPI1"), u"RECT");
    ASSERT_TRUE(rect);
    EXPECT_EQ(std::get<ItemRect>(*rect), (ItemRect{1, 2, 3, 4}));
    const auto* bitmap = FindOverride(IdFromName(u"BUTTON_OK"), u"SBMN");
    ASSERT_TRUE(bitmap);
    EXPECT_EQ(std::get<std::u16string>(*bitmap), u"btn_o.bmp");
    EXPECT_FALSE(FindOverride(IdFromName(u"BUTTON_OK"), u"SBMD"));

    SetCurrentLanguage(english);
    EXPECT_FALSE(FindOverride(text, u"multiline"));
    EXPECT_EQ(LookUpText(u"$SingleKey"), u"Single key");
}
