#include "skin/CFontItem.h"

#include "skin/ItemKind.h"

#include <algorithm>

namespace quor::skin {

namespace {

constexpr int kMaxPixelSize = 1000;

} // namespace

QFont::Weight QtWeight(int weight)
{
    // Qt 6 weights use the same 1 to 1000 scale.
    return static_cast<QFont::Weight>(std::clamp(weight, 1, 1000));
}

CFontItem::CFontItem(int32_t id, QWidget* owner, std::u16string_view typeface, int pitch, int weight)
    : m_typeface(typeface.substr(0, kMaxFaceName)), m_pitch(pitch), m_weight(weight)
{
    SetItem(id, kKindFont, nullptr, owner);
    // Swiss family, default pitch: a sans-serif face when the name is not installed.
    m_font.setStyleHint(QFont::SansSerif);
    if (!m_typeface.empty())
        m_font.setFamily(QString::fromStdU16String(m_typeface));
    if (pitch > 0)
        m_font.setPixelSize(std::min(pitch, kMaxPixelSize));
    if (weight > 0)
        m_font.setWeight(QtWeight(weight));
}

} // namespace quor::skin
