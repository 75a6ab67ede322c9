#include "skin/SkinLoader.h"

#include "platform/keyboard/Keyboard.h"
#include "platform/system/TextCase.h"
#include "platform/win/MaskRegion.h"
#include "platform/win/WindowApi.h"
#include "skin/CBitmapItem.h"
#include "skin/CFontItem.h"
#include "skin/CLangTable.h"
#include "skin/CPanelBitmap.h"
#include "skin/CResourceCache.h"
#include "skin/ItemKind.h"
#include "skin/ItemText.h"
#include "skin/Language.h"
#include "skin/PrivateCopy.h"
#include "skin/SkinIds.h"
#include "skin/XmlDocument.h"
#include "skin/XmlQueries.h"
#include "skin/buttons/CAVIButton.h"
#include "skin/buttons/CBitmapBtn.h"
#include "skin/buttons/CProfileBtn.h"
#include "skin/edit/CEditItem.h"
#include "skin/edit/CEditItemSingleKeyInput.h"
#include "skin/edit/CMacroDisplayItem.h"
#include "skin/lists/CDropdownListItem.h"
#include "skin/lists/CListPanelItem.h"
#include "skin/lists/CXListCtrl.h"
#include "skin/sliders/CAPMSlider.h"
#include "skin/sliders/CDMarker.h"
#include "skin/sliders/CPHSlider.h"
#include "skin/sliders/CSliderHMulti.h"
#include "skin/sliders/CVertSlider.h"
#include "skin/stages/CDPIStageWindow.h"
#include "skin/text/CBitmapWindow.h"
#include "skin/text/CTextItem.h"
#include "skin/text/CVScrollBar.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <limits>
#include <memory>
#include <optional>
#include <tuple>
#include <utility>

namespace quor::skin {

namespace {

// The positions the handles of a multi-handle slider start at, in STAGE order.
constexpr std::array<int, kMaxSliderHandles> kHandleStartPositions{3, 4, 5, 6, 7};
// Language bitmap override names are cut to this many units.
constexpr std::size_t kMaxOverrideFileName = 255;
// Macro display row icons are this many pixels square.
constexpr int kMacroIconSide = 18;

constexpr std::array<const char*, 4> kStateElements{"SBMN", "SBMO", "SBMD", "SBMDS"};
constexpr std::array<const char*, kIconCount> kMacroIconElements{
    "MDBMP_KEYDN", "MDBMP_KEYUP", "MDBMP_CLKON", "MDBMP_CLKOFF", "MDBMP_MSEON", "MDBMP_MSEOFF"};

// Whether an attribute's value may be replaced per language.
enum class Overridable { No, Yes };

QPixmap OwnCopy(const QImage* image)
{
    return image ? MakePrivateCopy(*image, image->width(), image->height()) : QPixmap();
}

std::u16string Widen(const char* ascii)
{
    return std::u16string(ascii, ascii + std::char_traits<char>::length(ascii));
}

class Loader {
public:
    Loader(CGUIItemList& list, QWidget* owner) : m_list(list), m_owner(owner) {}

    void Load(const XmlDocument& document);

private:
    // Common parts of an item element.
    int ItemId(pugi::xml_node element) const { return IdFromName(AttributeValue(element, "name")); }
    ItemRect Rect(pugi::xml_node element, int id, Overridable overridable) const;
    std::u16string Attribute(pugi::xml_node element, int id, const char* name, Overridable overridable) const;
    bool Multiline(pugi::xml_node element, int id) const;
    const CFontItem* Font(pugi::xml_node element, int id) const;
    void Colour(pugi::xml_node element, const char* name, int32_t& colour) const;
    void Colours(pugi::xml_node element, ItemColours& colours) const;
    bool Flag(pugi::xml_node element, const char* name) const { return AttributeInt(element, name) != 0; }
    const QImage* Picture(pugi::xml_node element, const char* child) const;
    const QImage* DeviceBitmap(pugi::xml_node element, const char* child) const;
    ScrollBarBitmaps ScrollBar(pugi::xml_node element) const;
    // Copies of a first bitmap and of a second one that is read only when the first loads.
    std::pair<QPixmap, QPixmap> BitmapPair(pugi::xml_node element, const char* first, const char* second,
                                           ResourceKind kind) const;
    // The LISTCOLUMN children, or nothing when one of them is invalid or there is none.
    std::optional<std::vector<ListColumn>> Columns(pugi::xml_node element, bool macroTypesOnly) const;
    template <class T>
    T* Referenced(pugi::xml_node element, const char* attribute, int kind) const
    {
        return FindItem<T>(m_list, IdFromName(AttributeValue(element, attribute)), kind);
    }

