#pragma once

// The virtual mouse's plug and unplug, from any process, as device-interface notifications:
// WM_DEVICECHANGE to the recipient window, like the udev notifications of real mice.

#include "platform/win/WinTypes.h"
#include "service/DeviceWatcher.h"

#include <QObject>
#include <QSocketNotifier>

#include <memory>

class VirtualMouseNotifier : public QObject {
public:
    VirtualMouseNotifier() = default;
    ~VirtualMouseNotifier() override = default;

    // Watches the virtual mouse's store; false when it cannot be opened.
    bool Register(quor::win::HWND recipient);
    void Unregister();
    bool IsRegistered() const { return static_cast<bool>(m_notifier); }

private:
    void OnReadable();

    quor::win::HWND m_recipient = nullptr;
    std::unique_ptr<quor::service::DeviceWatcher> m_watcher;
    std::unique_ptr<QSocketNotifier> m_notifier;
};
