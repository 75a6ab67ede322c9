#include "tray/CTrayNotifyIcon.h"

#include "platform/win/SystemMessages.h"
#include "platform/win/WindowApi.h"
#include "tray/TrayMenu.h"

#include <QCursor>

using namespace quor::win;

CTrayNotifyIcon::CTrayNotifyIcon() = default;

CTrayNotifyIcon::~CTrayNotifyIcon()
{
    if (m_added)
        m_trayIcon->hide();
    m_trayIcon.reset();
    m_menu.reset();
}

bool CTrayNotifyIcon::Create(HWND owner, const QIcon& icon)
{
    if (!QSystemTrayIcon::isSystemTrayAvailable())
        return false;
    m_owner = owner;
    if (!m_menu)
        m_menu = LoadTrayMenu(owner);
    m_trayIcon = std::make_unique<QSystemTrayIcon>(icon);
    m_trayIcon->setToolTip(QString::fromUtf16(kTrayIconTip, static_cast<qsizetype>(std::u16string_view(kTrayIconTip).size()))
                               .left(kTrayTipChars));
    QObject::connect(m_trayIcon.get(), &QSystemTrayIcon::activated, m_trayIcon.get(),
                     [this](QSystemTrayIcon::ActivationReason reason) { OnActivated(reason); });
    m_trayIcon->show();
    m_added = m_trayIcon->isVisible();
    return m_added;
}

void CTrayNotifyIcon::OnActivated(QSystemTrayIcon::ActivationReason reason)
{
    LPARAM message = WM_LBUTTONUP;
    switch (reason) {
    case QSystemTrayIcon::Context: message = WM_RBUTTONUP; break;
    case QSystemTrayIcon::DoubleClick: message = WM_LBUTTONDBLCLK; break;
    case QSystemTrayIcon::MiddleClick: message = WM_MBUTTONUP; break;
    case QSystemTrayIcon::Trigger:
    case QSystemTrayIcon::Unknown: message = WM_LBUTTONUP; break;
    }
    SendMessage(m_owner, WM_TRAYNOTIFY, kTrayIconId, message);
}

LRESULT CTrayNotifyIcon::OnTrayNotification(WPARAM id, LPARAM message)
{
    if (id != kTrayIconId)
        return 0;
    if (message == WM_RBUTTONUP && m_menu) {
        m_menu->popup(QCursor::pos());
        PostMessage(m_owner, WM_NULL, 0, 0);
    }
    return 1;
}

void CTrayNotifyIcon::SetMenu(std::unique_ptr<QMenu> menu, uint16_t defaultId)
{
    m_menu = std::move(menu);
    if (m_menu)
        m_menu->setDefaultAction(FindMenuAction(*m_menu, defaultId));
}
