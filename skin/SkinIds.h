#pragma once

// The fixed tables of the skin document format: id names (ids 0 to 342, 11 and 323 unused),
// colour names, list column names and column types. Every lookup ignores letter case and gives
// -1 for a name that is not listed.

#include <cstdint>
#include <string_view>

namespace quor::skin {

inline constexpr int kIdBackground = 0;
inline constexpr int kIdMask = 1;
inline constexpr int kIdBitmapQuorViewPlan = 216;
inline constexpr int kIdBitmapQuorViewSide = 217;
inline constexpr int kIdLanguageDefault = 314;
inline constexpr int kIdLanguageJapanese = 322;
inline constexpr int kIdCount = 343;

// List column names and types.
inline constexpr int kColumnMacroEventIcon = 4;
inline constexpr int kColumnMacroEventDescription = 5;
inline constexpr int kColumnTypeIcon = 0;
inline constexpr int kColumnTypeStatic = 1;

int IdFromName(std::u16string_view name);

// The id name of an id, or "" for an id outside the table or unused.
std::u16string_view NameFromId(int id);

// A colour as 0x00BBGGRR, or -1.
int32_t ColourFromName(std::u16string_view name);

int ColumnNameFromName(std::u16string_view name);
int ColumnTypeFromName(std::u16string_view name);

} // namespace quor::skin
