#include "platform/com/Apartment.h"

#include <cerrno>
#include <cstdint>
#include <poll.h>
#include <sys/eventfd.h>
#include <unistd.h>

namespace quor::com {

namespace {

// Closes the apartment when its thread ends, so late posts from other threads are refused.
struct ThreadApartment {
    std::shared_ptr<Apartment> apartment;
    ~ThreadApartment()
    {
        if (apartment)
            apartment->Close();
    }
};

thread_local ThreadApartment t_apartment;

} // namespace

Apartment::Apartment() : m_eventFd(eventfd(0, EFD_NONBLOCK | EFD_CLOEXEC)) {}

Apartment::~Apartment()
{
    if (m_eventFd >= 0)
        close(m_eventFd);
}

std::shared_ptr<Apartment> Apartment::Current(Create create)
{
    if (!t_apartment.apartment && create == Create::Yes)
        t_apartment.apartment = std::make_shared<Apartment>();
    return t_apartment.apartment;
}

bool Apartment::Post(std::function<void()> call, Kind kind)
{
    {
        std::lock_guard lock(m_mutex);
        if (m_closed)
            return false;
        m_queue.push_back({std::move(call), kind});
    }
    const uint64_t one = 1;
    // The counter saturating (EAGAIN) still leaves the descriptor readable.
    [[maybe_unused]] auto written = write(m_eventFd, &one, sizeof one);
    return true;
}

void Apartment::Drain()
{
    uint64_t count = 0;
    [[maybe_unused]] auto readBytes = read(m_eventFd, &count, sizeof count);
}

void Apartment::RunEssential(std::deque<Call>& calls)
{
    for (auto& call : calls) {
        if (call.kind == Kind::Essential)
            call.run();
    }
}

size_t Apartment::Pump()
{
    Drain();
    std::deque<Call> calls;
    {
        std::lock_guard lock(m_mutex);
        calls.swap(m_queue);
    }
    for (auto& call : calls)
        call.run();
    return calls.size();
}

size_t Apartment::WaitAndPump(int timeoutMs)
{
    pollfd descriptor{m_eventFd, POLLIN, 0};
    while (poll(&descriptor, 1, timeoutMs) < 0 && errno == EINTR) {
    }
    return Pump();
}

void Apartment::Clear()
{
    std::deque<Call> calls;
    {
        std::lock_guard lock(m_mutex);
        calls.swap(m_queue);
    }
    Drain();
    RunEssential(calls);
}

void Apartment::Close()
{
    std::deque<Call> calls;
    {
        std::lock_guard lock(m_mutex);
        m_closed = true;
        calls.swap(m_queue);
    }
    RunEssential(calls);
}

} // namespace quor::com
