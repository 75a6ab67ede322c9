#include "service/DeviceWatcher.h"

#include "service/DeviceNotification.h"
#include "service/DeviceStore.h"
#include "service/MouseLayout.h"
#include "service/VirtualMouse.h"

#include <sys/inotify.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace quor::service {

std::optional<DeviceNotification> DeviceNotification::FromEvent(const DeviceEvent& event)
{
    if (event.kind != DeviceEventKind::Plug)
        return std::nullopt;
    return DeviceNotification{event.value ? Kind::Arrival : Kind::Removal, kDeviceInterfacePath};
}

DeviceWatcher::DeviceWatcher() = default;

DeviceWatcher::~DeviceWatcher()
{
    if (m_inotify >= 0)
        close(m_inotify);
}

HRESULT DeviceWatcher::Open() { return Open(DeviceStore::DefaultPath()); }

HRESULT DeviceWatcher::Open(const std::filesystem::path& store)
{
    std::shared_ptr<VirtualMouse> mouse;
    if (const HRESULT opened = VirtualMouse::Open(store, VirtualMouse::Presence::Ignored, mouse); FAILED(opened))
        return opened;
    const int descriptor = inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    if (descriptor < 0)
        return E_FAIL;
    // Every commit writes the -wal file (or the store itself after a checkpoint); the folder is
    // watched, as SQLite makes and removes the -wal file as it goes.
    const auto folder = store.parent_path().empty() ? std::filesystem::path(".") : store.parent_path();
    if (inotify_add_watch(descriptor, folder.c_str(), IN_MODIFY | IN_CREATE | IN_MOVED_TO | IN_CLOSE_WRITE) < 0) {
        close(descriptor);
        return E_FAIL;
    }
    int64_t last = 0;
    if (const HRESULT read = mouse->LastEventSequence(last); FAILED(read)) {
        close(descriptor);
        return read;
    }
    if (m_inotify >= 0)
        close(m_inotify);
    m_inotify = descriptor;
    m_mouse = std::move(mouse);
    m_lastSequence = last;
    m_watchedNames[0] = store.filename().string();
    m_watchedNames[1] = store.filename().string() + "-wal";
    return S_OK;
}

HRESULT DeviceWatcher::ReadEvents(std::vector<DeviceEvent>& events)
{
    if (!m_mouse)
        return E_FAIL;
    bool relevant = false;
    alignas(inotify_event) char buffer[4096];
    for (;;) {
        const ssize_t length = read(m_inotify, buffer, sizeof buffer);
        if (length <= 0)
            break;
        for (ssize_t offset = 0; offset < length;) {
            const auto* change = reinterpret_cast<const inotify_event*>(buffer + offset);
            if (change->len > 0 && (m_watchedNames[0] == change->name || m_watchedNames[1] == change->name))
                relevant = true;
            if (change->mask & IN_Q_OVERFLOW)
                relevant = true;
            offset += static_cast<ssize_t>(sizeof(inotify_event) + change->len);
        }
    }
    if (!relevant)
        return S_FALSE;
    const size_t before = events.size();
    const HRESULT read = m_mouse->EventsAfter(m_lastSequence, events);
    if (FAILED(read))
        return read;
    if (events.size() > before)
        m_lastSequence = events.back().sequence;
    return S_OK;
}

} // namespace quor::service
