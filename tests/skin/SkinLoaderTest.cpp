#include "SkinTestFolder.h"

#include "skin/CBitmapItem.h"
#include "skin/CFontItem.h"
#include "skin/CGUIItemList.h"
#include "skin/Colour.h"
#include "skin/ItemKind.h"
#include "skin/ItemText.h"
#include "skin/Language.h"
#include "skin/SkinIds.h"
#include "skin/SkinLoader.h"
#include "skin/buttons/CBitmapBtn.h"
#include "skin/edit/CEditItem.h"
#include "skin/edit/CMacroDisplayItem.h"
#include "skin/lists/CDropdownListItem.h"
#include "skin/lists/CListPanelItem.h"
#include "skin/sliders/CPHSlider.h"
#include "skin/sliders/CSliderHMulti.h"
#include "skin/stages/CDPIStageWindow.h"
#include "skin/text/CBitmapWindow.h"
#include "skin/text/CTextItem.h"

#include <QWidget>

#include <limits>
#include <string>
#include <utility>
#include <vector>

using namespace quor::skin;
using quor::skin::test::SkinTest;

namespace {

using IdKind = std::pair<int, int>;

std::vector<IdKind> IdsAndKinds(const CGUIItemList& list)
{
    std::vector<IdKind> out;
    for (const auto& item : list)
        out.emplace_back(item->m_id, item->m_kind);
    return out;
}

int Id(std::u16string_view name)
{
    return IdFromName(name);
}

} // namespace

TEST(SkinIds, TablesIgnoreCase)
{
    EXPECT_EQ(IdFromName(u"BUTTON_OK"), 8);
    EXPECT_EQ(IdFromName(u"button_ok"), 8);
    EXPECT_EQ(IdFromName(u"BACKGROUND"), 0);
    EXPECT_EQ(IdFromName(u"LANGUAGE_DEFAULT"), 314);
    EXPECT_EQ(IdFromName(u"language_japanese"), 322);
    EXPECT_EQ(IdFromName(u"BITMAPWIN_ASSIGNKEY"), 324);
    EXPECT_EQ(IdFromName(u"LISTPANEL_ASSIGNSUBMENU_DPI"), 342);
    EXPECT_EQ(IdFromName(u"BUTTON_OK "), -1);
    EXPECT_EQ(IdFromName(u""), -1);
    EXPECT_EQ(NameFromId(11), u"");
    int named = 0;
    for (int id = 0; id < kIdCount; ++id)
        named += NameFromId(id).empty() ? 0 : 1;
    EXPECT_EQ(named, 341);

    EXPECT_EQ(ColourFromName(u"midGrey"), RGB(95, 95, 95));
    EXPECT_EQ(ColourFromName(u"GREEN2"), RGB(1, 116, 6));
    EXPECT_EQ(ColourFromName(u"PINK"), -1);
    EXPECT_EQ(ColumnNameFromName(u"lcitem_mcrevent_descrip"), 5);
    EXPECT_EQ(ColumnTypeFromName(u"FileDialog"), 5);
    EXPECT_EQ(ColumnTypeFromName(u"LIST"), -1);
}

