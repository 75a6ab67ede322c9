#pragma once

// The base of every skinned item: its id from the id table, the kind of element that made it,
// its own window (null for items found by id only), the owner window it notifies, and its
// rectangle. Items are destroyed through this base.

#include "skin/ItemRect.h"

#include <cstdint>
#include <memory>

class QWidget;

namespace quor::skin {

class CGUIItem {
public:
    CGUIItem() = default;
    CGUIItem(const CGUIItem&) = delete;
    CGUIItem& operator=(const CGUIItem&) = delete;
    virtual ~CGUIItem() = default;

    void SetItem(int32_t id, int32_t kind, QWidget* window, QWidget* owner);

    // Stores (x, y, x + width, y + height), replacing an earlier rectangle.
    void SetRect(int32_t x, int32_t y, int32_t width, int32_t height);

    int32_t m_id = -1;
    int32_t m_kind = -1;
    QWidget* m_window = nullptr;
    QWidget* m_owner = nullptr;
    std::unique_ptr<ItemRect> m_rect;
};

} // namespace quor::skin
