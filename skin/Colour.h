#pragma once

// Skin colours as the documents and items hold them: 0x00BBGGRR, -1 for "not given".

#include <QColor>

#include <cstdint>

namespace quor::skin {

constexpr int32_t RGB(int red, int green, int blue)
{
    return static_cast<int32_t>((red & 0xFF) | ((green & 0xFF) << 8) | ((blue & 0xFF) << 16));
}

inline QColor ToQColor(int32_t colour)
{
    return QColor(colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF);
}

} // namespace quor::skin
