#include "tray/CVornSysTrayDlg.h"

#include "platform/com/Com.h"
#include "platform/com/QtApartment.h"
#include "platform/system/ForegroundProgram.h"
#include "platform/system/Registry.h"
#include "platform/system/Shell.h"
#include "platform/win/SystemMessages.h"
#include "platform/win/WindowApi.h"
#include "tray/CDeviceManager.h"
#include "tray/OsdGeometry.h"
#include "tray/TrayMenu.h"

#include <QCoreApplication>
#include <QDir>
#include <QMessageBox>

#include <string>

using namespace quor::win;

namespace {

QString ToQString(std::u16string_view text)
{
    return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
}

std::u16string DecimalText(int32_t value)
{
    return QString::number(value).toStdU16String();
}

std::u16string UpperAscii(std::u16string_view text)
{
    std::u16string result(text);
    for (char16_t& c : result) {
        if (c >= u'a' && c <= u'z')
            c = static_cast<char16_t>(c - u'a' + u'A');
    }
    return result;
}

} // namespace

CVornSysTrayDlg::CVornSysTrayDlg()
    : m_foregroundProgram(&quor::system::ForegroundProgram::FileName)
    , m_messageBox([](std::u16string_view text) {
        QMessageBox::critical(nullptr, QCoreApplication::applicationName(), ToQString(text));
    })
{
    const QString image = QDir(QCoreApplication::applicationDirPath()).filePath(ToQString(kTrayIconFile));
    m_windowIcon = QIcon(image);
    m_trayImage = QIcon(image);
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    // The service's events then arrive from this thread's event loop.
    quor::com::InstallQtApartmentPump();
}

CVornSysTrayDlg::~CVornSysTrayDlg()
{
    CleanUp();
    CoUninitialize();
}

void CVornSysTrayDlg::OnInitDialog()
{
    setWindowIcon(m_windowIcon);
    if (!m_trayIcon.Create(this, m_trayImage)) {
        m_messageBox(kTrayIconFailedText);
        return;
    }
    StartServices();
}

void CVornSysTrayDlg::StartServices()
{
    m_displayController = std::make_unique<COsdController>();
    m_displayController->SetBarMaximum(kDisplayBars);
    if (FAILED(m_displayController->CreateDisplays()))
        m_displayController.reset();
    StartAutoSwitchTimer();
    RegisterForDevices();
    m_sessionNotification.Register(this);
    ConnectEvents();
}

LRESULT CVornSysTrayDlg::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_TRAYNOTIFY:
        OnTrayNotify(wParam, lParam);
        return 0;
    case WM_COMMAND:
        OnCommand(LOWORD(wParam));
        return 0;
    case WM_TIMER:
        if (wParam == m_autoSwitchTimer && m_autoSwitchTimer != 0 && m_connected)
            OnAutoSwitchTimer();
        break;
    case WM_DEVICECHANGE:
        OnDeviceChange(wParam, lParam);
        return 1;
    case WM_WTSSESSION_CHANGE:
        OnSessionChange(wParam);
        return 0;
    case WM_DESTROY:
        CleanUp();
        return 0;
    default:
        break;
    }
    return MessageTarget::WindowProc(message, wParam, lParam);
}

void CVornSysTrayDlg::ConnectEvents()
{
    if (m_connected)
        return;
    CDeviceManager manager;
    if (!m_dpiConnection)
        m_dpiConnection = manager.ConnectDpiEvents(this);
    if (!m_profileConnection)
        m_profileConnection = manager.ConnectProfileEvents(this);
    m_connected = m_dpiConnection && m_profileConnection;
}

void CVornSysTrayDlg::DisconnectEvents()
{
    if (!m_connected)
        return;
    m_dpiConnection.reset();
    m_profileConnection.reset();
    m_connected = false;
}

