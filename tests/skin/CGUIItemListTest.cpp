#include "skin/CFontItem.h"
#include "skin/CGUIItemList.h"
#include "skin/CLangTable.h"
#include "skin/ItemKind.h"
#include "skin/lists/CListPanelItem.h"

#include <QWidget>
#include <gtest/gtest.h>

#include <memory>
#include <vector>

using namespace quor::skin;

namespace {

std::vector<int>* g_destroyed = nullptr;

// A window item that records the order items are destroyed in.
class Probe : public QWidget, public CGUIItem {
public:
    Probe(QWidget* parent, int id) : QWidget(parent) { SetItem(id, kKindText, this, parent); }
    ~Probe() override
    {
        if (g_destroyed)
            g_destroyed->push_back(m_id);
    }
};

} // namespace

TEST(CGUIItemList, LookupsFindTheFirstMatch)
{
    QWidget owner;
    CGUIItemList list;
    auto* first = static_cast<Probe*>(list.Append(std::make_unique<Probe>(&owner, 8)));
    auto* second = static_cast<Probe*>(list.Append(std::make_unique<Probe>(&owner, 8)));
    list.Append(std::make_unique<CFontItem>(228, &owner, u"Face", 12, 400));

    EXPECT_EQ(FindItemById(list, 8), first);
    EXPECT_EQ(FindItemById(list, 9), nullptr);
    EXPECT_EQ(FindItemByIdAndKind(list, 8, kKindText), first);
    EXPECT_EQ(FindItemByIdAndKind(list, 8, kKindButton), nullptr);
    EXPECT_NE(FindItem<CFontItem>(list, 228, kKindFont), nullptr);
    EXPECT_EQ(FindItem<CFontItem>(list, 228, kKindText), nullptr);
    EXPECT_EQ(FindItemByWindow(list, second), second);
    EXPECT_EQ(FindItemByWindow(list, &owner), nullptr);
    EXPECT_EQ(FindItemByWindow(list, nullptr), nullptr);
}

TEST(CGUIItemList, ShowItemsLeavesItemsWithoutWindows)
{
    QWidget owner;
    owner.show();
    CGUIItemList list;
    auto* text = static_cast<Probe*>(list.Append(std::make_unique<Probe>(&owner, 1)));
    auto font = std::make_unique<CFontItem>(228, &owner, u"Face", 12, 400);
    auto language = std::make_unique<CLangTable>();
    language->SetItem(314, kKindLanguage, nullptr, nullptr);
    auto panel = std::make_unique<CListPanelItem>();
    panel->SetItem(339, kKindListPanel, nullptr, &owner);
    list.Append(std::move(font));
    list.Append(std::move(language));
    list.Append(std::move(panel));

    ShowItems(list, false);
    EXPECT_FALSE(text->isVisible());
    ShowItems(list, true);
    EXPECT_TRUE(text->isVisible());
    EXPECT_EQ(list.Size(), 4u);
}

TEST(CGUIItemList, DestroysLastToFirstAndSkipsWindowsGoneWithTheirParent)
{
    std::vector<int> destroyed;
    g_destroyed = &destroyed;
    {
        auto owner = std::make_unique<QWidget>();
        CGUIItemList list;
        auto* bitmap = static_cast<Probe*>(list.Append(std::make_unique<Probe>(owner.get(), 1)));
        list.Append(std::make_unique<Probe>(bitmap, 2)); // a child of the first item
        list.Append(std::make_unique<Probe>(owner.get(), 3));
        list.Clear();
        EXPECT_EQ(destroyed, (std::vector<int>{3, 2, 1}));
        EXPECT_TRUE(list.Empty());

        destroyed.clear();
        list.Append(std::make_unique<Probe>(owner.get(), 4));
        owner.reset(); // the window system destroys the item's window with its parent
        EXPECT_EQ(destroyed, (std::vector<int>{4}));
    } // the list must not destroy item 4 again
    EXPECT_EQ(destroyed, (std::vector<int>{4}));
    g_destroyed = nullptr;
}
