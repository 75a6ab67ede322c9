#pragma once

// The single-threaded apartment of one thread: a queue of calls that run only on that thread,
// and an event file descriptor that is readable while calls are queued. Other threads post to
// it; the owning thread pumps it (CoPumpApartment, or its Qt event loop through the glue).

#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>

namespace quor::com {

class Apartment {
public:
    Apartment();
    ~Apartment();
    Apartment(const Apartment&) = delete;
    Apartment& operator=(const Apartment&) = delete;

    // The calling thread's apartment; made on first use when create says so, else null.
    enum class Create { No, Yes };
    static std::shared_ptr<Apartment> Current(Create create = Create::Yes);

    // Queues a call; false when the apartment's thread has ended. A call that must not be lost
    // (such as a sink's final Release) is Essential: dropping the queue runs it instead.
    enum class Kind { Event, Essential };
    bool Post(std::function<void()> call, Kind kind = Kind::Event);
    // Runs what is queued now (calls queued meanwhile wait for the next pump); owning thread only.
    size_t Pump();
    // Waits up to timeout_ms for queued calls (-1: no limit), then pumps.
    size_t WaitAndPump(int timeoutMs);
    // Drops queued events without running them (essential calls still run).
    void Clear();
    // The thread is ending: no more calls are accepted; essential calls still run.
    void Close();

    bool IsCurrentThread() const { return std::this_thread::get_id() == m_owner; }
    int EventFd() const { return m_eventFd; }

private:
    struct Call {
        std::function<void()> run;
        Kind kind = Kind::Event;
    };
    void Drain();
    static void RunEssential(std::deque<Call>& calls);

    const std::thread::id m_owner = std::this_thread::get_id();
    int m_eventFd = -1;
    std::mutex m_mutex;
    std::deque<Call> m_queue;
    bool m_closed = false;
};

} // namespace quor::com
