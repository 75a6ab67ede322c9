#pragma once

// The ordered, owning list of items that a skin document fills. Items are destroyed from the
// last to the first, so a window item made a child of an earlier bitmap item goes first. A window
// item that Qt already deleted with its parent window is not deleted again.

#include "skin/CGUIItem.h"

#include <QPointer>

#include <memory>
#include <vector>

namespace quor::skin {

class CGUIItemList {
public:
    CGUIItemList() = default;
    CGUIItemList(const CGUIItemList&) = delete;
    CGUIItemList& operator=(const CGUIItemList&) = delete;
    ~CGUIItemList();

    CGUIItem* Append(std::unique_ptr<CGUIItem> item);

    // Destroys every item, last to first.
    void Clear();

    std::size_t Size() const { return m_items.size(); }
    bool Empty() const { return m_items.empty(); }
    CGUIItem* At(std::size_t index) const { return m_items[index].get(); }

    auto begin() const { return m_items.begin(); }
    auto end() const { return m_items.end(); }

private:
    // Tells whether a window item is still alive: Qt deletes child windows with their parent.
    struct Guard {
        explicit Guard(QObject* object);
        QPointer<QObject> m_object;
        bool m_isObject = false;
    };

    std::vector<std::unique_ptr<CGUIItem>> m_items;
    std::vector<Guard> m_guards;
};

CGUIItem* FindItemById(const CGUIItemList& list, int32_t id);

// The first item with the id, when it is of that kind (else none).
CGUIItem* FindItemByIdAndKind(const CGUIItemList& list, int32_t id, int32_t kind);

// The full object of the first item with the id when its kind matches, else null.
template <class T>
T* FindItem(const CGUIItemList& list, int32_t id, int32_t kind)
{
    return dynamic_cast<T*>(FindItemByIdAndKind(list, id, kind));
}

CGUIItem* FindItemByWindow(const CGUIItemList& list, const QWidget* window);

// Shows or hides the windows of the list's items by kind; fonts, languages, list panels, panel
// bitmaps and colour-stage sliders (which follow their track) are left as they are.
void ShowItems(const CGUIItemList& list, bool show);

} // namespace quor::skin
