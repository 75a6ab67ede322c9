#pragma once

// One column of a table or macro display, as a LISTCOLUMN element gives it.

#include <string>
#include <vector>

class QTreeWidget;

namespace quor::skin {

struct ListColumn {
    int role = -1;      // list column name
    int type = -1;      // column type
    int width = 0;
    int alignment = 0;  // DT_LEFT, DT_CENTER or DT_RIGHT
    std::u16string title;
};

// Sets the list's columns: titles looked up when they are keys, widths as given.
void ApplyColumns(QTreeWidget& list, const std::vector<ListColumn>& columns);

} // namespace quor::skin