TEST_F(SkinTest, EveryElementKindLoadsInTheFixedListOrder)
{
    QWidget owner;
    CGUIItemList list;
    LoadSkinDocument(u"AllKinds.xml", list, &owner);

    // The ITEMLIST outside GUIPANEL is not read; second PROFBUTTON, AVIBUTTON and MACRODISPLAY
    // are ignored; the stage window with an unknown name adds nothing but counts its position.
    const std::vector<IdKind> expected{
        {0, kKindPanelBitmap},
        {1, kKindPanelBitmap},
        {Id(u"FONT_ARIAL12"), kKindFont},
        {Id(u"FONT_ARIAL14"), kKindFont},
        {Id(u"BITMAP_FEROVI"), kKindBitmapItem},
        {Id(u"BITMAP_QUORVIEWPLAN"), kKindBitmapItem},
        {Id(u"BITMAPWIN_ASSIGNKEY"), kKindBitmapWindow},
        {Id(u"BUTTON_OK"), kKindButton},
        {Id(u"BUTTON_PROFILE01"), kKindProfileButton},
        {Id(u"BUTTON_AVI"), kKindAviButton},
        {Id(u"SLIDER_ID_SPEED"), kKindVertSlider},
        {Id(u"SLIDER_DPI_MULTI"), kKindSliderMulti},
        {Id(u"SLIDER_APM_MULTI"), kKindApmSlider},
        {Id(u"SLIDER_SCROLL"), kKindMarker},
        {Id(u"TEXT_PROFILENAME"), kKindText},
        {Id(u"DPISTAGEWINDOW_01"), kKindStageWindow},
        {Id(u"DPISTAGEWINDOW_03"), kKindStageWindow},
        {Id(u"MACRO_DISPLAY"), kKindMacroDisplay},
        {Id(u"LIST_PROFILELIST"), kKindListCtrl},
        {Id(u"BUTTON_ASSIGN"), kKindCombo},
        {Id(u"LISTPANEL_PROFILEOPTIONS"), kKindListPanel},
        {Id(u"EDITCTRL_POPUP_NAMEENTRY"), kKindEdit},
        {Id(u"EDITCTRL_POPUP_SINGLEKEYENTRY"), kKindEditSingleKey},
    };
    EXPECT_EQ(IdsAndKinds(list), expected);

    auto* track = FindItem<CBitmapItem>(list, Id(u"BITMAP_FEROVI"), kKindBitmapItem);
    ASSERT_TRUE(track);
    EXPECT_EQ(track->m_window, nullptr) << "bitmap items are found by id only";
    EXPECT_EQ(track->m_owner, &owner);
    EXPECT_EQ(*track->m_rect, (ItemRect{4, 4, 36, 24}));
    EXPECT_TRUE(track->isVisible() || !owner.isVisible());
    EXPECT_FALSE(FindItemById(list, Id(u"BITMAP_QUORVIEWPLAN"))->m_owner == nullptr);
    EXPECT_FALSE(dynamic_cast<QWidget*>(FindItemById(list, Id(u"BITMAP_QUORVIEWPLAN")))->isEnabled());
    EXPECT_TRUE(track->isEnabled());

    // A button that names a bitmap item written after it becomes its child and is owned by it.
    auto* ok = FindItem<CBitmapBtn>(list, 8, kKindButton);
    ASSERT_TRUE(ok);
    EXPECT_EQ(ok->parentWidget(), track);
    EXPECT_EQ(ok->m_owner, track);
    EXPECT_EQ(ok->m_window, ok);
    EXPECT_EQ(*ok->m_rect, (ItemRect{10, 20, 40, 60}));
    EXPECT_EQ(ok->geometry(), QRect(10, 20, 30, 40));
    EXPECT_EQ(ok->m_bitmaps[kStateNormal].size(), QSize(5, 4)) << "cut to BMPSZ";
    EXPECT_EQ(ok->m_captionColours[kStateNormal], RGB(255, 0, 0));
    EXPECT_EQ(ok->m_captionColours[kStateOver], 0);
    EXPECT_TRUE(ok->m_isCheckBox);
    EXPECT_EQ(ok->m_caption, u"Okay\r\nnow\\nthen") << "the first backslash-n breaks the line";
    EXPECT_EQ(ok->toolTip(), QStringLiteral("Press here"));
    EXPECT_EQ(ok->m_font, FindItemById(list, Id(u"FONT_ARIAL12")));

    // A text that names a check box listed after it is linked to it.
    auto* text = FindItem<CTextItem>(list, Id(u"TEXT_PROFILENAME"), kKindText);
    ASSERT_TRUE(text);
    EXPECT_EQ(text->m_checkBox, ok);
    EXPECT_EQ(text->parentWidget(), track);
    EXPECT_EQ(text->m_text, u"$SingleKey") << "no language: shown as written, case unchanged";
    EXPECT_EQ(text->m_format, DT_CENTER | DT_SINGLELINE | DT_VCENTER);
    EXPECT_EQ(text->m_colour, RGB(0, 255, 0));

    auto* slider = FindItem<CSliderHMulti>(list, Id(u"SLIDER_DPI_MULTI"), kKindSliderMulti);
    ASSERT_TRUE(slider);
    EXPECT_EQ(slider->parentWidget(), track);
    EXPECT_EQ(slider->m_owner, track);
    ASSERT_EQ(slider->Handles().size(), 5u) << "seven stages give five handles";
    EXPECT_EQ(slider->Handles()[0]->m_id, Id(u"BUTTON_DPI_STAGE1"));
    EXPECT_EQ(slider->Handles()[0]->m_kind, kKindSliderHandle);
    EXPECT_EQ(slider->Handles()[0]->toolTip(), QStringLiteral("one"));
    EXPECT_EQ(slider->Handles()[2]->m_id, -1);
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(slider->Handles()[i]->Position(), 3 + i);
        EXPECT_FALSE(slider->Handles()[i]->m_interactive);
        EXPECT_EQ(slider->Handles()[i]->size(), QSize(6, 10));
    }
    EXPECT_EQ(slider->LeftOffset(), 2);
    EXPECT_EQ(slider->RightOffset(), 3);
    EXPECT_EQ(FindItemById(list, Id(u"BUTTON_DPI_STAGE1")), nullptr) << "handles are not in the list";

    auto* stage3 = FindItem<CDPIStageWindow>(list, Id(u"DPISTAGEWINDOW_03"), kKindStageWindow);
    auto* stage1 = FindItem<CDPIStageWindow>(list, Id(u"DPISTAGEWINDOW_01"), kKindStageWindow);
    ASSERT_TRUE(stage1 && stage3);
    EXPECT_EQ(stage1->Position(), 1);
    EXPECT_EQ(stage3->Position(), 3);
    EXPECT_EQ(stage1->Bitmaps().size(), 1u);
    EXPECT_EQ(stage1->m_heading, u"Stage\r\n1");
    EXPECT_EQ(stage1->Labels().count(u"DPI"), 1u);

    auto* display = FindItem<CMacroDisplayItem>(list, Id(u"MACRO_DISPLAY"), kKindMacroDisplay);
    ASSERT_TRUE(display);
    EXPECT_EQ(display->m_window, nullptr);
    ASSERT_EQ(display->Columns().size(), 2u);
    EXPECT_EQ(display->Columns()[1].width, 100 - 2 * 12) << "reduced by twice bdrwidth as written";
    EXPECT_EQ(display->Columns()[1].alignment, DT_CENTER);
    EXPECT_EQ(display->Colours().borderWidth, 1) << "12 is out of range for the border";
    EXPECT_NE(display->ScrollBar(), nullptr);
    EXPECT_TRUE(display->m_readOnly);
    EXPECT_EQ(display->m_max, 50);

    auto* combo = FindItem<CDropdownListItem>(list, Id(u"BUTTON_ASSIGN"), kKindCombo);
    ASSERT_TRUE(combo);
    EXPECT_EQ(*combo->m_rect, (ItemRect{1, 2, 51, 16}));
    EXPECT_EQ(combo->m_listHeight, 80);
    EXPECT_EQ(combo->Entries().size(), 2u);
    EXPECT_EQ(combo->m_colours.disabledBack, RGB(95, 95, 95));
    EXPECT_EQ(combo->m_colours.borderWidth, 1);

    auto* panel = FindItem<CListPanelItem>(list, Id(u"LISTPANEL_PROFILEOPTIONS"), kKindListPanel);
    ASSERT_TRUE(panel);
    EXPECT_EQ(panel->m_entries.size(), 2u);
    EXPECT_EQ(panel->m_width, 50);

    auto* edit = FindItem<CEditItem>(list, Id(u"EDITCTRL_POPUP_NAMEENTRY"), kKindEdit);
    ASSERT_TRUE(edit);
    EXPECT_EQ(edit->m_window, nullptr);
    EXPECT_EQ(edit->Colours().text, RGB(255, 0, 0));
    EXPECT_EQ(edit->Colours().borderWidth, 3);
    EXPECT_EQ(edit->maxLength(), 20);
    EXPECT_EQ(edit->Font(), FindItemById(list, Id(u"FONT_ARIAL12")));
}

