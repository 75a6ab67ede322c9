#pragma once

// The tray program's hidden main window. It owns the notification icon and its menu, the
// on-screen display, the automatic profile switching timer, the device and session
// notifications and the two device event subscriptions, and receives the device service's
// events through IDpiEventHandler and IProfileEventHandler. Never shown.

#include "platform/system/DeviceNotifier.h"
#include "platform/system/SessionNotifier.h"
#include "platform/win/MessageWindow.h"
#include "tray/CDpiEventConnection.h"
#include "tray/COsdController.h"
#include "tray/CProfileEventConnection.h"
#include "tray/CTrayNotifyIcon.h"
#include "tray/IDpiEventHandler.h"
#include "tray/IProfileEventHandler.h"
#include "tray/VirtualMouseNotifier.h"
#include "tray/_Profile_Setting_.h"

#include <QDialog>
#include <QIcon>

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

inline constexpr quor::win::UINT_PTR kAutoSwitchTimerId = 700;
inline constexpr quor::win::UINT kAutoSwitchPeriodMs = 5000;
inline constexpr int kDisplayBars = 20;
inline constexpr char16_t kTrayIconFailedText[] = u"Failed to create tray icon 1";
inline constexpr char16_t kTrayIconFile[] = u"QuorTray.png";
inline constexpr char16_t kConfiguratorProgram[] = u"QuorConfig";
inline constexpr char16_t kSingleInstanceName[] = u"Vorn2SysTray";

class CVornSysTrayDlg : public quor::win::MessageWindow<QDialog>, public IDpiEventHandler, public IProfileEventHandler {
public:
    // The executable file name of the foreground window's program, or none.
    using ForegroundProgramSource = std::function<std::optional<std::u16string>()>;
    // Shows an error message box and returns when the user closed it.
    using MessageBoxFunction = std::function<void(std::u16string_view text)>;

    CVornSysTrayDlg();
    ~CVornSysTrayDlg() override;

    // Adds the tray icon, then starts everything else. Without a system tray: the error message
    // box, and nothing else starts (the program stays, without icon).
    void OnInitDialog();
    // What start-up does once the icon is there: displays, the automatic switching timer, the
    // device and session notifications, the event subscriptions.
    void StartServices();

    // Makes the subscriptions that are missing; connected once both exist.
    void ConnectEvents();
    // Ends both subscriptions when connected.
    void DisconnectEvents();

    void OnDpiChanged(int32_t x, int32_t y) override;
    void OnProfileChanged(int32_t value) override;

    void ShowProfileText(std::u16string_view name);
    // Starts the configurator from the installation folder that the registry names; false when
    // the folder is unknown or the start failed.
    bool LaunchConfigurator();
    bool ForegroundProgramIs(std::u16string_view program) const;
    void RegisterForDevices();

    // A device path that names this mouse: "VID_5E2D" and "PID_0015" after its first character,
    // regardless of case.
    static bool IsQuorDevicePath(std::u16string_view path);

    void SetForegroundProgramSource(ForegroundProgramSource source) { m_foregroundProgram = std::move(source); }
    void SetMessageBox(MessageBoxFunction messageBox) { m_messageBox = std::move(messageBox); }

    bool IsConnected() const { return m_connected; }
    const CDpiEventConnection* GetDpiConnection() const { return m_dpiConnection.get(); }
    const CProfileEventConnection* GetProfileConnection() const { return m_profileConnection.get(); }
    COsdController* GetDisplayController() const { return m_displayController.get(); }
    const CTrayNotifyIcon& GetTrayIcon() const { return m_trayIcon; }
    const std::vector<std::u16string>& GetProfileNames() const { return m_profileNames; }
    bool IsAutoSwitchTimerRunning() const { return m_autoSwitchTimer != 0; }
    bool IsRegisteredForDevices() const { return m_deviceNotification || m_virtualMouseNotification; }

protected:
    quor::win::LRESULT WindowProc(quor::win::UINT message, quor::win::WPARAM wParam,
                                  quor::win::LPARAM lParam) override;

private:
    void OnTrayNotify(quor::win::WPARAM id, quor::win::LPARAM mouseMessage);
    void RebuildMenu();
    void OnCommand(uint16_t id);
    void OnProfileCommand(size_t entry);
    void OnAutoSwitchTimer();
    std::optional<std::u16string> ForegroundProgram() const;
    void OnDeviceChange(quor::win::WPARAM event, quor::win::LPARAM data);
    void OnSessionChange(quor::win::WPARAM reason);
    void StartAutoSwitchTimer();
    void StopAutoSwitchTimer();
    void CleanUp();
    void Close();

    QIcon m_windowIcon;
    QIcon m_trayImage;
    CTrayNotifyIcon m_trayIcon;
    quor::win::UINT_PTR m_autoSwitchTimer = 0;
    std::vector<std::u16string> m_profileNames;
    std::vector<_Profile_Setting_> m_profileSettings;
    bool m_connected = false;
    std::unique_ptr<COsdController> m_displayController;
    std::unique_ptr<quor::system::DeviceNotifier> m_deviceNotification;
    std::unique_ptr<VirtualMouseNotifier> m_virtualMouseNotification;
    quor::system::SessionNotifier m_sessionNotification;
    std::unique_ptr<CDpiEventConnection> m_dpiConnection;
    std::unique_ptr<CProfileEventConnection> m_profileConnection;
    ForegroundProgramSource m_foregroundProgram;
    MessageBoxFunction m_messageBox;
};
