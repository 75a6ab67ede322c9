// The tray's hidden main window against the real virtual mouse: start-up, the device events
// raised by another process, automatic switching, connecting and disconnecting, the
// configurator start and closing.

#include "support/QtWait.h"
#include "TrayFixture.h"

#include "platform/system/DeviceNotifier.h"
#include "platform/system/Registry.h"
#include "platform/win/SystemMessages.h"
#include "platform/win/WindowApi.h"
#include "support/TempDir.h"
#include "support/WaitUntil.h"
#include "tray/CDeviceManager.h"
#include "tray/CVornSysTrayDlg.h"


#include <fstream>

namespace {

using namespace quor::win;
using quor::system::DeviceNotifier;
using quor::test::TrayFixture;

constexpr char16_t kMousePath[] =
    u"\\\\?\\HID#VID_5E2D&PID_0015#virtual#{378DE44C-56EF-11D1-BC8C-00A0C91405DD}";

// Counts the events that reach the window.
class CountingTrayDlg : public CVornSysTrayDlg {
public:
    void OnDpiChanged(int32_t x, int32_t y) override
    {
        ++dpiEvents;
        CVornSysTrayDlg::OnDpiChanged(x, y);
    }
    void OnProfileChanged(int32_t value) override
    {
        ++profileEvents;
        CVornSysTrayDlg::OnProfileChanged(value);
    }
    int dpiEvents = 0;
    int profileEvents = 0;
};

class TrayDialogTest : public TrayFixture {
protected:
    void TearDown() override
    {
        m_dialog.reset();
        TrayFixture::TearDown();
    }

    CountingTrayDlg& Start()
    {
        m_dialog = std::make_unique<CountingTrayDlg>();
        m_dialog->SetForegroundProgramSource([this] { return m_foreground; });
        m_dialog->StartServices();
        return *m_dialog;
    }
    COsdController& Display() const { return *m_dialog->GetDisplayController(); }
    bool SliderShown() const { return Display().GetSliderWindow()->isVisible(); }
    bool ProfileShown() const { return Display().GetProfileWindow()->isVisible(); }
    void Tick() { SendMessage(m_dialog.get(), WM_TIMER, kAutoSwitchTimerId, 0); }
    static std::u16string Active()
    {
        std::u16string name;
        CDeviceManager().GetActiveProfileName(name);
        return name;
    }
    bool HasOnePair() const
    {
        return m_dialog->IsConnected() && m_dialog->GetDpiConnection() && m_dialog->GetProfileConnection();
    }

