#pragma once

// Waits for a condition while this thread's Qt event loop keeps running (posted messages,
// timers, socket notifiers and so the device service's events); false when the deadline passes.
// For GoogleTest: QtTest's QTRY macros do not report to it.

#include "support/WaitUntil.h"

#include <QCoreApplication>

namespace quor::test {

inline bool WaitForQt(const std::function<bool()>& condition, std::chrono::milliseconds deadline = std::chrono::seconds(5))
{
    return WaitUntil(condition, deadline, [] { QCoreApplication::processEvents(QEventLoop::AllEvents, 5); });
}

} // namespace quor::test
