#pragma once

// A drop-down field (COMBO): shows the chosen entry's translated text and a down arrow; the
// entries are chosen from a popup list of the given height.

#include "platform/win/MessageWindow.h"
#include "skin/CGUIItem.h"
#include "skin/ItemColours.h"
#include "skin/ScrollBarBitmaps.h"
#include "skin/lists/ListEntry.h"

#include <QWidget>

#include <string>
#include <vector>

namespace quor::skin {

class CFontItem;

class CDropdownListItem : public win::MessageWindow<QWidget>, public CGUIItem {
public:
    explicit CDropdownListItem(QWidget* parent);

    int AddEntry(std::u16string_view text, CListPanelItem* subList = nullptr);
    void SetEntryText(int index, std::u16string_view text);
    std::u16string EntryText(int index) const;
    void ClearEntries();
    // -1 when the current text is empty or no entry has it (exact comparison).
    int FindCurrent() const;
    // Ignored for an index out of range.
    void Select(int index, std::u16string_view detail = {});
    void SetDisabled(bool disabled);

    // The down arrow's strokes (x, y, width) inside a square of the given side: pure geometry.
    struct Stroke {
        int x;
        int y;
        int width;
    };
    static std::vector<Stroke> ArrowStrokes(int side);

    const std::vector<ListEntry>& Entries() const { return m_entries; }
    const std::u16string& CurrentText() const { return m_currentText; }

    std::u16string m_detail;
    bool m_disabled = false;
    bool m_open = false;
    ItemColours m_colours;
    const CFontItem* m_font = nullptr;
    int m_listHeight = 0;
    bool m_sorted = false;
    ScrollBarBitmaps m_scrollBar;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::vector<ListEntry> m_entries;
    std::u16string m_currentText;
};

} // namespace quor::skin