void CVornSysTrayDlg::OnDpiChanged(int32_t x, int32_t y)
{
    _Profile_Setting_ setting;
    {
        CDeviceManager manager;
        std::u16string active;
        if (manager.GetActiveProfileName(active))
            manager.GetProfileSetting(active, setting);
    }
    if (!m_displayController || !setting.sensitivityDisplay)
        return;
    const int32_t maximum = m_dpiConnection ? m_dpiConnection->GetRangeMaximum() : 0;
    const std::u16string textX = DecimalText(x);
    if (x == y) {
        if (textX.size() <= OsdState::kGaugeTextChars)
            m_displayController->ShowSensitivity(osd::SensitivityBars(x, maximum, kDisplayBars), textX);
        return;
    }
    const std::u16string textY = DecimalText(y);
    if (textX.size() <= OsdState::kGaugeTextChars && textY.size() <= OsdState::kGaugeTextChars)
        m_displayController->ShowSensitivityXY(osd::SensitivityBars(x, maximum, kDisplayBars), textX,
                                               osd::SensitivityBars(y, maximum, kDisplayBars), textY);
}

void CVornSysTrayDlg::OnProfileChanged(int32_t)
{
    CDeviceManager manager;
    std::u16string active;
    if (!manager.GetActiveProfileName(active))
        return;
    _Profile_Setting_ setting;
    if (manager.GetProfileSetting(active, setting) && setting.profileDisplay)
        ShowProfileText(active);
    // Sensitivity events come from the active profile: follow it to the new one.
    if (m_connected) {
        if (auto moved = manager.ConnectDpiEvents(this))
            m_dpiConnection = std::move(moved);
    }
}

void CVornSysTrayDlg::ShowProfileText(std::u16string_view name)
{
    if (m_displayController)
        m_displayController->ShowProfileText(name);
}

void CVornSysTrayDlg::OnTrayNotify(WPARAM id, LPARAM mouseMessage)
{
    if (mouseMessage == WM_LBUTTONDBLCLK) {
        LaunchConfigurator();
        return;
    }
    if (mouseMessage == WM_RBUTTONUP) {
        {
            CDeviceManager manager;
            manager.GetProfileNames(m_profileNames);
        }
        RebuildMenu();
    }
    m_trayIcon.OnTrayNotification(id, mouseMessage);
}

void CVornSysTrayDlg::RebuildMenu()
{
    std::u16string active;
    {
        CDeviceManager manager;
        if (!manager.GetActiveProfileName(active))
            active.clear();
    }
    m_trayIcon.SetMenu(BuildTrayMenu(this, m_profileNames, active), ID_LOAD_CONFIGURATOR);
}

void CVornSysTrayDlg::OnCommand(uint16_t id)
{
    if (id == ID_LOAD_CONFIGURATOR)
        LaunchConfigurator();
    else if (id >= ID_PROFILE_FIRST && id <= ID_PROFILE_LAST)
        OnProfileCommand(id - ID_PROFILE_FIRST);
    else if (id == ID_CLOSE_TRAY_ICON)
        Close();
}

void CVornSysTrayDlg::OnProfileCommand(size_t entry)
{
    if (m_profileNames.size() < entry + 1)
        return;
    const std::u16string name = m_profileNames[entry];
    CDeviceManager manager;
    std::u16string active;
    _Profile_Setting_ before;
    if (manager.GetActiveProfileName(active))
        manager.GetProfileSetting(active, before);
    if (manager.SetActiveProfileByName(name) && before.profileDisplay)
        ShowProfileText(name);
}

bool CVornSysTrayDlg::LaunchConfigurator()
{
    quor::system::Registry registry;
    std::u16string folder;
    if (!registry.CreateKey(quor::system::RegistryRoot::LocalMachine, quor::system::kQuorRegistryKey)
        || !registry.QueryValue(quor::system::kRegistryValueInstallDir, folder))
        return false;
    // Written by hand or by an installer of the other platform, the folder may end in either
    // separator.
    while (folder.size() > 1 && (folder.back() == u'\\' || folder.back() == u'/'))
        folder.pop_back();
    if (folder.empty())
        return false;
    return quor::system::Shell::Execute(folder, kConfiguratorProgram);
}

