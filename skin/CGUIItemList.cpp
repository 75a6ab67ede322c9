#include "skin/CGUIItemList.h"

#include "skin/ItemKind.h"
#include "skin/edit/CMacroDisplayItem.h"
#include "skin/text/CVScrollBar.h"

#include <QWidget>

namespace quor::skin {

CGUIItemList::~CGUIItemList()
{
    Clear();
}

CGUIItem* CGUIItemList::Append(std::unique_ptr<CGUIItem> item)
{
    if (!item)
        return nullptr;
    auto* object = dynamic_cast<QObject*>(item.get());
    m_guards.emplace_back(object);
    m_items.push_back(std::move(item));
    return m_items.back().get();
}

void CGUIItemList::Clear()
{
    while (!m_items.empty()) {
        std::unique_ptr<CGUIItem> item = std::move(m_items.back());
        const Guard guard = m_guards.back();
        m_items.pop_back();
        m_guards.pop_back();
        // A window item whose parent window was destroyed first went with it.
        if (guard.m_isObject && !guard.m_object)
            (void)item.release();
    }
}

CGUIItemList::Guard::Guard(QObject* object) : m_object(object), m_isObject(object != nullptr) {}

CGUIItem* FindItemById(const CGUIItemList& list, int32_t id)
{
    for (const auto& item : list) {
        if (item->m_id == id)
            return item.get();
    }
    return nullptr;
}

CGUIItem* FindItemByIdAndKind(const CGUIItemList& list, int32_t id, int32_t kind)
{
    CGUIItem* item = FindItemById(list, id);
    return item && item->m_kind == kind ? item : nullptr;
}

CGUIItem* FindItemByWindow(const CGUIItemList& list, const QWidget* window)
{
    if (!window)
        return nullptr;
    for (const auto& item : list) {
        if (item->m_window == window)
            return item.get();
    }
    return nullptr;
}

void ShowItems(const CGUIItemList& list, bool show)
{
    for (const auto& item : list) {
        switch (item->m_kind) {
        case kKindPanelBitmap:
        case kKindApmSlider:
        case kKindFont:
        case kKindLanguage:
        case kKindListPanel:
            break;
        case kKindMacroDisplay:
            if (auto* display = dynamic_cast<CMacroDisplayItem*>(item.get())) {
                if (QWidget* bar = display->ScrollBar())
                    bar->setVisible(show);
                display->setVisible(show);
            }
            break;
        default:
            if (auto* widget = dynamic_cast<QWidget*>(item.get()))
                widget->setVisible(show);
            break;
        }
    }
}

} // namespace quor::skin
