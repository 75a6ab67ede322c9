#include "platform/system/TickCount.h"

#include <chrono>

namespace quor::system {

uint32_t GetTickCount()
{
    const auto now = std::chrono::steady_clock::now().time_since_epoch();
    return uint32_t(std::chrono::duration_cast<std::chrono::milliseconds>(now).count());
}

} // namespace quor::system