void CVornSysTrayDlg::OnAutoSwitchTimer()
{
    CDeviceManager manager;
    std::u16string active;
    if (!manager.GetAllProfileSettings(m_profileSettings) || !manager.GetActiveProfileName(active))
        return;
    // One look at the foreground program per tick, taken only when a profile switches
    // automatically: every look asks the window manager and reads /proc.
    bool lookedUp = false;
    std::optional<std::u16string> foreground;
    for (const _Profile_Setting_& setting : m_profileSettings) {
        if (!setting.autoSwitch)
            continue;
        if (!lookedUp) {
            foreground = ForegroundProgram();
            lookedUp = true;
        }
        if (foreground != setting.program)
            continue;
        if (setting.name != active && manager.SetActiveProfileByName(setting.name) && setting.profileDisplay)
            ShowProfileText(setting.name);
        return;
    }
}

bool CVornSysTrayDlg::ForegroundProgramIs(std::u16string_view program) const
{
    const std::optional<std::u16string> foreground = ForegroundProgram();
    return foreground && *foreground == program;
}

std::optional<std::u16string> CVornSysTrayDlg::ForegroundProgram() const
{
    return m_foregroundProgram ? m_foregroundProgram() : std::nullopt;
}

void CVornSysTrayDlg::RegisterForDevices()
{
    if (IsRegisteredForDevices())
        return;
    auto devices = std::make_unique<quor::system::DeviceNotifier>();
    if (devices->Register(this))
        m_deviceNotification = std::move(devices);
    auto virtualMouse = std::make_unique<VirtualMouseNotifier>();
    if (virtualMouse->Register(this))
        m_virtualMouseNotification = std::move(virtualMouse);
}

bool CVornSysTrayDlg::IsQuorDevicePath(std::u16string_view path)
{
    const std::u16string upper = UpperAscii(path);
    const size_t product = upper.find(u"PID_0015");
    const size_t vendor = upper.find(u"VID_5E2D");
    return product != std::u16string::npos && product > 0 && vendor != std::u16string::npos && vendor > 0;
}

void CVornSysTrayDlg::OnDeviceChange(WPARAM event, LPARAM data)
{
    const auto* header = reinterpret_cast<const DEV_BROADCAST_HDR*>(data);
    if (!header || header->dbch_devicetype != DBT_DEVTYP_DEVICEINTERFACE)
        return;
    const auto* broadcast = reinterpret_cast<const DEV_BROADCAST_DEVICEINTERFACE*>(data);
    if (!broadcast->dbcc_name || !IsQuorDevicePath(broadcast->dbcc_name))
        return;
    if (event == DBT_DEVICEARRIVAL) {
        StartAutoSwitchTimer();
        ConnectEvents();
    } else if (event == DBT_DEVICEREMOVECOMPLETE) {
        StopAutoSwitchTimer();
        DisconnectEvents();
    }
}

void CVornSysTrayDlg::OnSessionChange(WPARAM reason)
{
    switch (reason) {
    case WTS_CONSOLE_CONNECT:
    case WTS_SESSION_LOGON:
    case WTS_SESSION_UNLOCK:
        StartAutoSwitchTimer();
        ConnectEvents();
        break;
    case WTS_CONSOLE_DISCONNECT:
    case WTS_SESSION_LOGOFF:
    case WTS_SESSION_LOCK:
        StopAutoSwitchTimer();
        DisconnectEvents();
        break;
    default:
        break;
    }
}

void CVornSysTrayDlg::StartAutoSwitchTimer()
{
    m_autoSwitchTimer = SetTimer(this, kAutoSwitchTimerId, kAutoSwitchPeriodMs);
}

void CVornSysTrayDlg::StopAutoSwitchTimer()
{
    if (m_autoSwitchTimer != 0)
        KillTimer(this, m_autoSwitchTimer);
    m_autoSwitchTimer = 0;
}

void CVornSysTrayDlg::CleanUp()
{
    m_displayController.reset();
    DisconnectEvents();
    // A subscription left over from a half-made connection ends with the program too.
    m_dpiConnection.reset();
    m_profileConnection.reset();
    m_sessionNotification.Unregister();
    m_deviceNotification.reset();
    m_virtualMouseNotification.reset();
    StopAutoSwitchTimer();
}

void CVornSysTrayDlg::Close()
{
    CleanUp();
    // The hidden window is the program: closing it ends the event loop.
    QCoreApplication::exit(0);
}
