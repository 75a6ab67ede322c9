#pragma once

// The colours and border a document gives a list, combo, edit or macro display item. Each class
// starts from its own defaults; a colour name not in the table keeps the default.

#include <cstdint>

class QWidget;

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

// Gives a Qt list or edit widget the colours: base, text and the selected-row pair.
void ApplyColours(QWidget& widget, const ItemColours& colours);

} // namespace quor::skin
