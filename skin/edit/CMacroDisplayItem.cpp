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

void CMacroDisplayItem::SetColumns(std::vector<ListColumn> columns)
{
    m_columns = std::move(columns);
    QStringList titles;
    for (const auto& column : m_columns)
        titles << QString::fromStdU16String(TranslatedText(column.title));
    setColumnCount(static_cast<int>(m_columns.size()));
    setHeaderLabels(titles);
    for (std::size_t i = 0; i < m_columns.size(); ++i)
        setColumnWidth(static_cast<int>(i), m_columns[i].width);
}

void CMacroDisplayItem::SetColours(const ItemColours& colours)
{
    m_colours = colours;
    QPalette palette = this->palette();
    palette.setColor(QPalette::Base, ToQColor(colours.back));
    palette.setColor(QPalette::Text, ToQColor(colours.text));
    palette.setColor(QPalette::Highlight, ToQColor(colours.backHighlight));
    palette.setColor(QPalette::HighlightedText, ToQColor(colours.textHighlight));
    setPalette(palette);
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
