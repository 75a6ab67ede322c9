#pragma once

// Listens to the virtual mouse's event log from any process, without Qt and without polling:
// Fd() becomes readable when the store may have changed (inotify on its folder); ReadEvents
// then gives the events logged since the last call (or since Open). Plug events turn into
// device notifications with DeviceNotification::FromEvent.
//
// A Qt program watches Fd() with a QSocketNotifier (Read) and calls ReadEvents when it fires;
// others poll() it. One watcher per thread; not thread-safe itself.

#include "platform/com/HResult.h"
#include "service/DeviceEvent.h"

#include <filesystem>
#include <memory>
#include <vector>

namespace quor::service {

class VirtualMouse;

class DeviceWatcher {
public:
    DeviceWatcher();
    ~DeviceWatcher();
    DeviceWatcher(const DeviceWatcher&) = delete;
    DeviceWatcher& operator=(const DeviceWatcher&) = delete;

    // Opens the store (made in the factory state when missing) and starts watching it.
    HRESULT Open(const std::filesystem::path& store);
    HRESULT Open();

    int Fd() const { return m_inotify; }

    // Drains Fd() and appends the new events, oldest first.
    HRESULT ReadEvents(std::vector<DeviceEvent>& events);

private:
    std::shared_ptr<VirtualMouse> m_mouse;
    std::string m_watchedNames[2];
    int m_inotify = -1;
    int64_t m_lastSequence = 0;
};

} // namespace quor::service
