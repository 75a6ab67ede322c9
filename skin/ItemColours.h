#pragma once

// The colours and border a document gives a list, combo, edit or macro display item. Each class
// starts from its own defaults; a colour name not in the table keeps the default.

#include <cstdint>

namespace quor::skin {

// Border widths a document may give.
inline constexpr int kMinBorderWidth = 1;
inline constexpr int kMaxBorderWidth = 9;

struct ItemColours {
    int32_t text = 0xFFFFFF;
    int32_t textHighlight = 0;
    int32_t back = 0;
    int32_t backHighlight = 0xFFFFFF;
    int32_t border = 0xFFFFFF;
    int32_t disabledBack = 0;
    int32_t disabledBorder = 0xFFFFFF;
    int borderWidth = 1;
};

} // namespace quor::skin
