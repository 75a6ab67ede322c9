// QuorTray as a program: one per user at a time.

#include "support/QtWait.h"

#include "platform/system/SingleInstanceMarker.h"
#include "support/TempDir.h"
#include "tray/CVornSysTrayDlg.h"

#include <QElapsedTimer>
#include <QProcess>
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>

namespace {

using quor::system::SingleInstanceMarker;

// Whether a process holds a flock, as /proc/locks lists them ("1: FLOCK ADVISORY WRITE <pid> ...").
// Looking does not take the lock, so the program under test never sees the test as a rival.
bool HoldsFileLock(qint64 pid)
{
    std::ifstream locks("/proc/locks");
    for (std::string line; std::getline(locks, line);) {
        std::istringstream fields(line);
        std::string number, kind, mode, access;
        qint64 holder = 0;
        if (fields >> number >> kind >> mode >> access >> holder && kind == "FLOCK" && holder == pid)
            return true;
    }
    return false;
}

TEST(TrayProcessTest, ASecondStartEndsAtOnceWhileTheFirstRuns)
{
    quor::test::TempDir runtime;
    qputenv("XDG_RUNTIME_DIR", QByteArray::fromStdString(runtime.Path().string()));
    const QString program = QStringLiteral(QUOR_DIST_DIR "/QuorTray");

    // Offscreen there is no system tray: the first one waits in its message box, still running.
    QProcess first;
    first.start(program, {});
    ASSERT_TRUE(first.waitForStarted());
    ASSERT_TRUE(quor::test::WaitForQt([&] { return HoldsFileLock(first.processId()); }, std::chrono::seconds(10)));

    QElapsedTimer elapsed;
    elapsed.start();
    QProcess second;
    second.start(program, {});
    ASSERT_TRUE(second.waitForFinished(10000));
    EXPECT_EQ(second.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(second.exitCode(), 0);
    EXPECT_LT(elapsed.elapsed(), 5000);
    EXPECT_EQ(first.state(), QProcess::Running);

    // Asked to end (as at log-out), it ends in order, even from its message box; its marker goes
    // with it.
    first.terminate();
    ASSERT_TRUE(first.waitForFinished(10000));
    EXPECT_EQ(first.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(first.exitCode(), 0);
    SingleInstanceMarker marker;
    EXPECT_EQ(marker.Create(kSingleInstanceName), SingleInstanceMarker::Result::Created);
    qunsetenv("XDG_RUNTIME_DIR");
}

} // namespace
