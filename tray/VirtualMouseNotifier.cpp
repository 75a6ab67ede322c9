#include "tray/VirtualMouseNotifier.h"

#include "platform/system/DeviceNotifier.h"
#include "platform/win/SystemMessages.h"
#include "service/DeviceNotification.h"

#include <vector>

using namespace quor::win;
using quor::service::DeviceNotification;

bool VirtualMouseNotifier::Register(HWND recipient)
{
    Unregister();
    auto watcher = std::make_unique<quor::service::DeviceWatcher>();
    if (FAILED(watcher->Open()) || watcher->Fd() < 0)
        return false;
    m_recipient = recipient;
    m_watcher = std::move(watcher);
    m_notifier = std::make_unique<QSocketNotifier>(m_watcher->Fd(), QSocketNotifier::Read);
    connect(m_notifier.get(), &QSocketNotifier::activated, this, &VirtualMouseNotifier::OnReadable);
    return true;
}

void VirtualMouseNotifier::Unregister()
{
    m_notifier.reset();
    m_watcher.reset();
    m_recipient = nullptr;
}

void VirtualMouseNotifier::OnReadable()
{
    std::vector<quor::service::DeviceEvent> events;
    if (FAILED(m_watcher->ReadEvents(events)))
        return;
    for (const auto& event : events) {
        const auto notification = DeviceNotification::FromEvent(event);
        if (!notification)
            continue;
        const WPARAM kind = notification->kind == DeviceNotification::Kind::Arrival ? DBT_DEVICEARRIVAL
                                                                                    : DBT_DEVICEREMOVECOMPLETE;
        quor::system::DeviceNotifier::SendDeviceChange(m_recipient, kind, notification->path);
        // The recipient may have unregistered while handling it.
        if (!m_watcher)
            return;
    }
}
