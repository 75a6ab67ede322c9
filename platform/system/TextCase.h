#pragma once

// Comparison of UTF-16 text regardless of letter case, for every letter of the Basic
// Multilingual Plane that has a case (Unicode simple case folding: "É" = "é", "Ж" = "ж",
// "Σ" = "σ" = "ς"). Code units outside the BMP (surrogates) compare as they are. Independent of
// the process locale; no Qt.

#include <string>
#include <string_view>

namespace quor::system {

// The simple case fold of one code unit (a lower-case letter for most scripts).
char16_t FoldCase(char16_t ch);

// The text with every code unit folded.
std::u16string FoldCase(std::u16string_view text);

bool EqualsNoCase(std::u16string_view a, std::u16string_view b);

// <0, 0, >0 like wcsicmp: code units compared after folding, a shorter prefix first.
int CompareNoCase(std::u16string_view a, std::u16string_view b);

} // namespace quor::system
