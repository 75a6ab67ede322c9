#pragma once

// Text helpers of the service: UTF-16 <-> UTF-8 (from the platform layer) for SQLite rows, JSON
// files and paths, and texts handed across the interfaces.

#include "platform/system/Utf16.h"

#include <string>
#include <string_view>

namespace quor::service {

using quor::system::FromUtf8;
using quor::system::ToUtf8;

// A copy in CoTaskMemAlloc memory for an out parameter; null when memory is short.
char16_t* CoTaskMemDup(std::u16string_view text);

} // namespace quor::service
