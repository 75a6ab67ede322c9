#include "skin/edit/CMacroDisplayItem.h"

#include "skin/CFontItem.h"
#include "skin/Colour.h"
#include "skin/Language.h"
#include "skin/text/CVScrollBar.h"

#include <QFontMetrics>
#include <QHeaderView>

namespace quor::skin {

namespace {

constexpr int kDefaultRowHeight = 16;

} // namespace

CMacroDisplayItem::CMacroDisplayItem(QWidget* parent) : MessageWindow<QTreeWidget>(parent)
{
    setRootIsDecorated(false);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    header()->setVisible(false);
}

CMacroDisplayItem::~CMacroDisplayItem()
{
    delete m_scrollBar.data();
}

void CMacroDisplayItem::SetColumns(std::vector<ListColumn> columns)
{
    m_columns = std::move(columns);
    ApplyColumns(*this, m_columns);
}

void CMacroDisplayItem::SetColours(const ItemColours& colours)
{
    m_colours = colours;
    ApplyColours(*this, colours);
}

void CMacroDisplayItem::SetFont(const CFontItem* font)
{
    m_font = font;
    if (font)
        setFont(font->Font());
}

void CMacroDisplayItem::SetScrollBar(CVScrollBar* bar)
{
    m_scrollBar = bar;
    if (bar)
        bar->setGeometry(geometry().x() + width() - bar->m_width, geometry().y(), bar->m_width, height());
}

int CMacroDisplayItem::RowHeight() const
{
    if (!m_font)
        return kDefaultRowHeight;
    const int height = QFontMetrics(m_font->Font()).height();
    return height > 0 ? height + 1 : kDefaultRowHeight;
}

} // namespace quor::skin
