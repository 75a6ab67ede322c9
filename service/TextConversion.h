#pragma once

// UTF-16 <-> UTF-8 for the service's texts (SQLite rows, JSON files, file paths). Unpaired
// surrogates and invalid UTF-8 become U+FFFD rather than failing.

#include <string>
#include <string_view>

namespace quor::service {

std::string ToUtf8(std::u16string_view text);
std::u16string FromUtf8(std::string_view text);

// A NUL-terminated text from a caller; null gives an empty text.
std::u16string FromWide(const char16_t* text);

// A copy in CoTaskMemAlloc memory for an out parameter; null when memory is short.
char16_t* CoTaskMemDup(std::u16string_view text);

} // namespace quor::service