    // Adds a window item: geometry, item fields, control id, visible when it has a parent.
    template <class T>
    T* AddWindow(std::unique_ptr<T> item, int id, int kind, const ItemRect& rect, QWidget* owner,
                 bool recordWindow = true);

    void Lang(pugi::xml_node element);
    void Font(pugi::xml_node element);
    void BitmapItem(pugi::xml_node element);
    void BitmapWindow(pugi::xml_node element);
    void Button(pugi::xml_node element);
    void ProfileButton(pugi::xml_node element);
    void AviButton(pugi::xml_node element);
    void VertSlider(pugi::xml_node element);
    void SliderMulti(pugi::xml_node element);
    void ApmSlider(pugi::xml_node element);
    void Marker(pugi::xml_node element);
    void Text(pugi::xml_node element);
    void StageWindow(pugi::xml_node element, int position);
    void MacroDisplay(pugi::xml_node element);
    void ListCtrl(pugi::xml_node element);
    void Combo(pugi::xml_node element);
    void ListPanel(pugi::xml_node element);
    template <class T>
    void Edit(pugi::xml_node element, int kind);

    bool PanelBitmap(pugi::xml_node panel, const char* name, int id);

    CGUIItemList& m_list;
    QWidget* m_owner = nullptr;
};

ItemRect Loader::Rect(pugi::xml_node element, int id, Overridable overridable) const
{
    if (overridable == Overridable::Yes) {
        if (const auto* data = FindOverride(id, u"RECT")) {
            if (const auto* rect = std::get_if<ItemRect>(data))
                return ItemRect::FromPositionAndSize(rect->left, rect->top, rect->right, rect->bottom);
        }
    }
    const pugi::xml_node rect = FindFirst(element, "RECT");
    return ItemRect::FromPositionAndSize(AttributeInt(rect, "left"), AttributeInt(rect, "top"),
                                         AttributeInt(rect, "right"), AttributeInt(rect, "bottom"));
}

std::u16string Loader::Attribute(pugi::xml_node element, int id, const char* name, Overridable overridable) const
{
    if (overridable == Overridable::Yes) {
        if (const auto* data = FindOverride(id, Widen(name))) {
            if (const auto* text = std::get_if<std::u16string>(data))
                return *text;
        }
    }
    return AttributeValue(element, name);
}

bool Loader::Multiline(pugi::xml_node element, int id) const
{
    return ReadInt(Attribute(element, id, "multiline", Overridable::Yes)) == 1;
}

const CFontItem* Loader::Font(pugi::xml_node element, int id) const
{
    int fontId = IdFromName(AttributeValue(element, "fontid"));
    if (fontId < 0)
        return nullptr;
    const auto* override = FindOverride(id, u"fontid");
    const auto* overrideName = override ? std::get_if<std::u16string>(override) : nullptr;
    fontId = overrideName ? IdFromName(*overrideName) : ReplaceFont(fontId);
    return FindItem<CFontItem>(m_list, fontId, kKindFont);
}

void Loader::Colour(pugi::xml_node element, const char* name, int32_t& colour) const
{
    if (HasAttribute(element, name) < 0)
        return;
    const int32_t value = ColourFromName(AttributeValue(element, name));
    if (value != -1)
        colour = value;
}

void Loader::Colours(pugi::xml_node element, ItemColours& colours) const
{
    Colour(element, "fontclr", colours.text);
    Colour(element, "fontclrhi", colours.textHighlight);
    Colour(element, "backclr", colours.back);
    Colour(element, "backclrhi", colours.backHighlight);
    Colour(element, "bdrclr", colours.border);
    Colour(element, "disbbackclr", colours.disabledBack);
    Colour(element, "disbbdrclr", colours.disabledBorder);
    if (HasAttribute(element, "bdrwidth") >= 0) {
        const int width = AttributeInt(element, "bdrwidth");
        if (width >= kMinBorderWidth && width <= kMaxBorderWidth)
            colours.borderWidth = width;
    }
}

const QImage* Loader::Picture(pugi::xml_node element, const char* child) const
{
    const pugi::xml_node node = FindFirst(element, child);
    return node ? GetPicture(Trimmed(ElementText(node))) : nullptr;
}

const QImage* Loader::DeviceBitmap(pugi::xml_node element, const char* child) const
{
    const pugi::xml_node node = FindFirst(element, child);
    return node ? GetDeviceBitmap(Trimmed(ElementText(node))) : nullptr;
}

ScrollBarBitmaps Loader::ScrollBar(pugi::xml_node element) const
{
    ScrollBarBitmaps bitmaps;
    const pugi::xml_node bar = FindFirst(element, "VSCROLL");
    const QImage* thumb = bar ? Picture(bar, "VSBMP_TMB") : nullptr;
    if (!thumb)
        return bitmaps;
    bitmaps.thumb = OwnCopy(thumb);
    bitmaps.top = OwnCopy(Picture(bar, "VSBMP_TOP"));
    bitmaps.up = OwnCopy(Picture(bar, "VSBMP_AUP"));
    bitmaps.span = OwnCopy(Picture(bar, "VSBMP_SPN"));
    bitmaps.down = OwnCopy(Picture(bar, "VSBMP_ADN"));
    bitmaps.bottom = OwnCopy(Picture(bar, "VSBMP_BOT"));
    return bitmaps;
}

std::pair<QPixmap, QPixmap> Loader::BitmapPair(pugi::xml_node element, const char* first, const char* second,
                                               ResourceKind kind) const
{
    auto load = [&](const char* child) {
        return kind == ResourceKind::DeviceBitmap ? DeviceBitmap(element, child) : Picture(element, child);
    };
    const QImage* image = load(first);
    if (!image)
        return {};
    return {OwnCopy(image), OwnCopy(load(second))};
}

std::optional<std::vector<ListColumn>> Loader::Columns(pugi::xml_node element, bool macroTypesOnly) const
{
    std::vector<ListColumn> columns;
    for (const pugi::xml_node node : FindAll(element, "LISTCOLUMN")) {
        ListColumn column{ColumnNameFromName(AttributeValue(node, "name")),
                          ColumnTypeFromName(AttributeValue(node, "type")), AttributeInt(node, "width"),
                          AlignmentFromJustify(AttributeValue(node, "justify")), ElementText(node)};
        const bool typeAccepted = macroTypesOnly
                                      ? column.type == kColumnTypeIcon || column.type == kColumnTypeStatic
                                      : column.type >= 0;
        if (column.role < 0 || !typeAccepted || column.width == 0)
            return std::nullopt;
        columns.push_back(std::move(column));
    }
    if (columns.empty())
        return std::nullopt;
    return columns;
}

template <class T>
T* Loader::AddWindow(std::unique_ptr<T> item, int id, int kind, const ItemRect& rect, QWidget* owner,
                     bool recordWindow)
{
    item->setGeometry(rect.ToQRect());
    item->SetRect(rect.left, rect.top, rect.Width(), rect.Height());
    item->SetItem(id, kind, recordWindow ? item.get() : nullptr, owner);
    win::SetDlgCtrlID(item.get(), id);
    // Without a parent the window would become a top-level window of its own.
    if (item->parentWidget())
        item->show();
    T* raw = item.get();
    m_list.Append(std::move(item));
    return raw;
}

void Loader::Lang(pugi::xml_node element)
{
    const int id = ItemId(element);
    if (id < 0)
        return;
    const CResource* file = CResourceCache::Instance().GetResource(AttributeValue(element, "file"), ResourceKind::RawFile);
    if (!file->HasObject())
        return;
    auto table = std::make_unique<CLangTable>();
    table->Parse(CLangTable::WidenLittleEndian(file->m_bytes.data(), file->m_bytes.size()));

    for (const pugi::xml_node font : FindAll(element, "LANGFONT")) {
        const int search = IdFromName(AttributeValue(font, "fontsearch"));
        const int replace = IdFromName(AttributeValue(font, "fontreplace"));
        if (search >= 0 && replace >= 0)
            table->AddFontReplacement(search, replace);
    }

    for (const pugi::xml_node entry : FindAll(element, "LANGOVERRIDE")) {
        const int count = AttributeCount(entry);
        if (count == 2) {
            auto first = AttributeAt(entry, 0);
            auto second = AttributeAt(entry, 1);
            if (!system::EqualsNoCase(first.first, u"name"))
                std::swap(first, second);
            const int itemId = system::EqualsNoCase(first.first, u"name") ? IdFromName(first.second) : -1;
            if (itemId >= 0)
                table->AddOverride({itemId, second.first, second.second});
        } else if (count == 1 && HasAttribute(entry, "name") == 0) {
            const int itemId = IdFromName(AttributeValue(entry, "name"));
            if (itemId < 0)
                continue;
            if (const pugi::xml_node rect = FindFirst(entry, "RECT")) {
                table->AddOverride({itemId, u"RECT",
                                    ItemRect{AttributeInt(rect, "left"), AttributeInt(rect, "top"),
                                             AttributeInt(rect, "right"), AttributeInt(rect, "bottom")}});
                continue;
            }
            for (const char* state : kStateElements) {
                if (const pugi::xml_node bitmap = FindFirst(entry, state)) {
                    std::u16string file = Trimmed(ElementText(bitmap));
                    if (file.size() > kMaxOverrideFileName)
                        file.resize(kMaxOverrideFileName);
                    table->AddOverride({itemId, Widen(state), std::move(file)});
                }
            }
        }
    }

    table->SetItem(id, kKindLanguage, nullptr, m_owner);
    CLangTable* raw = table.get();
    m_list.Append(std::move(table));
    SetLanguageInMap(id, raw);
}

void Loader::Font(pugi::xml_node element)
{
    const int id = ItemId(element);
    if (id < 0)
        return;
    const std::u16string file = Trimmed(ElementText(element));
    if (!file.empty())
        CResourceCache::Instance().GetResource(file, ResourceKind::FontFile);
    m_list.Append(std::make_unique<CFontItem>(id, m_owner, AttributeValue(element, "typeface"),
                                              AttributeInt(element, "pitch"),
                                              AttributeInt(element, "boldlevel")));
}

void Loader::BitmapItem(pugi::xml_node element)
{
    const int id = ItemId(element);
    const QImage* bitmap = id < 0 ? nullptr : Picture(element, "SBMN");
    if (!bitmap)
        return;
    const ItemRect rect = Rect(element, id, Overridable::Yes);
    auto item = std::make_unique<CBitmapItem>(m_owner, rect, *bitmap, Picture(element, "SBMM"));
    // The mouse views only show; they must not take clicks from what lies over them.
    if (id == kIdBitmapQuorViewPlan || id == kIdBitmapQuorViewSide)
        item->setEnabled(false);
    AddWindow(std::move(item), id, kKindBitmapItem, rect, m_owner, false);
}

void Loader::BitmapWindow(pugi::xml_node element)
{
    const int id = ItemId(element);
    const QImage* inner = id < 0 ? nullptr : Picture(element, "SBMDS");
    if (!inner)
        return;
    const ItemRect rect = Rect(element, id, Overridable::Yes);
    auto window = std::make_unique<CBitmapWindow>(m_owner);
    window->setGeometry(rect.ToQRect());
    const QImage* mask = HasAttribute(element, "SBMM") >= 0 ? Picture(element, "SBMM") : nullptr;
    window->SetBitmaps(inner, Picture(element, "SBMN"), Picture(element, "SBMO"), Picture(element, "SBMD"), mask);
    Colour(element, "fontclr", window->m_colour);
    window->m_format = TextItemFormat(AttributeValue(element, "justify"), Multiline(element, id));
    window->m_font = Font(element, id);
    if (HasAttribute(element, "tooltip") >= 0)
        window->SetTooltip(AttributeValue(element, "tooltip"));
    AddWindow(std::move(window), id, kKindBitmapWindow, rect, m_owner);
}

void Loader::Button(pugi::xml_node element)
{
    const int id = ItemId(element);
    if (id < 0)
        return;
    const ItemRect rect = Rect(element, id, Overridable::Yes);
    const bool dynamic = Flag(element, "dynamic");
    const pugi::xml_node size = FindFirst(element, "BMPSZ");
    const int width = size && HasAttribute(size, "width") >= 0 ? AttributeInt(size, "width") : rect.Width();
    const int height = size && HasAttribute(size, "height") >= 0 ? AttributeInt(size, "height") : rect.Height();

    std::array<const QImage*, 4> states{};
    std::array<int32_t, 4> captionColours{};
    for (std::size_t state = 0; state < kStateElements.size(); ++state) {
        const pugi::xml_node node = FindFirst(element, kStateElements[state]);
        if (node)
            Colour(node, "fontclr", captionColours[state]);
        if (dynamic)
            continue;
        if (const auto* data = FindOverride(id, Widen(kStateElements[state]))) {
            if (const auto* file = std::get_if<std::u16string>(data))
                states[state] = GetPicture(*file);
        }
        if (!states[state])
            states[state] = Picture(element, kStateElements[state]);
        if (!states[state])
            return;
    }
    const QImage* mask = nullptr;
    if (!dynamic && FindFirst(element, "SBMM")) {
        mask = Picture(element, "SBMM");
        if (!mask)
            return;
    }

    CBitmapItem* window = Referenced<CBitmapItem>(element, "windowid", kKindBitmapItem);
    QWidget* parent = window ? static_cast<QWidget*>(window) : m_owner;
    auto button = std::make_unique<CBitmapBtn>(parent);
    for (std::size_t state = 0; state < states.size(); ++state) {
        if (states[state])
            button->m_bitmaps[state] = MakePrivateCopy(*states[state], width, height);
    }
    if (mask)
        button->setMask(win::RegionFromMask(*mask));
    button->m_captionColours = captionColours;
    button->m_isCheckBox = Flag(element, "ischeckbox");
    button->m_captionFormat = CaptionFormat(AttributeValue(element, "justify"), Multiline(element, id));
    button->m_font = Font(element, id);
    if (HasAttribute(element, "tooltip") >= 0)
        button->SetTooltip(AttributeValue(element, "tooltip"));
    if (HasAttribute(element, "caption") >= 0)
        button->SetCaption(AttributeValue(element, "caption"), Attribute(element, id, "caps", Overridable::Yes));
    AddWindow(std::move(button), id, kKindButton, rect, parent);
}

void Loader::ProfileButton(pugi::xml_node element)
{
    const int id = ItemId(element);
    if (id < 0)
        return;
    for (const char* state : kStateElements) {
        if (!FindFirst(element, state))
            return;
    }
    const ItemRect rect = Rect(element, id, Overridable::Yes);
    auto button = std::make_unique<CProfileBtn>(m_owner);
    for (std::size_t state = 0; state < kStateElements.size(); ++state) {
        if (const QImage* bitmap = Picture(element, kStateElements[state]))
            button->m_bitmaps[state] = MakePrivateCopy(*bitmap, rect.Width(), rect.Height());
    }
    if (HasAttribute(element, "tooltip") >= 0)
        button->SetTooltip(AttributeValue(element, "tooltip"));
    AddWindow(std::move(button), id, kKindProfileButton, rect, m_owner);
}

void Loader::AviButton(pugi::xml_node element)
{
    const int id = ItemId(element);
    if (id < 0)
        return;
    const ItemRect rect = Rect(element, id, Overridable::Yes);
    auto button = std::make_unique<CAVIButton>(m_owner);
    button->m_videoFile = Trimmed(ElementText(FindFirst(element, "VIDEO")));
    button->m_soundFile = ElementText(FindFirst(element, "SOUND"));
    AddWindow(std::move(button), id, kKindAviButton, rect, m_owner);
}

void Loader::VertSlider(pugi::xml_node element)
{
    const int id = ItemId(element);
    if (id < 0)
        return;
    const ItemRect rect = Rect(element, id, Overridable::Yes);
    auto slider = std::make_unique<CVertSlider>(m_owner);
    if (const QImage* knob = GetPicture(AttributeValue(element, "file")))
        slider->m_knob = OwnCopy(knob);
    AddWindow(std::move(slider), id, kKindVertSlider, rect, m_owner);
}

void Loader::SliderMulti(pugi::xml_node element)
{
    const int id = ItemId(element);
    const pugi::xml_node stagesNode = id < 0 ? pugi::xml_node() : FindFirst(element, "STAGES");
    const std::vector<pugi::xml_node> stages = FindAll(stagesNode, "STAGE");
    CBitmapItem* track = Referenced<CBitmapItem>(element, "trackid", kKindBitmapItem);
    if (stages.empty() || !track)
        return;
    const ItemRect rect = Rect(element, id, Overridable::Yes);
    const auto [normal, over] = BitmapPair(element, "SBMN", "SBMO", ResourceKind::DeviceBitmap);
    auto slider = std::make_unique<CSliderHMulti>(track);
    slider->setGeometry(rect.ToQRect());
    if (HasAttribute(element, "interactive") >= 0)
        slider->SetInteractive(Flag(element, "interactive"));
    if (HasAttribute(element, "offset") >= 0)
        slider->SetOffset(AttributeInt(element, "offset"));
    if (HasAttribute(element, "loffset") >= 0 && HasAttribute(element, "roffset") >= 0)
        slider->SetOffsets(AttributeInt(element, "loffset"), AttributeInt(element, "roffset"));
    for (std::size_t i = 0; i < stages.size() && i < kMaxSliderHandles; ++i) {
        // Each handle gets its own copy of the bitmaps.
        auto* handle = new CPHSlider(slider.get(), IdFromName(Trimmed(ElementText(stages[i]))),
                                     normal.copy(), over.copy());
        slider->AddHandle(handle);
        handle->SetPosition(kHandleStartPositions[i]);
        if (HasAttribute(stages[i], "tooltip") >= 0)
            handle->SetTooltip(AttributeValue(stages[i], "tooltip"));
    }
    AddWindow(std::move(slider), id, kKindSliderMulti, rect, track);
}

void Loader::ApmSlider(pugi::xml_node element)
{
    const int id = ItemId(element);
    CBitmapItem* track = id < 0 ? nullptr : Referenced<CBitmapItem>(element, "trackid", kKindBitmapItem);
    if (!track)
        return;
    const ItemRect rect = Rect(element, id, Overridable::Yes);
    auto slider = std::make_unique<CAPMSlider>(track);
    std::tie(slider->m_normal, slider->m_over) = BitmapPair(element, "SBMN", "SBMO", ResourceKind::DeviceBitmap);
    AddWindow(std::move(slider), id, kKindApmSlider, rect, track);
}

void Loader::Marker(pugi::xml_node element)
{
    const int id = ItemId(element);
    if (id < 0)
        return;
    const ItemRect rect = Rect(element, id, Overridable::Yes);
    auto marker = std::make_unique<CDMarker>(m_owner);
    std::tie(marker->m_background, marker->m_mark) = BitmapPair(element, "SBMN", "MARK", ResourceKind::Picture);
    AddWindow(std::move(marker), id, kKindMarker, rect, m_owner);
}

void Loader::Text(pugi::xml_node element)
{
    const int id = ItemId(element);
    if (id < 0)
        return;
    const ItemRect rect = Rect(element, id, Overridable::Yes);
    CBitmapItem* window = Referenced<CBitmapItem>(element, "windowid", kKindBitmapItem);
    QWidget* parent = window ? static_cast<QWidget*>(window) : m_owner;
    auto text = std::make_unique<CTextItem>(parent);
    const std::u16string key = AttributeValue(element, "textkey");
    auto found = LookUpText(key);
    text->m_text = WithLineBreak(found ? ApplyCaps(*found, Attribute(element, id, "caps", Overridable::Yes)) : key);
    text->m_format = TextItemFormat(AttributeValue(element, "justify"), Multiline(element, id));
    Colour(element, "fontclr", text->m_colour);
    Colour(element, "fontclrhi", text->m_highlightColour);
    text->m_interactive = Flag(element, "interactive");
    if (auto* box = Referenced<CBitmapBtn>(element, "checkboxid", kKindButton); box && box->m_isCheckBox)
        text->m_checkBox = box;
    text->m_font = Font(element, id);
    AddWindow(std::move(text), id, kKindText, rect, parent);
}

void Loader::StageWindow(pugi::xml_node element, int position)
{
    const int id = ItemId(element);
    if (id < 0)
        return;
    const ItemRect rect = Rect(element, id, Overridable::No);
    auto stage = std::make_unique<CDPIStageWindow>(m_owner, position);
    for (const pugi::xml_node bitmap : FindAll(element, "BITMAP")) {
        if (HasAttribute(bitmap, "name") < 0)
            continue;
        if (const QImage* image = Picture(bitmap, "BMP"))
            stage->SetBitmap(AttributeValue(bitmap, "name"), *image, Picture(bitmap, "BMPMASK"),
                             Rect(bitmap, -1, Overridable::No));
    }
    const std::u16string caps = Attribute(element, id, "caps", Overridable::Yes);
    for (const pugi::xml_node area : FindAll(element, "TEXTAREA")) {
        if (HasAttribute(area, "name") < 0)
            continue;
        stage->SetTextArea(AttributeValue(area, "name"), AttributeValue(area, "textkey"),
                           Rect(area, -1, Overridable::No), caps);
    }
    stage->m_font = Font(element, id);
    AddWindow(std::move(stage), id, kKindStageWindow, rect, m_owner);
}

void Loader::MacroDisplay(pugi::xml_node element)
{
    const int id = ItemId(element);
    if (id < 0)
        return;
    auto columns = Columns(element, true);
    if (!columns)
        return;
    // The description column leaves room for the separator on both sides, as written.
    // Widened first: any written border width is taken, and doubling a large one must not overflow.
    const int64_t reduction = 2 * int64_t{AttributeInt(element, "bdrwidth")};
    for (auto& column : *columns) {
        if (column.role == kColumnMacroEventDescription)
            column.width = static_cast<int>(std::clamp<int64_t>(column.width - reduction,
                                                                std::numeric_limits<int>::min(),
                                                                std::numeric_limits<int>::max()));
    }

    const ItemRect rect = Rect(element, id, Overridable::Yes);
    auto display = std::make_unique<CMacroDisplayItem>(m_owner);
    display->setGeometry(rect.ToQRect());
    std::u16string layout = AttributeValue(element, "kbdlayout");
    if (layout.empty())
        layout = kDefaultKeyboardLayout;
    display->m_layoutHandle = keyboard::LoadKeyboardLayoutW(layout.c_str(), keyboard::KLF_ACTIVATE);
    display->m_keyboardLayout = std::move(layout);
    display->m_max = AttributeInt(element, "max");
    display->m_readOnly = Flag(element, "readonly");
    for (std::size_t i = 0; i < kMacroIconElements.size(); ++i) {
        if (const QImage* icon = Picture(element, kMacroIconElements[i]))
            display->m_icons[i] = MakePrivateCopy(*icon, kMacroIconSide, kMacroIconSide);
    }
    ItemColours colours = display->Colours();
    Colours(element, colours);
    display->SetColours(colours);
    display->SetFont(Font(element, id));
    display->SetColumns(std::move(*columns));
    const ScrollBarBitmaps bar = ScrollBar(element);
    if (bar.Present() && bar.Width() >= kMinScrollBarWidth) {
        auto* scrollBar = new CVScrollBar(bar.Width(), display.get(), bar);
        if (scrollBar->parentWidget())
            scrollBar->show();
        display->SetScrollBar(scrollBar);
    }
    AddWindow(std::move(display), id, kKindMacroDisplay, rect, m_owner, false);
}

void Loader::ListCtrl(pugi::xml_node element)
{
    const int id = ItemId(element);
    if (id < 0)
        return;
    auto columns = Columns(element, false);
    if (!columns)
        return;
    const ItemRect rect = Rect(element, id, Overridable::Yes);
    auto list = std::make_unique<CXListCtrl>(m_owner);
    if (const pugi::xml_node header = FindFirst(element, "LISTHDR")) {
        int32_t back = 0;
        int32_t text = 0xFFFFFF;
        Colour(header, "backclr", back);
        Colour(header, "fontclr", text);
        list->SetHeader(true, back, text);
    }
    ItemColours colours;
    Colours(element, colours);
    list->SetColours(colours);
    list->SetFont(Font(element, id));
    list->SetColumns(std::move(*columns));
    AddWindow(std::move(list), id, kKindListCtrl, rect, m_owner);
}

void Loader::Combo(pugi::xml_node element)
{
    const int id = ItemId(element);
    const pugi::xml_node list = id < 0 ? pugi::xml_node() : FindFirst(element, "CLIST");
    if (!list)
        return;
    const pugi::xml_node box = FindFirst(element, "CBOX");
    const ItemRect rect = box ? Rect(box, -1, Overridable::No) : ItemRect{};
    auto combo = std::make_unique<CDropdownListItem>(m_owner);
    combo->m_listHeight = AttributeInt(list, "height");
    Colours(element, combo->m_colours);
    combo->m_font = Font(element, id);
    combo->m_sorted = Flag(element, "sorted");
    combo->m_scrollBar = ScrollBar(element);
    for (const pugi::xml_node entry : FindAll(element, "COMBOITEM"))
        combo->AddEntry(ElementText(entry));
    AddWindow(std::move(combo), id, kKindCombo, rect, m_owner);
}

void Loader::ListPanel(pugi::xml_node element)
{
    const int id = ItemId(element);
    if (id < 0)
        return;
    const ItemRect rect = Rect(element, id, Overridable::No);
    auto panel = std::make_unique<CListPanelItem>();
    panel->SetItem(id, kKindListPanel, nullptr, m_owner);
    panel->SetRect(rect.left, rect.top, rect.Width(), rect.Height());
    panel->m_width = rect.Width();
    panel->m_height = rect.Height();
    Colours(element, panel->m_colours);
    panel->m_font = Font(element, id);
    panel->m_sorted = Flag(element, "sorted");
    panel->m_scrollBar = ScrollBar(element);
    if (FindFirst(element, "LISTPANELITEMS")) {
        for (const pugi::xml_node entry : FindAll(element, "LISTPANELITEM"))
            panel->m_entries.push_back({ElementText(entry), nullptr});
    }
    m_list.Append(std::move(panel));
}

template <class T>
void Loader::Edit(pugi::xml_node element, int kind)
{
    const int id = ItemId(element);
    if (id < 0)
        return;
    const ItemRect rect = Rect(element, id, Overridable::No);
    auto edit = std::make_unique<T>(m_owner);
    ItemColours colours = edit->Colours();
    Colours(element, colours);
    edit->SetColours(colours);
    edit->SetFont(Font(element, id));
    if (HasAttribute(element, "max") >= 0)
        edit->SetLimit(AttributeInt(element, "max"));
    AddWindow(std::move(edit), id, kind, rect, m_owner, false);
}

bool Loader::PanelBitmap(pugi::xml_node panel, const char* name, int id)
{
    const QImage* bitmap = Picture(panel, name);
    if (!bitmap)
        return false;
    m_list.Append(std::make_unique<CPanelBitmap>(*bitmap, id, m_owner));
    return true;
}

void Loader::Load(const XmlDocument& document)
{
    const pugi::xml_node root = document.Root();
    pugi::xml_node container = FindFirst(root, "GUIPANEL");
    if (container) {
        if (!PanelBitmap(container, "BACKGROUND", kIdBackground) || !PanelBitmap(container, "MASK", kIdMask))
            return;
    } else {
        container = FindFirst(root, "ITEMLIST");
        if (!container)
            return;
    }

    auto each = [&](const char* list, const char* element, auto rule) {
        if (const pugi::xml_node node = FindFirst(container, list)) {
            for (const pugi::xml_node item : FindAll(node, element))
                rule(item);
        }
    };
    auto first = [&](pugi::xml_node within, const char* element, auto rule) {
        if (const pugi::xml_node item = FindFirst(within, element))
            rule(item);
    };

    each("LANGLIST", "LANG", [&](pugi::xml_node e) { Lang(e); });
    each("FONTLIST", "FONT", [&](pugi::xml_node e) { Font(e); });
    each("BITMAPLIST", "BITMAPITEM", [&](pugi::xml_node e) { BitmapItem(e); });
    each("BITMAPLIST", "BITMAPWINDOW", [&](pugi::xml_node e) { BitmapWindow(e); });
    each("BUTTONLIST", "BUTTON", [&](pugi::xml_node e) { Button(e); });
    first(FindFirst(container, "BUTTONLIST"), "PROFBUTTON", [&](pugi::xml_node e) { ProfileButton(e); });
    first(FindFirst(container, "BUTTONLIST"), "AVIBUTTON", [&](pugi::xml_node e) { AviButton(e); });
    each("SLIDERLIST", "VSLIDER", [&](pugi::xml_node e) { VertSlider(e); });
    each("SLIDERLIST", "HSLIDERM", [&](pugi::xml_node e) { SliderMulti(e); });
    each("SLIDERLIST", "HSLIDERMAPM", [&](pugi::xml_node e) { ApmSlider(e); });
    each("SLIDERLIST", "DMARKER", [&](pugi::xml_node e) { Marker(e); });
    each("TEXTLIST", "TEXTITEM", [&](pugi::xml_node e) { Text(e); });
    int position = 0;
    each("DPISTAGELIST", "DPISTAGEWINDOW", [&](pugi::xml_node e) { StageWindow(e, ++position); });
    first(container, "MACRODISPLAY", [&](pugi::xml_node e) { MacroDisplay(e); });
    each("COMBOLIST", "LISTCTRL", [&](pugi::xml_node e) { ListCtrl(e); });
    each("COMBOLIST", "COMBO", [&](pugi::xml_node e) { Combo(e); });
    each("LISTPANELLIST", "LISTPANEL", [&](pugi::xml_node e) { ListPanel(e); });
    each("EDITCTRLLIST", "EDITCTRL", [&](pugi::xml_node e) { Edit<CEditItem>(e, kKindEdit); });
    each("EDITCTRLLIST", "EDITCTRLSK", [&](pugi::xml_node e) { Edit<CEditItemSingleKeyInput>(e, kKindEditSingleKey); });
}

} // namespace

void LoadSkinDocumentBytes(const std::vector<char>& bytes, CGUIItemList& list, QWidget* owner)
{
    XmlDocument document;
    if (document.LoadBytes(bytes))
        Loader(list, owner).Load(document);
}

void LoadSkinDocument(std::u16string_view documentName, CGUIItemList& list, QWidget* owner)
{
    XmlDocument document;
    if (document.Load(documentName))
        Loader(list, owner).Load(document);
}

} // namespace quor::skin