    std::unique_ptr<CountingTrayDlg> m_dialog;
    std::optional<std::u16string> m_foreground;
};

TEST_F(TrayDialogTest, WithoutASystemTrayStartUpStopsAfterTheMessageBox)
{
    CVornSysTrayDlg dialog;
    std::vector<std::u16string> shown;
    dialog.SetMessageBox([&](std::u16string_view text) { shown.emplace_back(text); });
    dialog.OnInitDialog();
    EXPECT_EQ(shown, std::vector<std::u16string>{u"Failed to create tray icon 1"});
    EXPECT_FALSE(dialog.GetTrayIcon().IsAdded());
    EXPECT_FALSE(dialog.IsConnected());
    EXPECT_FALSE(dialog.IsAutoSwitchTimerRunning());
    EXPECT_EQ(dialog.GetDisplayController(), nullptr);
    EXPECT_FALSE(dialog.IsRegisteredForDevices());
    EXPECT_FALSE(dialog.isVisible());
}

TEST_F(TrayDialogTest, StartUpConnectsAndStartsEverything)
{
    CountingTrayDlg& dialog = Start();
    EXPECT_TRUE(HasOnePair());
    EXPECT_TRUE(dialog.IsAutoSwitchTimerRunning());
    EXPECT_NE(dialog.GetDisplayController(), nullptr);
    EXPECT_TRUE(dialog.IsRegisteredForDevices());
    EXPECT_EQ(dialog.GetDpiConnection()->GetRangeMaximum(), 5600);
}

TEST_F(TrayDialogTest, SensitivityEventsOfAnotherProcessShowTheGauges)
{
    Start();
    ASSERT_EQ(Quorctl({"set-dpi", "800", "800"}), 0);
    ASSERT_TRUE(quor::test::WaitForQt([&] { return SliderShown(); }));
    EXPECT_EQ(Display().GetState().sensitivityMode, OsdState::SensitivityMode::Single);
    EXPECT_EQ(Display().GetState().gaugeA.bars, 2u);
    EXPECT_EQ(Display().GetState().gaugeA.text, u"800");

    ASSERT_EQ(Quorctl({"set-dpi", "800", "1600"}), 0);
    ASSERT_TRUE(quor::test::WaitForQt([&] { return Display().GetState().sensitivityMode == OsdState::SensitivityMode::XY; }));
    EXPECT_EQ(Display().GetState().gaugeB.bars, 2u);
    EXPECT_EQ(Display().GetState().gaugeB.text, u"800");
    EXPECT_EQ(Display().GetState().gaugeA.bars, 5u);
    EXPECT_EQ(Display().GetState().gaugeA.text, u"1600");
}

TEST_F(TrayDialogTest, SensitivityEventsThatShowNothing)
{
    CountingTrayDlg& dialog = Start();
    // Five characters do not fit the gauge.
    dialog.OnDpiChanged(10000, 10000);
    dialog.OnDpiChanged(800, 10000);
    dialog.OnDpiChanged(-1000, 800);
    QCoreApplication::processEvents();
    EXPECT_FALSE(SliderShown());
    // The active profile's sensitivity display is off.
    ASSERT_EQ(Quorctl({"set-flags", "Profile 1", "0x4"}), 0);
    dialog.OnDpiChanged(800, 800);
    QCoreApplication::processEvents();
    EXPECT_FALSE(SliderShown());
    EXPECT_EQ(Display().GetState().sensitivityMode, OsdState::SensitivityMode::None);
}

TEST_F(TrayDialogTest, ProfileEventsOfAnotherProcessShowTheName)
{
    CountingTrayDlg& dialog = Start();
    ASSERT_EQ(Quorctl({"add-profile", "Work"}), 0);
    ASSERT_EQ(Quorctl({"activate", "Work"}), 0);
    ASSERT_TRUE(quor::test::WaitForQt([&] { return ProfileShown(); }));
    EXPECT_EQ(Display().GetState().profileText, u"Work");
    // The sensitivity subscription moved to the new active profile.
    ASSERT_EQ(Quorctl({"set-dpi", "1200", "1200"}), 0);
    ASSERT_TRUE(quor::test::WaitForQt([&] { return SliderShown(); }));
    EXPECT_EQ(Display().GetState().gaugeA.text, u"1200");

    // With the profile display off, a profile event shows nothing.
    ASSERT_EQ(Quorctl({"set-flags", "Work", "0x2"}), 0);
    Display().GetProfileWindow()->hide();
    dialog.OnProfileChanged(0);
    QCoreApplication::processEvents();
    EXPECT_FALSE(ProfileShown());
}

TEST_F(TrayDialogTest, AutomaticSwitching)
{
    struct Case {
        const char* what;
        const char* programA;
        const char* flagsA;
        const char* programB;
        const char* flagsB;
        bool activateA;
        std::u16string foreground;
        std::u16string active;
        std::u16string shown;
    };
    const Case cases[] = {
        {"letter case differs", "Game", "0x7", "x", "0x0", false, u"game", u"Profile 1", u""},
        {"stored with a folder", "/usr/bin/game", "0x7", "x", "0x0", false, u"game", u"Profile 1", u""},
        {"no foreground program", "game", "0x7", "x", "0x0", false, u"", u"Profile 1", u""},
        {"first in device order wins", "game", "0x7", "game", "0x7", false, u"game", u"A", u"A"},
        {"flag off is passed over", "game", "0x6", "game", "0x7", false, u"game", u"B", u"B"},
        {"already active", "game", "0x7", "x", "0x0", true, u"game", u"A", u""},
        {"profile display off", "game", "0x3", "x", "0x0", false, u"game", u"A", u""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ASSERT_EQ(Quorctl({"reset"}), 0);
        for (const auto& [name, program, flags] : {std::tuple{"A", c.programA, c.flagsA}, {"B", c.programB, c.flagsB}}) {
            ASSERT_EQ(Quorctl({"add-profile", name}), 0);
            ASSERT_EQ(Quorctl({"set-program", name, program}), 0);
            ASSERT_EQ(Quorctl({"set-flags", name, flags}), 0);
        }
        if (c.activateA) {
            ASSERT_EQ(Quorctl({"activate", "A"}), 0);
        }
        Start();
        if (!c.foreground.empty())
            m_foreground = c.foreground;
        Tick();
        EXPECT_EQ(Active(), c.active);
        QCoreApplication::processEvents();
        EXPECT_EQ(ProfileShown(), !c.shown.empty());
        EXPECT_EQ(Display().GetState().profileText, c.shown);
        m_dialog.reset();
        m_foreground.reset();
    }
}

TEST_F(TrayDialogTest, AutomaticSwitchingLooksAtTheForegroundProgramOncePerTick)
{
    for (const char* name : {"A", "B", "C"}) {
        ASSERT_EQ(Quorctl({"add-profile", name}), 0);
        ASSERT_EQ(Quorctl({"set-program", name, name}), 0);
        ASSERT_EQ(Quorctl({"set-flags", name, "0x1"}), 0);
    }
    CountingTrayDlg& dialog = Start();
    int looks = 0;
    dialog.SetForegroundProgramSource([&]() -> std::optional<std::u16string> {
        ++looks;
        return u"C";
    });
    Tick();
    EXPECT_EQ(looks, 1);
    EXPECT_EQ(Active(), u"C");
    // Without an automatic profile there is nothing to look for.
    ASSERT_EQ(Quorctl({"reset"}), 0);
    ASSERT_TRUE(dialog.IsConnected());
    Tick();
    EXPECT_EQ(looks, 1);
}

TEST_F(TrayDialogTest, AutomaticSwitchingWaitsWhileDisconnected)
{
    ASSERT_EQ(Quorctl({"add-profile", "A"}), 0);
    ASSERT_EQ(Quorctl({"set-program", "A", "game"}), 0);
    ASSERT_EQ(Quorctl({"set-flags", "A", "0x1"}), 0);
    CountingTrayDlg& dialog = Start();
    m_foreground = u"game";
    SendMessage(&dialog, WM_WTSSESSION_CHANGE, WTS_SESSION_LOCK, 0);
    Tick();
    EXPECT_EQ(Active(), u"Profile 1");
    SendMessage(&dialog, WM_WTSSESSION_CHANGE, WTS_SESSION_UNLOCK, 0);
    Tick();
    EXPECT_EQ(Active(), u"A");
}

TEST_F(TrayDialogTest, SessionChangesConnectAndDisconnect)
{
    CountingTrayDlg& dialog = Start();
    struct Case {
        WPARAM reason;
        bool connected;
    };
    const Case cases[] = {
        {WTS_SESSION_LOCK, false},   {WTS_REMOTE_CONNECT, false}, {WTS_SESSION_UNLOCK, true},
        {WTS_REMOTE_DISCONNECT, true}, {WTS_CONSOLE_DISCONNECT, false}, {WTS_CONSOLE_CONNECT, true},
        {WTS_SESSION_LOGOFF, false}, {WTS_SESSION_LOGON, true},   {WTS_SESSION_UNLOCK, true},
        {9, true},
    };
    for (const Case& c : cases) {
        SendMessage(&dialog, WM_WTSSESSION_CHANGE, c.reason, 0);
        EXPECT_EQ(dialog.IsConnected(), c.connected) << "reason " << c.reason;
        EXPECT_EQ(dialog.IsAutoSwitchTimerRunning(), c.connected) << "reason " << c.reason;
        EXPECT_EQ(dialog.GetDpiConnection() != nullptr, c.connected);
        EXPECT_EQ(dialog.GetProfileConnection() != nullptr, c.connected);
    }
}

TEST_F(TrayDialogTest, OnlyThisMouseConnectsAndDisconnects)
{
    CountingTrayDlg& dialog = Start();
    const std::u16string others[] = {
        u"\\\\?\\HID#VID_1234&PID_0015#7&1#{378DE44C-56EF-11D1-BC8C-00A0C91405DD}",
        u"VID_5E2D&PID_0015", // the ids must follow the path's first character
    };
    for (const auto& path : others) {
        EXPECT_EQ(DeviceNotifier::SendDeviceChange(&dialog, DBT_DEVICEREMOVECOMPLETE, path), 1);
        EXPECT_TRUE(dialog.IsConnected());
    }
    DeviceNotifier::SendDeviceChange(&dialog, DBT_DEVICEREMOVECOMPLETE, kMousePath);
    EXPECT_FALSE(dialog.IsConnected());
    EXPECT_FALSE(dialog.IsAutoSwitchTimerRunning());
    DeviceNotifier::SendDeviceChange(&dialog, DBT_DEVICEARRIVAL, u"\\\\?\\hid#vid_5e2d&pid_0015#x");
    EXPECT_TRUE(HasOnePair());
    EXPECT_TRUE(dialog.IsAutoSwitchTimerRunning());
}

TEST_F(TrayDialogTest, UnplugAndPlugByAnotherProcessLeaveOneSubscriptionPair)
{
    CountingTrayDlg& dialog = Start();
    ASSERT_EQ(Quorctl({"unplug"}), 0);
    ASSERT_TRUE(quor::test::WaitForQt([&] { return !dialog.IsConnected(); }));
    EXPECT_EQ(dialog.GetDpiConnection(), nullptr);
    ASSERT_EQ(Quorctl({"plug"}), 0);
    ASSERT_TRUE(quor::test::WaitForQt([&] { return dialog.IsConnected(); }));
    // An arrival while connected adds nothing.
    DeviceNotifier::SendDeviceChange(&dialog, DBT_DEVICEARRIVAL, kMousePath);
    ASSERT_TRUE(HasOnePair());

    ASSERT_EQ(Quorctl({"set-dpi", "1000", "1000"}), 0);
    ASSERT_TRUE(quor::test::WaitForQt([&] { return dialog.dpiEvents == 1; })) << dialog.dpiEvents;
    ASSERT_EQ(Quorctl({"add-profile", "Later"}), 0);
    ASSERT_EQ(Quorctl({"activate", "Later"}), 0);
    // Events arrive in order: had a second subscription existed, its event would be here now.
    ASSERT_TRUE(quor::test::WaitForQt([&] { return dialog.profileEvents == 1; })) << dialog.profileEvents;
    EXPECT_EQ(dialog.dpiEvents, 1);
}

TEST_F(TrayDialogTest, IsQuorDevicePath)
{
    struct Case {
        std::u16string path;
        bool mouse;
    };
    const Case cases[] = {
        {u"", false},
        {u"VID_5E2D&PID_0015", false},
        {u"xPID_0015", false},
        {u"\\\\?\\HID#VID_5E2D&PID_0016#1", false},
        {u"\\\\?\\HID#VID_5E2C&PID_0015#1", false},
        {u"\\\\?\\HID#VID_5E2D&PID_0015#1", true},
        {u"\\\\?\\hid#vid_5e2d&pid_0015#1", true},
        {u"xPID_0015&VID_5E2D", true},
    };
    for (const Case& c : cases)
        EXPECT_EQ(CVornSysTrayDlg::IsQuorDevicePath(c.path), c.mouse) << QString::fromStdU16String(c.path).toStdString();
}

TEST_F(TrayDialogTest, LaunchConfiguratorStartsItFromTheInstallationFolder)
{
    quor::test::TempDir folder;
    const auto marker = folder / "started";
    {
        std::ofstream script(folder / "QuorConfig");
        script << "#!/bin/sh\npwd > '" << marker.string() << "'\n";
    }
    std::filesystem::permissions(folder / "QuorConfig", std::filesystem::perms::owner_all);
    CVornSysTrayDlg dialog;
    EXPECT_FALSE(dialog.LaunchConfigurator()); // no value yet

    const std::u16string base = folder.Path().u16string();
    for (const std::u16string& value : {base, base + u"/", base + u"\\"}) {
        std::filesystem::remove(marker);
        quor::system::Registry registry;
        ASSERT_TRUE(registry.CreateKey(quor::system::RegistryRoot::LocalMachine, quor::system::kQuorRegistryKey));
        ASSERT_TRUE(registry.SetValue(quor::system::kRegistryValueInstallDir, value));
        ASSERT_TRUE(dialog.LaunchConfigurator());
        ASSERT_TRUE(quor::test::WaitUntil([&] { return std::filesystem::exists(marker) && std::filesystem::file_size(marker) > 0; }));
        std::ifstream started(marker);
        std::string directory;
        std::getline(started, directory);
        EXPECT_EQ(std::filesystem::path(directory), folder.Path());
    }
    // A double click on the icon starts it too.
    std::filesystem::remove(marker);
    SendMessage(&dialog, WM_TRAYNOTIFY, kTrayIconId, WM_LBUTTONDBLCLK);
    EXPECT_TRUE(quor::test::WaitUntil([&] { return std::filesystem::exists(marker); }));

    // Not there (yet): nothing happens.
    std::filesystem::remove(folder / "QuorConfig");
    EXPECT_FALSE(dialog.LaunchConfigurator());
}

TEST_F(TrayDialogTest, CloseEndsEverything)
{
    CountingTrayDlg& dialog = Start();
    SendMessage(&dialog, WM_COMMAND, 33000, 0);
    EXPECT_FALSE(dialog.IsConnected());
    EXPECT_EQ(dialog.GetDpiConnection(), nullptr);
    EXPECT_EQ(dialog.GetProfileConnection(), nullptr);
    EXPECT_EQ(dialog.GetDisplayController(), nullptr);
    EXPECT_FALSE(dialog.IsAutoSwitchTimerRunning());
    EXPECT_FALSE(dialog.IsRegisteredForDevices());
    // Events after closing reach nothing.
    ASSERT_EQ(Quorctl({"set-dpi", "400", "400"}), 0);
    dialog.OnDpiChanged(400, 400);
    dialog.OnProfileChanged(0);
}

} // namespace
