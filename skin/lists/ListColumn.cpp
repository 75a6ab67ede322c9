#include "skin/lists/ListColumn.h"

#include "skin/Language.h"

#include <QTreeWidget>

namespace quor::skin {

void ApplyColumns(QTreeWidget& list, const std::vector<ListColumn>& columns)
{
    QStringList titles;
    for (const auto& column : columns)
        titles << QString::fromStdU16String(TranslatedText(column.title));
    list.setColumnCount(static_cast<int>(columns.size()));
    list.setHeaderLabels(titles);
    for (std::size_t i = 0; i < columns.size(); ++i)
        list.setColumnWidth(static_cast<int>(i), columns[i].width);
}

} // namespace quor::skin