TEST_F(SkinTest, FailingElementsAddNothingAndLaterLookupsStillWork)
{
    QWidget owner;
    CGUIItemList list;
    LoadSkinDocument(u"Rules.xml", list, &owner);
    const std::vector<IdKind> expected{
        {Id(u"FONT_ARIAL10"), kKindFont},
        {Id(u"BITMAP_SENSWINDOW2"), kKindBitmapItem},
        {Id(u"BITMAP_PROFILEWINDOW"), kKindBitmapWindow},
        {Id(u"BUTTON_EXIT"), kKindButton},
        {Id(u"BUTTON_OK"), kKindButton},
        {Id(u"TEXT_DPI1"), kKindText},
    };
    EXPECT_EQ(IdsAndKinds(list), expected);

    auto* bitmap = FindItemById(list, Id(u"BITMAP_SENSWINDOW2"));
    EXPECT_EQ(*bitmap->m_rect, ItemRect{}) << "a lower-case rect is not a RECT";
    auto* exit = FindItem<CBitmapBtn>(list, Id(u"BUTTON_EXIT"), kKindButton);
    ASSERT_TRUE(exit);
    EXPECT_EQ(exit->parentWidget(), &owner) << "windowid naming a text leaves the owner as parent";
    EXPECT_TRUE(exit->m_bitmaps[kStateNormal].isNull()) << "dynamic buttons take no bitmaps";
    auto* text = FindItem<CTextItem>(list, Id(u"TEXT_DPI1"), kKindText);
    ASSERT_TRUE(text);
    EXPECT_EQ(text->m_checkBox, nullptr) << "the named button is no check box";
    EXPECT_EQ(text->m_font, nullptr);
}

