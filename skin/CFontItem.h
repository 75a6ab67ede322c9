#pragma once

// A font named by a skin document: face name, height in pixels and weight, made after the
// document's font file (if any) has been registered.

#include "skin/CGUIItem.h"

#include <QFont>

#include <string>

namespace quor::skin {

// Face names are cut to this many units.
inline constexpr std::size_t kMaxFaceName = 31;
// Font weights as documents write them.
inline constexpr int kWeightNormal = 400;

class CFontItem : public CGUIItem {
public:
    // pitch and weight are used when greater than 0.
    CFontItem(int32_t id, QWidget* owner, std::u16string_view typeface, int pitch, int weight);

    const QFont& Font() const { return m_font; }
    const std::u16string& Typeface() const { return m_typeface; }
    int Pitch() const { return m_pitch; }
    int Weight() const { return m_weight; }

private:
    std::u16string m_typeface;
    int m_pitch = 0;
    int m_weight = 0;
    QFont m_font;
};

// A document weight (100 to 900, 400 normal, 700 bold) as Qt's weight.
QFont::Weight QtWeight(int weight);

} // namespace quor::skin
