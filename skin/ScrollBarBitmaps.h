#pragma once

// The six bitmaps of a skinned vertical scroll bar (VSCROLL); the thumb's width is the bar's.

#include <QPixmap>

namespace quor::skin {

// A thumb narrower than this makes no scroll bar.
inline constexpr int kMinScrollBarWidth = 10;

struct ScrollBarBitmaps {
    QPixmap thumb;
    QPixmap top;
    QPixmap up;
    QPixmap span;
    QPixmap down;
    QPixmap bottom;

    bool Present() const { return !thumb.isNull(); }
    int Width() const { return thumb.width(); }
};

} // namespace quor::skin
