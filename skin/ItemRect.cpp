#include "skin/ItemRect.h"

#include <algorithm>
#include <limits>

namespace quor::skin {

namespace {

int32_t SaturatingAdd(int32_t a, int32_t b)
{
    const int64_t sum = int64_t{a} + b;
    return static_cast<int32_t>(std::clamp<int64_t>(sum, std::numeric_limits<int32_t>::min(),
                                                    std::numeric_limits<int32_t>::max()));
}

} // namespace

ItemRect ItemRect::FromPositionAndSize(int32_t x, int32_t y, int32_t width, int32_t height)
{
    return {x, y, SaturatingAdd(x, width), SaturatingAdd(y, height)};
}

} // namespace quor::skin
