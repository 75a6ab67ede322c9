#pragma once

// Text rules shared by the skinned items: case changes, tooltip texts, the text-drawing flags
// derived from a document's justify and multiline, and drawing a text with them.

#include <QFont>

#include <cstdint>
#include <string>
#include <string_view>

class QPainter;
class QRect;

namespace quor::skin {

// Text-drawing flags, with the values the items store.
inline constexpr int DT_LEFT = 0x0;
inline constexpr int DT_CENTER = 0x1;
inline constexpr int DT_RIGHT = 0x2;
inline constexpr int DT_VCENTER = 0x4;
inline constexpr int DT_WORDBREAK = 0x10;
inline constexpr int DT_SINGLELINE = 0x20;

// Caption and label colour when an item has none (0 means "not set").
inline constexpr int32_t kDefaultTextColour = 0xFEFEFE;

// "U" upper case, "L" lower case; anything else leaves the text.
std::u16string ApplyCaps(std::u16string_view text, std::u16string_view caps);

// Looked up in the current language, then the first backslash and the unit after it become
// one space.
std::u16string TooltipText(std::u16string_view text);

// The first backslash followed by n becomes a carriage return and line feed.
std::u16string WithLineBreak(std::u16string_view text);

// The horizontal alignment a justify value selects (DT_LEFT, DT_CENTER or DT_RIGHT).
int AlignmentFromJustify(std::u16string_view justify);

// Text items and bitmap windows: 0 for left and single line (drawn as a plain run).
int TextItemFormat(std::u16string_view justify, bool multiline);

// Button captions: vertically centred, aligned by justify, wrapped or single line.
int CaptionFormat(std::u16string_view justify, bool multiline);

// The temporary font items draw with when they have none: Arial, 14 pixels, bold.
QFont DefaultItemFont();

void DrawItemText(QPainter& painter, const QRect& area, std::u16string_view text, int format);

} // namespace quor::skin
