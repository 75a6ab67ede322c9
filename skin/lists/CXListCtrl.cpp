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
    QStringList titles;
    for (const auto& column : m_columns)
        titles << QString::fromStdU16String(TranslatedText(column.title));
    setColumnCount(static_cast<int>(m_columns.size()));
    setHeaderLabels(titles);
    for (std::size_t i = 0; i < m_columns.size(); ++i)
        setColumnWidth(static_cast<int>(i), m_columns[i].width);
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
    QPalette palette = this->palette();
    palette.setColor(QPalette::Base, ToQColor(colours.back));
    palette.setColor(QPalette::Text, ToQColor(colours.text));
    palette.setColor(QPalette::Highlight, ToQColor(colours.backHighlight));
    palette.setColor(QPalette::HighlightedText, ToQColor(colours.textHighlight));
    setPalette(palette);
}

void CXListCtrl::SetFont(const CFontItem* font)
{
    m_font = font;
    if (font)
        setFont(font->Font());
}

} // namespace quor::skin
