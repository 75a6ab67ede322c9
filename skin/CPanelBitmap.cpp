#include "skin/CPanelBitmap.h"

#include "skin/ItemKind.h"
#include "skin/PrivateCopy.h"

namespace quor::skin {

CPanelBitmap::CPanelBitmap(const QImage& source, int32_t id, QWidget* owner)
    : m_bitmap(MakePrivateCopy(source, source.width(), source.height()))
{
    SetItem(id, kKindPanelBitmap, nullptr, owner);
}

} // namespace quor::skin
