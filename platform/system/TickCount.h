#pragma once

#include <cstdint>

namespace quor::system {

// GetTickCount: milliseconds of a steady clock, wrapping at 2^32 (about 49.7 days).
uint32_t GetTickCount();

} // namespace quor::system
