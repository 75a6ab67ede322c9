#pragma once

#include <chrono>
#include <functional>
#include <thread>

namespace quor::test {

// Polls a condition until it holds or the deadline passes; the way tests wait for something
// that happens on another thread or in another process, instead of sleeping a fixed time.
// pump runs between polls (for example a COM apartment pump or QCoreApplication::processEvents).
inline bool WaitUntil(const std::function<bool()>& condition,
                      std::chrono::milliseconds deadline = std::chrono::seconds(5),
                      const std::function<void()>& pump = {})
{
    const auto end = std::chrono::steady_clock::now() + deadline;
    while (!condition()) {
        if (std::chrono::steady_clock::now() > end)
            return false;
        if (pump)
            pump();
        // A short poll interval, so that waiting does not take a core from the thing waited for.
        std::this_thread::sleep_until(std::chrono::steady_clock::now() + std::chrono::milliseconds(2));
    }
    return true;
}

} // namespace quor::test
