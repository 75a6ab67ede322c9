#pragma once

// The requests to end a program that arrive as signals (SIGTERM at log-out or from a service
// manager, SIGINT, SIGHUP), delivered as a call on the thread of the Qt event loop, where the
// program can end in order. One per process.

#include <QObject>

#include <functional>
#include <memory>

class QSocketNotifier;

namespace quor::system {

class TerminationNotifier : public QObject {
public:
    TerminationNotifier();
    ~TerminationNotifier() override;

    // Calls onTermination for each request from now on; false when the signals cannot be taken.
    bool Install(std::function<void()> onTermination);

private:
    void OnReadable();

    std::function<void()> m_onTermination;
    std::unique_ptr<QSocketNotifier> m_notifier;
};

} // namespace quor::system
