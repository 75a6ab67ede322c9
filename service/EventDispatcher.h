#pragma once

// Turns the virtual mouse's event log into connection-point events in this process: one thread
// blocks on a DeviceWatcher and, for each new event, fires the connection points that want it
// (the ConnectionPoint queues the call to each sink's own thread). Started by the first
// registration; stopped when destroyed.

#include "platform/com/ComPtr.h"
#include "platform/com/ConnectionPoint.h"
#include "platform/com/Guid.h"
#include "service/DeviceEvent.h"
#include "service/DeviceWatcher.h"

#include <filesystem>
#include <mutex>
#include <thread>
#include <vector>

namespace quor::service {

class EventDispatcher {
public:
    explicit EventDispatcher(std::filesystem::path store);
    ~EventDispatcher();
    EventDispatcher(const EventDispatcher&) = delete;
    EventDispatcher& operator=(const EventDispatcher&) = delete;

    // Profile events of the device, or sensitivity events of one profile.
    void AddProfileEvents(quor::com::ConnectionPoint* point);
    void AddDpiEvents(REFGUID profile, quor::com::ConnectionPoint* point);
    void Remove(quor::com::ConnectionPoint* point);

private:
    struct Entry {
        bool dpi = false;
        GUID profile;
        quor::com::ComPtr<quor::com::ConnectionPoint> point;
    };

    void Add(Entry entry);
    void Run();
    void Deliver(const DeviceEvent& event);

    const std::filesystem::path m_store;
    std::mutex m_mutex;
    std::vector<Entry> m_entries;
    DeviceWatcher m_watcher;
    bool m_started = false;
    int m_stop = -1;
    std::thread m_thread;
};

} // namespace quor::service
