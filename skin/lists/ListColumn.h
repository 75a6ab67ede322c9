#pragma once

// One column of a table or macro display, as a LISTCOLUMN element gives it.

#include <string>

namespace quor::skin {

struct ListColumn {
    int role = -1;      // list column name
    int type = -1;      // column type
    int width = 0;
    int alignment = 0;  // DT_LEFT, DT_CENTER or DT_RIGHT
    std::u16string title;
};

} // namespace quor::skin
