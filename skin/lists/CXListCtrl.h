#pragma once

// A report-view table (LISTCTRL): single selection, full rows, columns with roles and cell
// kinds, drawn in the skin's colours and font; a header only when the document gives one.

#include "platform/win/MessageWindow.h"
#include "skin/CGUIItem.h"
#include "skin/ItemColours.h"
#include "skin/lists/ListColumn.h"

#include <QTreeWidget>

#include <vector>

namespace quor::skin {

class CFontItem;

class CXListCtrl : public win::MessageWindow<QTreeWidget>, public CGUIItem {
public:
    explicit CXListCtrl(QWidget* parent);

    // Replaces the columns; titles are looked up when they are keys.
    void SetColumns(std::vector<ListColumn> columns);
    void SetHeader(bool shown, int32_t back, int32_t text);
    void SetColours(const ItemColours& colours);
    void SetFont(const CFontItem* font);

    const std::vector<ListColumn>& Columns() const { return m_columns; }
    bool HasHeader() const { return m_hasHeader; }
    const ItemColours& Colours() const { return m_colours; }
    const CFontItem* Font() const { return m_font; }

private:
    std::vector<ListColumn> m_columns;
    bool m_hasHeader = false;
    int32_t m_headerBack = 0;
    int32_t m_headerText = 0xFFFFFF;
    ItemColours m_colours;
    const CFontItem* m_font = nullptr;
};

} // namespace quor::skin
