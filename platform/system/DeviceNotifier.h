#pragma once

// Device-interface notifications for mice, in place of RegisterDeviceNotificationW with the
// mouse interface class: a udev monitor of input devices that udev marks as mice. Each arrival
// or removal is sent to the recipient window as WM_DEVICECHANGE (DBT_DEVICEARRIVAL or
// DBT_DEVICEREMOVECOMPLETE) with a DEV_BROADCAST_DEVICEINTERFACE whose path has the Windows
// shape "\\?\HID#VID_xxxx&PID_xxxx#<device>#{mouse interface class}", so the USB ids can be
// matched as on Windows. Other sources of device notifications (a virtual device) send through
// SendDeviceChange.

#include "platform/win/WinTypes.h"

#include <QObject>

#include <memory>
#include <string>
#include <string_view>

struct udev;
struct udev_monitor;
class QSocketNotifier;

namespace quor::system {

class DeviceNotifier : public QObject {
    Q_OBJECT

public:
    DeviceNotifier();
    ~DeviceNotifier() override;

    // Starts the udev monitor for the window; false when udev is not reachable (no events then).
    bool Register(win::HWND recipient);
    void Unregister();
    bool IsRegistered() const { return m_monitor != nullptr; }

    // WM_DEVICECHANGE(event, broadcast of a mouse device interface with this path), sent now.
    static win::LRESULT SendDeviceChange(win::HWND recipient, win::WPARAM event, std::u16string_view path);

    // The device path of a mouse interface from its USB ids (hex as udev gives them) and a device
    // name that makes it unique.
    static std::u16string MouseInterfacePath(std::string_view vendorId, std::string_view productId,
                                             std::string_view device);

private:
    void OnMonitorReadable();

    win::HWND m_recipient = nullptr;
    udev* m_udev = nullptr;
    udev_monitor* m_monitor = nullptr;
    std::unique_ptr<QSocketNotifier> m_notifier;
};

} // namespace quor::system
