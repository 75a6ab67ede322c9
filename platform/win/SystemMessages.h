#pragma once

// The system's broadcast messages that the tray program listens to, with the Windows numbers:
// device-interface arrival and removal, session changes and display changes. Senders in
// platform/system deliver them with SendMessage, so lParam pointers are only valid during the
// call.

#include "platform/com/Guid.h"
#include "platform/win/WinTypes.h"

#include <cstdint>

namespace quor::win {

inline constexpr UINT WM_NULL = 0x0000;
inline constexpr UINT WM_DISPLAYCHANGE = 0x007E;
inline constexpr UINT WM_DEVICECHANGE = 0x0219;
inline constexpr UINT WM_WTSSESSION_CHANGE = 0x02B1;

// wParam of WM_DEVICECHANGE.
inline constexpr WPARAM DBT_DEVICEARRIVAL = 0x8000;
inline constexpr WPARAM DBT_DEVICEREMOVECOMPLETE = 0x8004;

// dbch_devicetype of a device broadcast.
inline constexpr uint32_t DBT_DEVTYP_DEVICEINTERFACE = 0x00000005;

// The common head of every device broadcast record (lParam of WM_DEVICECHANGE).
struct DEV_BROADCAST_HDR {
    uint32_t dbch_size = 0;
    uint32_t dbch_devicetype = 0;
    uint32_t dbch_reserved = 0;
};

// A device-interface broadcast: the interface class and the device path ("\\?\..." on Windows,
// a udev or virtual path here). dbcc_name points at a NUL-terminated UTF-16 text owned by the
// sender.
struct DEV_BROADCAST_DEVICEINTERFACE {
    uint32_t dbcc_size = sizeof(DEV_BROADCAST_DEVICEINTERFACE);
    uint32_t dbcc_devicetype = DBT_DEVTYP_DEVICEINTERFACE;
    uint32_t dbcc_reserved = 0;
    GUID dbcc_classguid{};
    const char16_t* dbcc_name = nullptr;
};

// The system's mouse device-interface class {378DE44C-56EF-11D1-BC8C-00A0C91405DD}.
inline constexpr GUID GUID_DEVINTERFACE_MOUSE{0x378DE44C, 0x56EF, 0x11D1,
                                              {0xBC, 0x8C, 0x00, 0xA0, 0xC9, 0x14, 0x05, 0xDD}};

// wParam of WM_WTSSESSION_CHANGE (lParam: the session id).
inline constexpr WPARAM WTS_CONSOLE_CONNECT = 0x1;
inline constexpr WPARAM WTS_CONSOLE_DISCONNECT = 0x2;
inline constexpr WPARAM WTS_REMOTE_CONNECT = 0x3;
inline constexpr WPARAM WTS_REMOTE_DISCONNECT = 0x4;
inline constexpr WPARAM WTS_SESSION_LOGON = 0x5;
inline constexpr WPARAM WTS_SESSION_LOGOFF = 0x6;
inline constexpr WPARAM WTS_SESSION_LOCK = 0x7;
inline constexpr WPARAM WTS_SESSION_UNLOCK = 0x8;

inline constexpr uint32_t NOTIFY_FOR_THIS_SESSION = 0;

} // namespace quor::win
