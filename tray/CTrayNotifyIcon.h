#pragma once

// The tray program's icon in the notification area, on QSystemTrayIcon. Clicks on the icon
// reach the owner window as the callback message WM_TRAYNOTIFY (wParam the icon id, lParam the
// mouse message: WM_RBUTTONUP for the context click, WM_LBUTTONDBLCLK, WM_LBUTTONUP,
// WM_MBUTTONUP); the owner answers with OnTrayNotification, which shows the menu for the
// context click. The system tray re-docks the icon itself when the tray host restarts.

#include "platform/win/WinMessages.h"
#include "platform/win/WinTypes.h"

#include <QIcon>
#include <QMenu>
#include <QSystemTrayIcon>

#include <memory>
#include <string_view>

inline constexpr quor::win::UINT WM_TRAYNOTIFY = quor::win::WM_USER + 100; // 1124
inline constexpr quor::win::UINT kTrayIconId = 129;
inline constexpr char16_t kTrayIconTip[] = u"Morva Quor Configurator";
inline constexpr size_t kTrayTipChars = 127;

class CTrayNotifyIcon {
public:
    CTrayNotifyIcon();
    // Removes the icon.
    ~CTrayNotifyIcon();
    CTrayNotifyIcon(const CTrayNotifyIcon&) = delete;
    CTrayNotifyIcon& operator=(const CTrayNotifyIcon&) = delete;

    // Adds the icon with the tip, its clicks going to owner. False when no system tray is
    // available (then nothing is shown).
    bool Create(quor::win::HWND owner, const QIcon& icon);

    // 0 for another icon id; otherwise handles the mouse message (the context click shows the
    // menu at the cursor) and returns 1.
    quor::win::LRESULT OnTrayNotification(quor::win::WPARAM id, quor::win::LPARAM message);

    // Replaces the menu (the previous one is destroyed) and makes its entry the default one.
    void SetMenu(std::unique_ptr<QMenu> menu, uint16_t defaultId);
    QMenu* GetMenu() const { return m_menu.get(); }

    bool IsAdded() const { return m_added; }
    const QSystemTrayIcon* GetTrayIcon() const { return m_trayIcon.get(); }

private:
    void OnActivated(QSystemTrayIcon::ActivationReason reason);

    std::unique_ptr<QSystemTrayIcon> m_trayIcon;
    bool m_added = false;
    quor::win::HWND m_owner = nullptr;
    std::unique_ptr<QMenu> m_menu;
};
