#pragma once

// The description of a popup list (LISTPANEL) without a window: its entries, size, colours,
// font and scroll-bar bitmaps; a drop-down or a popup row opens a list from it.

#include "skin/CGUIItem.h"
#include "skin/ItemColours.h"
#include "skin/ScrollBarBitmaps.h"
#include "skin/lists/ListEntry.h"

#include <string>
#include <vector>

namespace quor::skin {

class CFontItem;

class CListPanelItem : public CGUIItem {
public:
    std::vector<ListEntry> m_entries;
    std::u16string m_currentText;
    int m_width = 0;
    int m_height = 0;
    ItemColours m_colours;
    const CFontItem* m_font = nullptr;
    bool m_sorted = false;
    ScrollBarBitmaps m_scrollBar;
};

} // namespace quor::skin
