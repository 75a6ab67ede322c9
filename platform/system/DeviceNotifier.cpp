#include "platform/system/DeviceNotifier.h"

#include "platform/system/Utf16.h"
#include "platform/win/SystemMessages.h"
#include "platform/win/WindowApi.h"

#include <QSocketNotifier>

#include <cctype>
#include <cstring>
#include <libudev.h>

namespace quor::system {

namespace {

constexpr char kInputSubsystem[] = "input";
constexpr char16_t kMouseInterfaceClass[] = u"{378DE44C-56EF-11D1-BC8C-00A0C91405DD}";

std::string Upper(std::string_view text)
{
    std::string result(text);
    for (char& c : result)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return result;
}

const char* Property(udev_device* device, const char* name)
{
    const char* value = udev_device_get_property_value(device, name);
    return value ? value : "";
}

} // namespace

DeviceNotifier::DeviceNotifier() = default;

DeviceNotifier::~DeviceNotifier()
{
    Unregister();
}

bool DeviceNotifier::Register(win::HWND recipient)
{
    Unregister();
    m_udev = udev_new();
    if (!m_udev)
        return false;
    m_monitor = udev_monitor_new_from_netlink(m_udev, "udev");
    if (!m_monitor || udev_monitor_filter_add_match_subsystem_devtype(m_monitor, kInputSubsystem, nullptr) < 0
        || udev_monitor_enable_receiving(m_monitor) < 0) {
        Unregister();
        return false;
    }
    m_recipient = recipient;
    m_notifier = std::make_unique<QSocketNotifier>(udev_monitor_get_fd(m_monitor), QSocketNotifier::Read);
    connect(m_notifier.get(), &QSocketNotifier::activated, this, &DeviceNotifier::OnMonitorReadable);
    return true;
}

void DeviceNotifier::Unregister()
{
    m_notifier.reset();
    if (m_monitor)
        udev_monitor_unref(m_monitor);
    m_monitor = nullptr;
    if (m_udev)
        udev_unref(m_udev);
    m_udev = nullptr;
    m_recipient = nullptr;
}

void DeviceNotifier::OnMonitorReadable()
{
    udev_device* device = udev_monitor_receive_device(m_monitor);
    if (!device)
        return;
    const char* action = udev_device_get_action(device);
    const char* node = udev_device_get_devnode(device);
    // A mouse interface is a device node of an input device that udev classifies as a mouse.
    if (action && node && std::strcmp(Property(device, "ID_INPUT_MOUSE"), "1") == 0) {
        const std::u16string path = MouseInterfacePath(Property(device, "ID_VENDOR_ID"),
                                                       Property(device, "ID_MODEL_ID"),
                                                       udev_device_get_sysname(device));
        if (std::strcmp(action, "add") == 0)
            SendDeviceChange(m_recipient, win::DBT_DEVICEARRIVAL, path);
        else if (std::strcmp(action, "remove") == 0)
            SendDeviceChange(m_recipient, win::DBT_DEVICEREMOVECOMPLETE, path);
    }
    udev_device_unref(device);
}

win::LRESULT DeviceNotifier::SendDeviceChange(win::HWND recipient, win::WPARAM event, std::u16string_view path)
{
    const std::u16string name(path);
    win::DEV_BROADCAST_DEVICEINTERFACE broadcast;
    broadcast.dbcc_classguid = win::GUID_DEVINTERFACE_MOUSE;
    broadcast.dbcc_name = name.c_str();
    return win::SendMessage(recipient, win::WM_DEVICECHANGE, event, reinterpret_cast<win::LPARAM>(&broadcast));
}

std::u16string DeviceNotifier::MouseInterfacePath(std::string_view vendorId, std::string_view productId,
                                                  std::string_view device)
{
    return u"\\\\?\\HID#VID_" + FromUtf8(Upper(vendorId)) + u"&PID_" + FromUtf8(Upper(productId)) + u"#"
        + FromUtf8(device) + u"#" + kMouseInterfaceClass;
}

} // namespace quor::system
