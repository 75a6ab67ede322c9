#include "skin/lists/CXListCtrl.h"

#include "skin/CFontItem.h"
#include "skin/Colour.h"
#include "skin/Language.h"

#include <QHeaderView>

namespace quor::skin {

CXListCtrl::CXListCtrl(QWidget* parent) : MessageWindow<QTreeWidget>(parent)
{
    setRootIsDecorated(false);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setUniformRowHeights(true);
    header()->setVisible(false);
}

void CXListCtrl::SetColumns(std::vector<ListColumn> columns)
{
    m_columns = std::move(columns);
    ApplyColumns(*this, m_columns);
}

void CXListCtrl::SetHeader(bool shown, int32_t back, int32_t text)
{
    m_hasHeader = shown;
    m_headerBack = back;
    m_headerText = text;
    header()->setVisible(shown);
    QPalette palette = header()->palette();
    palette.setColor(QPalette::Button, ToQColor(back));
    palette.setColor(QPalette::ButtonText, ToQColor(text));
    header()->setPalette(palette);
}

void CXListCtrl::SetColours(const ItemColours& colours)
{
    m_colours = colours;
    ApplyColours(*this, colours);
}

void CXListCtrl::SetFont(const CFontItem* font)
{
    m_font = font;
    if (font)
        setFont(font->Font());
}

} // namespace quor::skin
