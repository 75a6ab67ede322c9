#include "skin/lists/CDropdownListItem.h"

#include "skin/CFontItem.h"
#include "skin/Colour.h"
#include "skin/ItemText.h"
#include "skin/Language.h"

#include <QPainter>

#include <array>

namespace quor::skin {

namespace {

constexpr std::array<int, 5> kArrowWidths{9, 7, 5, 3, 1};
constexpr std::u16string_view kDetailSeparator = u": ";

} // namespace

CDropdownListItem::CDropdownListItem(QWidget* parent) : MessageWindow<QWidget>(parent) {}

int CDropdownListItem::AddEntry(std::u16string_view text, CListPanelItem* subList)
{
    m_entries.push_back({std::u16string(text), subList});
    return static_cast<int>(m_entries.size()) - 1;
}

void CDropdownListItem::SetEntryText(int index, std::u16string_view text)
{
    if (index >= 0 && index < static_cast<int>(m_entries.size()))
        m_entries[index].text = text;
}

std::u16string CDropdownListItem::EntryText(int index) const
{
    if (index < 0 || index >= static_cast<int>(m_entries.size()))
        return {};
    return m_entries[index].text;
}

void CDropdownListItem::ClearEntries()
{
    m_entries.clear();
}

int CDropdownListItem::FindCurrent() const
{
    if (m_currentText.empty())
        return -1;
    for (std::size_t i = 0; i < m_entries.size(); ++i) {
        if (m_entries[i].text == m_currentText)
            return static_cast<int>(i);
    }
    return -1;
}

void CDropdownListItem::Select(int index, std::u16string_view detail)
{
    if (index < 0 || index >= static_cast<int>(m_entries.size()))
        return;
    m_currentText = m_entries[index].text;
    m_detail = detail;
    update();
}

void CDropdownListItem::SetDisabled(bool disabled)
{
    m_disabled = disabled;
    update();
}

std::vector<CDropdownListItem::Stroke> CDropdownListItem::ArrowStrokes(int side)
{
    std::vector<Stroke> strokes;
    const int top = (side - static_cast<int>(kArrowWidths.size())) / 2;
    const int left = (side - kArrowWidths.front()) / 2;
    for (std::size_t i = 0; i < kArrowWidths.size(); ++i) {
        const int step = static_cast<int>(i);
        strokes.push_back({left + step, top + step, kArrowWidths[i]});
    }
    return strokes;
}

void CDropdownListItem::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const int32_t back = m_disabled ? m_colours.disabledBack : m_colours.back;
    const int32_t border = m_disabled ? m_colours.disabledBorder : m_colours.border;
    const int b = m_colours.borderWidth;
    painter.fillRect(rect(), ToQColor(back));
    const QColor borderColour = ToQColor(border);
    painter.fillRect(0, 0, b, height(), borderColour);
    painter.fillRect(0, 0, width(), b, borderColour);
    painter.fillRect(width() - b, 0, b, height(), borderColour);
    if (!m_open)
        painter.fillRect(0, height() - b, width(), b, borderColour);

    std::u16string text = TranslatedText(m_currentText);
    if (!m_detail.empty())
        text += std::u16string(kDetailSeparator) + m_detail;
    painter.setFont(m_font ? m_font->Font() : DefaultItemFont());
    painter.setPen(ToQColor(m_colours.text));
    const int side = height();
    const QRect textArea(b + 2, b, width() - side - 2 * b - 2, height() - 2 * b);
    DrawItemText(painter, textArea, text, DT_LEFT | DT_VCENTER | DT_SINGLELINE);

    const int squareLeft = width() - side;
    for (const Stroke& stroke : ArrowStrokes(side))
        painter.fillRect(squareLeft + stroke.x, stroke.y, stroke.width, 1, ToQColor(m_colours.text));
}

} // namespace quor::skin