TEST_F(SkinTest, PanelDocumentsNeedBackgroundAndMask)
{
    struct Case {
        const char* document;
        std::size_t items;
    };
    const Case cases[] = {
        {"<GUIPANEL><MASK>mask.bmp</MASK><FONTLIST><FONT name='FONT_ARIAL10'/></FONTLIST></GUIPANEL>", 0},
        {"<GUIPANEL><BACKGROUND>missing.bmp</BACKGROUND><MASK>mask.bmp</MASK></GUIPANEL>", 0},
        {"<GUIPANEL><BACKGROUND>bg.bmp</BACKGROUND><FONTLIST><FONT name='FONT_ARIAL10'/></FONTLIST></GUIPANEL>", 1},
        {"<GUIPANEL><BACKGROUND>bg.bmp</BACKGROUND><MASK>mask.bmp</MASK><FONTLIST><FONT name='FONT_ARIAL10'/></FONTLIST></GUIPANEL>", 3},
        {"<X><Y><ITEMLIST><A><FONTLIST><FONT name='FONT_ARIAL10'/></FONTLIST></A></ITEMLIST></Y></X>", 1},
        {"<FONTLIST><FONT name='FONT_ARIAL10'/></FONTLIST>", 0},
        {"<ITEMLIST><FONTLIST><FONT name='FONT_ARIAL10'/><FONT name='FONT_ARIAL12'/><BROKEN", 2},
        {"\xFF\xFE<\0", 0},
    };
    for (const auto& c : cases) {
        WriteDocument("Case.xml", c.document);
        CGUIItemList list;
        LoadSkinDocument(u"Case.xml", list, nullptr);
        EXPECT_EQ(list.Size(), c.items) << c.document;
    }
    CGUIItemList list;
    LoadSkinDocument(u"NoSuchDocument.xml", list, nullptr);
    LoadSkinDocument(u"../lang/english.txt", list, nullptr);
    EXPECT_TRUE(list.Empty());
}

TEST_F(SkinTest, LanguageOverridesAndFontReplacementApplyToTheCurrentLanguageOnly)
{
    CGUIItemList languages;
    LoadSkinDocument(u"Language.xml", languages, nullptr);
    ASSERT_TRUE(LanguageFromMap(319) && LanguageFromMap(314));

    SetCurrentLanguage(LanguageFromMap(319));
    {
        QWidget owner;
        CGUIItemList list;
        LoadSkinDocument(u"Overrides.xml", list, &owner);
        auto* name = FindItem<CTextItem>(list, Id(u"TEXT_PROFILENAME"), kKindText);
        auto* dpi1 = FindItem<CTextItem>(list, Id(u"TEXT_DPI1"), kKindText);
        auto* dpi2 = FindItem<CTextItem>(list, Id(u"TEXT_DPI2"), kKindText);
        auto* ok = FindItem<CBitmapBtn>(list, 8, kKindButton);
        ASSERT_TRUE(name && dpi1 && dpi2 && ok);
        EXPECT_EQ(name->m_text, u"EINZELNE TASTE");
        EXPECT_EQ(name->m_format, DT_WORDBREAK) << "multiline from the language";
        EXPECT_EQ(name->m_font, FindItemById(list, Id(u"FONT_ARIAL14"))) << "FONT_ARIAL12 replaced";
        EXPECT_EQ(dpi2->m_font, FindItemById(list, Id(u"FONT_ARIAL16"))) << "the item's own override wins";
        EXPECT_EQ(*dpi1->m_rect, (ItemRect{1, 2, 4, 6}));
        EXPECT_EQ(dpi1->m_text, u"NotAKey") << "caps applies only to looked-up texts";
        // SBMN from the language; SBMO's language file is missing, so the document's own is used.
        EXPECT_EQ(ok->m_bitmaps[kStateNormal].toImage().pixel(0, 0), QColor(Qt::green).rgb());
        EXPECT_EQ(ok->m_bitmaps[kStateOver].toImage().pixel(0, 0), QColor(Qt::green).rgb());
        EXPECT_EQ(ok->m_bitmaps[kStateDown].toImage().pixel(0, 0), QColor(Qt::blue).rgb());
    }
    SetCurrentLanguage(LanguageFromMap(314));
    {
        QWidget owner;
        CGUIItemList list;
        LoadSkinDocument(u"Overrides.xml", list, &owner);
        auto* name = FindItem<CTextItem>(list, Id(u"TEXT_PROFILENAME"), kKindText);
        ASSERT_TRUE(name);
        EXPECT_EQ(name->m_text, u"SINGLE KEY");
        EXPECT_EQ(name->m_format, 0);
        EXPECT_EQ(name->m_font, FindItemById(list, Id(u"FONT_ARIAL12")));
        EXPECT_EQ(*FindItemById(list, Id(u"TEXT_DPI1"))->m_rect, (ItemRect{10, 20, 40, 60}));
    }
}

