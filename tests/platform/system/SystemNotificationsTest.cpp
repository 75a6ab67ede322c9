// Device and session notifications as window messages, and the foreground program.

#include "platform/system/DeviceNotifier.h"
#include "platform/system/ForegroundProgram.h"
#include "platform/system/SessionNotifier.h"
#include "platform/win/MessageWindow.h"
#include "platform/win/SystemMessages.h"

#include <QWidget>
#include <gtest/gtest.h>

#include <unistd.h>

namespace {

using namespace quor::win;
using quor::system::DeviceNotifier;
using quor::system::SessionNotifier;

class Recipient : public MessageWindow<QWidget> {
public:
    UINT message = 0;
    WPARAM event = 0;
    std::u16string path;

protected:
    LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override
    {
        message = msg;
        event = wParam;
        const auto* header = reinterpret_cast<const DEV_BROADCAST_HDR*>(lParam);
        if (msg == WM_DEVICECHANGE && header->dbch_devicetype == DBT_DEVTYP_DEVICEINTERFACE) {
            const auto* broadcast = reinterpret_cast<const DEV_BROADCAST_DEVICEINTERFACE*>(lParam);
            EXPECT_EQ(broadcast->dbcc_classguid, GUID_DEVINTERFACE_MOUSE);
            path = broadcast->dbcc_name;
        }
        return 1;
    }
};

TEST(DeviceNotifierTest, DeviceChangesArriveAsMouseInterfaceBroadcasts)
{
    Recipient recipient;
    EXPECT_EQ(DeviceNotifier::SendDeviceChange(&recipient, DBT_DEVICEREMOVECOMPLETE, u"\\\\?\\HID#x"), 1);
    EXPECT_EQ(recipient.message, WM_DEVICECHANGE);
    EXPECT_EQ(recipient.event, DBT_DEVICEREMOVECOMPLETE);
    EXPECT_EQ(recipient.path, u"\\\\?\\HID#x");
    // udev gives the USB ids in lower-case hex; paths carry them as the system's do.
    EXPECT_EQ(DeviceNotifier::MouseInterfacePath("5e2d", "0015", "event7"),
              u"\\\\?\\HID#VID_5E2D&PID_0015#event7#{378DE44C-56EF-11D1-BC8C-00A0C91405DD}");
    EXPECT_EQ(DeviceNotifier::MouseInterfacePath("", "", "mouse0"),
              u"\\\\?\\HID#VID_&PID_#mouse0#{378DE44C-56EF-11D1-BC8C-00A0C91405DD}");
}

TEST(SessionNotifierTest, LogindSignalsAsSessionReasons)
{
    using Signal = SessionNotifier::SessionSignal;
    const std::pair<Signal, WPARAM> cases[] = {
        {Signal::Lock, WTS_SESSION_LOCK},
        {Signal::Unlock, WTS_SESSION_UNLOCK},
        {Signal::Activated, WTS_CONSOLE_CONNECT},
        {Signal::Deactivated, WTS_CONSOLE_DISCONNECT},
        {Signal::ShutdownStarting, WTS_SESSION_LOGOFF},
        {Signal::ShutdownCancelled, WTS_SESSION_LOGON},
        {Signal::Removed, WTS_SESSION_LOGOFF},
    };
    for (const auto& [signal, reason] : cases)
        EXPECT_EQ(SessionNotifier::ReasonFor(signal), reason) << static_cast<int>(signal);
}

TEST(ForegroundProgramTest, ExecutableFileNamesAndNoForegroundOffscreen)
{
    const auto self = quor::system::ForegroundProgram::ExecutableFileName(getpid());
    ASSERT_TRUE(self.has_value());
    EXPECT_EQ(*self, u"platform_system_qt_tests");
    EXPECT_FALSE(quor::system::ForegroundProgram::ExecutableFileName(-1).has_value());
    // The offscreen platform has no windows of other programs.
    EXPECT_FALSE(quor::system::ForegroundProgram::ProcessId().has_value());
    EXPECT_FALSE(quor::system::ForegroundProgram::FileName().has_value());
}

TEST(ForegroundProgramTest, FileNameOfExeLinkKeepsReplacedProgramsRecognisable)
{
    const std::pair<std::string, std::u16string> cases[] = {
        {"/usr/bin/game", u"game"},
        {"/opt/Game Studio/Game.bin (deleted)", u"Game.bin"},
        {"/usr/bin/(deleted)", u"(deleted)"},
    };
    for (const auto& [target, name] : cases)
        EXPECT_EQ(quor::system::ForegroundProgram::FileNameOfExeLink(target), name) << target;
}

} // namespace
