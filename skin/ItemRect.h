#pragma once

// An item's rectangle in its parent's coordinates: right and bottom are exclusive edges.

#include <QRect>

#include <cstdint>

namespace quor::skin {

struct ItemRect {
    int32_t left = 0;
    int32_t top = 0;
    int32_t right = 0;
    int32_t bottom = 0;

    // From a document's RECT: position and size. Sizes that would overflow saturate.
    static ItemRect FromPositionAndSize(int32_t x, int32_t y, int32_t width, int32_t height);

    int32_t Width() const { return right - left; }
    int32_t Height() const { return bottom - top; }
    QRect ToQRect() const { return QRect(left, top, Width(), Height()); }

    friend bool operator==(const ItemRect&, const ItemRect&) = default;
};

} // namespace quor::skin