TEST_F(SkinTest, MacroDisplayBorderReductionSaturatesForHugeBorderWidths)
{
    struct Case {
        const char* bdrwidth;
        int width;
    };
    const Case cases[] = {
        {"2000000000", std::numeric_limits<int>::min()},
        {"-2000000000", std::numeric_limits<int>::max()},
        {"40", 100 - 80},
    };
    for (const auto& c : cases) {
        WriteDocument("Case.xml", std::string("<ITEMLIST><MACRODISPLAY name='MACRO_DISPLAY' bdrwidth='") + c.bdrwidth +
                                      "'><LISTCOLUMN name='LCITEM_MCREVENT_DESCRIP' type='STATIC' width='100'/>"
                                      "</MACRODISPLAY></ITEMLIST>");
        QWidget owner;
        CGUIItemList list;
        LoadSkinDocument(u"Case.xml", list, &owner);
        auto* display = FindItem<CMacroDisplayItem>(list, Id(u"MACRO_DISPLAY"), kKindMacroDisplay);
        ASSERT_TRUE(display) << c.bdrwidth;
        ASSERT_EQ(display->Columns().size(), 1u);
        EXPECT_EQ(display->Columns()[0].width, c.width) << c.bdrwidth;
    }
}

TEST_F(SkinTest, ItemsOfADocumentWithoutOwnerOpenNoWindows)
{
    WriteDocument("Case.xml", "<ITEMLIST><BITMAPLIST><BITMAPITEM name='BITMAP_FEROVI'><SBMN>small.bmp</SBMN></BITMAPITEM>"
                              "</BITMAPLIST><BUTTONLIST><BUTTON name='BUTTON_OK' dynamic='1'/></BUTTONLIST></ITEMLIST>");
    CGUIItemList list;
    LoadSkinDocument(u"Case.xml", list, nullptr);
    ASSERT_EQ(list.Size(), 2u);
    for (const auto& item : list)
        EXPECT_FALSE(dynamic_cast<QWidget*>(item.get())->isVisible()) << item->m_id;
}

TEST_F(SkinTest, SliderHandlesRestAtTheTopOfTheirSliderAtPositionsThreeToSeven)
{
    WriteDocument("Case.xml", "<ITEMLIST><BITMAPLIST><BITMAPITEM name='BITMAP_FEROVI'><RECT right='200' bottom='40'/>"
                              "<SBMN>track.png</SBMN></BITMAPITEM></BITMAPLIST><SLIDERLIST>"
                              "<HSLIDERM name='SLIDER_DPI_MULTI' trackid='BITMAP_FEROVI'><RECT right='124' bottom='30'/>"
                              "<SBMN>handle.bmp</SBMN><STAGES><STAGE>BUTTON_DPI_STAGE1</STAGE><STAGE>BUTTON_DPI_STAGE2</STAGE>"
                              "</STAGES></HSLIDERM></SLIDERLIST></ITEMLIST>");
    QWidget owner;
    CGUIItemList list;
    LoadSkinDocument(u"Case.xml", list, &owner);
    auto* slider = FindItem<CSliderHMulti>(list, Id(u"SLIDER_DPI_MULTI"), kKindSliderMulti);
    ASSERT_TRUE(slider);
    ASSERT_EQ(slider->Handles().size(), 2u);
    // Range 1 to 32 over 124 pixels: 4 pixels a unit; the 6-pixel handle is centred on its point.
    EXPECT_EQ(slider->Handles()[0]->geometry(), QRect(2 * 4 - 3, 0, 6, 10));
    EXPECT_EQ(slider->Handles()[1]->geometry(), QRect(3 * 4 - 3, 0, 6, 10));
}
