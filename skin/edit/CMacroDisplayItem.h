#pragma once

// The macro event list (MACRODISPLAY): a report list with an icon column and a description
// column, its row icons, colours, separator, font, keyboard layout and an optional skinned
// scroll bar at its right edge.

#include "platform/win/MessageWindow.h"
#include "skin/CGUIItem.h"
#include "skin/ItemColours.h"
#include "skin/lists/ListColumn.h"
#include "skin/text/CVScrollBar.h"

#include <QPixmap>
#include <QPointer>
#include <QTreeWidget>

#include <array>
#include <string>
#include <vector>

namespace quor::skin {

class CFontItem;


// Row icons, in image-key order.
enum MacroIcon { kIconKeyDown, kIconKeyUp, kIconClickOn, kIconClickOff, kIconMouseOn, kIconMouseOff, kIconCount };
inline constexpr std::u16string_view kDefaultKeyboardLayout = u"00000409";

class CMacroDisplayItem : public win::MessageWindow<QTreeWidget>, public CGUIItem {
public:
    explicit CMacroDisplayItem(QWidget* parent);
    // The scroll bar, a sibling window, goes with the display.
    ~CMacroDisplayItem() override;

    // Column titles are looked up when they are keys.
    void SetColumns(std::vector<ListColumn> columns);
    void SetColours(const ItemColours& colours);
    void SetFont(const CFontItem* font);
    // The bar becomes this display's; it is placed at its right edge.
    void SetScrollBar(CVScrollBar* bar);

    CVScrollBar* ScrollBar() const { return m_scrollBar; }
    const std::vector<ListColumn>& Columns() const { return m_columns; }
    const ItemColours& Colours() const { return m_colours; }
    const CFontItem* Font() const { return m_font; }
    // The row height the font gives (its height + 1), or 16.
    int RowHeight() const;

    std::u16string m_keyboardLayout{kDefaultKeyboardLayout};
    uintptr_t m_layoutHandle = 0;
    int m_max = 0;
    bool m_readOnly = false;
    std::array<QPixmap, kIconCount> m_icons;

private:
    std::vector<ListColumn> m_columns;
    ItemColours m_colours{.text = 0xFFFFFF, .textHighlight = 0, .back = 0, .backHighlight = 0xFFFFFF,
                          .border = 0xFFFFFF};
    const CFontItem* m_font = nullptr;
    QPointer<CVScrollBar> m_scrollBar;
};

} // namespace quor::skin
