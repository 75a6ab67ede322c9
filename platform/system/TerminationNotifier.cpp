#include "platform/system/TerminationNotifier.h"

#include <QSocketNotifier>

#include <csignal>
#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>

namespace quor::system {

namespace {

// The handler may only write to a descriptor; everything else happens in the event loop.
int g_signalSockets[2] = {-1, -1};

void OnSignal(int)
{
    const char byte = 1;
    [[maybe_unused]] const ssize_t written = write(g_signalSockets[0], &byte, 1);
}

constexpr int kSignals[] = {SIGTERM, SIGINT, SIGHUP};

} // namespace

TerminationNotifier::TerminationNotifier() = default;

TerminationNotifier::~TerminationNotifier()
{
    if (!m_notifier)
        return;
    for (int signal : kSignals)
        std::signal(signal, SIG_DFL);
    m_notifier.reset();
    close(g_signalSockets[0]);
    close(g_signalSockets[1]);
    g_signalSockets[0] = g_signalSockets[1] = -1;
}

bool TerminationNotifier::Install(std::function<void()> onTermination)
{
    if (g_signalSockets[0] >= 0)
        return false;
    if (socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0, g_signalSockets) != 0)
        return false;
    m_onTermination = std::move(onTermination);
    m_notifier = std::make_unique<QSocketNotifier>(g_signalSockets[1], QSocketNotifier::Read);
    connect(m_notifier.get(), &QSocketNotifier::activated, this, [this] { OnReadable(); });
    struct sigaction action {};
    action.sa_handler = OnSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int signal : kSignals)
        sigaction(signal, &action, nullptr);
    return true;
}

void TerminationNotifier::OnReadable()
{
    char bytes[16];
    while (read(g_signalSockets[1], bytes, sizeof bytes) > 0) {
    }
    if (m_onTermination)
        m_onTermination();
}

} // namespace quor::system
