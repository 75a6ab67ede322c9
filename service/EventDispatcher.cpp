#include "service/EventDispatcher.h"

#include "device/_IDPIEvents.h"
#include "device/_IProfileManagerEvents.h"

#include <poll.h>
#include <sys/eventfd.h>
#include <unistd.h>

#include <cerrno>

namespace quor::service {

using quor::com::ComPtr;
using quor::com::ConnectionPoint;

EventDispatcher::EventDispatcher(std::filesystem::path store) : m_store(std::move(store)) {}

EventDispatcher::~EventDispatcher()
{
    if (m_thread.joinable()) {
        const uint64_t one = 1;
        [[maybe_unused]] auto written = write(m_stop, &one, sizeof one);
        m_thread.join();
    }
    if (m_stop >= 0)
        close(m_stop);
}

void EventDispatcher::AddProfileEvents(ConnectionPoint* point) { Add({false, GUID_NULL, ComPtr<ConnectionPoint>::Share(point)}); }

void EventDispatcher::AddDpiEvents(REFGUID profile, ConnectionPoint* point)
{
    Add({true, profile, ComPtr<ConnectionPoint>::Share(point)});
}

void EventDispatcher::Add(Entry entry)
{
    std::lock_guard lock(m_mutex);
    m_entries.push_back(std::move(entry));
    if (m_started)
        return;
    // The watcher takes its starting point here, before any sink can advise, so no change made
    // after an Advise is missed. Without it events cannot flow, but the calls still work.
    m_started = true;
    m_stop = eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK);
    if (m_stop < 0 || FAILED(m_watcher.Open(m_store)))
        return;
    m_thread = std::thread([this] { Run(); });
}

void EventDispatcher::Remove(ConnectionPoint* point)
{
    ComPtr<ConnectionPoint> released;
    std::lock_guard lock(m_mutex);
    for (auto entry = m_entries.begin(); entry != m_entries.end(); ++entry) {
        if (entry->point.Get() == point) {
            released = std::move(entry->point);
            m_entries.erase(entry);
            break;
        }
    }
}

void EventDispatcher::Run()
{
    pollfd descriptors[2] = {{m_watcher.Fd(), POLLIN, 0}, {m_stop, POLLIN, 0}};
    for (;;) {
        if (poll(descriptors, 2, -1) < 0) {
            if (errno == EINTR)
                continue;
            return;
        }
        if (descriptors[1].revents)
            return;
        std::vector<DeviceEvent> events;
        m_watcher.ReadEvents(events);
        for (const auto& event : events)
            Deliver(event);
    }
}

void EventDispatcher::Deliver(const DeviceEvent& event)
{
    std::vector<ComPtr<ConnectionPoint>> points;
    {
        std::lock_guard lock(m_mutex);
        for (const auto& entry : m_entries) {
            const bool wanted = event.kind == DeviceEventKind::ProfileChanged ? !entry.dpi
                                : event.kind == DeviceEventKind::DpiChanged  ? entry.dpi && entry.profile == event.profile
                                                                             : false;
            if (wanted)
                points.push_back(entry.point);
        }
    }
    for (const auto& point : points) {
        if (event.kind == DeviceEventKind::ProfileChanged) {
            const int32_t value = event.value;
            point->Fire([value](IUnknown* sink) { static_cast<_IProfileManagerEvents*>(sink)->OnProfileChanged(value); });
        } else {
            const int32_t x = event.x;
            const int32_t y = event.y;
            point->Fire([x, y](IUnknown* sink) { static_cast<_IDPIEvents*>(sink)->OnDpiChanged(x, y); });
        }
    }
}

} // namespace quor::service
