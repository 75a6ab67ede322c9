#include "skin/stages/CDPIStageWindow.h"

#include "skin/CFontItem.h"
#include "skin/Colour.h"
#include "skin/ItemText.h"
#include "skin/Language.h"
#include "skin/PrivateCopy.h"

#include <QPainter>

#include <array>

namespace quor::skin {

namespace {

constexpr std::array<std::u16string_view, 5> kLabelNames{u"DPI", u"DPIX", u"DPIY", u"X", u"Y"};
constexpr std::array<std::u16string_view, 5> kBitmapNames{u"DPIFRAME", u"DPIFRAMESELECTED", u"DPIWIN",
                                                          u"DPIWINX", u"DPIWINY"};

template <std::size_t N>
bool Contains(const std::array<std::u16string_view, N>& names, std::u16string_view name)
{
    for (auto n : names) {
        if (n == name)
            return true;
    }
    return false;
}

std::u16string Number(int32_t value)
{
    return QString::number(value).toStdU16String();
}

} // namespace

CDPIStageWindow::CDPIStageWindow(QWidget* parent, int position)
    : MessageWindow<QWidget>(parent), m_position(position)
{
}

void CDPIStageWindow::SetTextArea(std::u16string_view name, std::u16string_view text,
                                  const ItemRect& rect, std::u16string_view caps)
{
    if (name == u"HEADING") {
        auto found = LookUpText(text);
        m_heading = WithLineBreak(found ? ApplyCaps(*found, caps) : std::u16string(text));
        m_headingRect = rect;
    } else if (Contains(kLabelNames, name)) {
        m_labels[std::u16string(name)] = {std::u16string(text), rect};
    }
}

void CDPIStageWindow::SetBitmap(std::u16string_view name, const QImage& bitmap, const QImage* mask,
                                const ItemRect& rect)
{
    if (!Contains(kBitmapNames, name))
        return;
    Bitmap entry{MakePrivateCopy(bitmap, rect.Width(), rect.Height()), {}, rect};
    if (mask)
        entry.mask = MakePrivateCopy(*mask, rect.Width(), rect.Height());
    m_bitmaps[std::u16string(name)] = std::move(entry);
}

void CDPIStageWindow::DrawBitmap(QPainter& painter, const std::u16string& name) const
{
    const auto found = m_bitmaps.find(name);
    if (found != m_bitmaps.end())
        painter.drawPixmap(found->second.rect.left, found->second.rect.top, found->second.bitmap);
}

void CDPIStageWindow::DrawLabel(QPainter& painter, const std::u16string& name, std::u16string_view text) const
{
    const auto found = m_labels.find(name);
    if (found != m_labels.end())
        DrawItemText(painter, found->second.rect.ToQRect(), text, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
}

void CDPIStageWindow::paintEvent(QPaintEvent*)
{
    if (!m_active)
        return;
    QPainter painter(this);
    DrawBitmap(painter, m_selected ? u"DPIFRAMESELECTED" : u"DPIFRAME");
    painter.setFont(m_font ? m_font->Font() : DefaultItemFont());
    painter.setPen(ToQColor(m_colour != 0 ? m_colour : kDefaultTextColour));
    DrawItemText(painter, m_headingRect.ToQRect(), m_heading, DT_CENTER | DT_WORDBREAK);
    if (m_separate) {
        DrawBitmap(painter, u"DPIWINX");
        DrawBitmap(painter, u"DPIWINY");
        DrawLabel(painter, u"X", m_labels.contains(u"X") ? m_labels.at(u"X").text : u"X");
        DrawLabel(painter, u"Y", m_labels.contains(u"Y") ? m_labels.at(u"Y").text : u"Y");
        DrawLabel(painter, u"DPIX", Number(m_dpiX));
        DrawLabel(painter, u"DPIY", Number(m_dpiY));
    } else {
        DrawBitmap(painter, u"DPIWIN");
        DrawLabel(painter, u"DPI", Number(m_dpi));
    }
}

} // namespace quor::skin
