#include "skin/CGUIItem.h"

namespace quor::skin {

void CGUIItem::SetItem(int32_t id, int32_t kind, QWidget* window, QWidget* owner)
{
    m_id = id;
    m_kind = kind;
    m_window = window;
    m_owner = owner;
}

void CGUIItem::SetRect(int32_t x, int32_t y, int32_t width, int32_t height)
{
    m_rect = std::make_unique<ItemRect>(ItemRect::FromPositionAndSize(x, y, width, height));
}

} // namespace quor::skin
