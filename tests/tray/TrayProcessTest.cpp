// QuorTray as a program: one per user at a time.

#include "platform/system/SingleInstanceMarker.h"
#include "support/TempDir.h"
#include "tray/CVornSysTrayDlg.h"

#include <QElapsedTimer>
#include <QProcess>
#include <QTest>
#include <gtest/gtest.h>

namespace {

using quor::system::SingleInstanceMarker;

TEST(TrayProcessTest, ASecondStartEndsAtOnceWhileTheFirstRuns)
{
    quor::test::TempDir runtime;
    qputenv("XDG_RUNTIME_DIR", QByteArray::fromStdString(runtime.Path().string()));
    const QString program = QStringLiteral(QUOR_DIST_DIR "/QuorTray");

    // Offscreen there is no system tray: the first one waits in its message box, still running.
    QProcess first;
    first.start(program, {});
    ASSERT_TRUE(first.waitForStarted());
    SingleInstanceMarker probe;
    QTRY_VERIFY_WITH_TIMEOUT(probe.Create(kSingleInstanceName) == SingleInstanceMarker::Result::AlreadyExists, 10000);

    QElapsedTimer elapsed;
    elapsed.start();
    QProcess second;
    second.start(program, {});
    ASSERT_TRUE(second.waitForFinished(10000));
    EXPECT_EQ(second.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(second.exitCode(), 0);
    EXPECT_LT(elapsed.elapsed(), 5000);
    EXPECT_EQ(first.state(), QProcess::Running);

    // However the first one ends, its marker goes with it.
    first.kill();
    ASSERT_TRUE(first.waitForFinished());
    EXPECT_EQ(probe.Create(kSingleInstanceName), SingleInstanceMarker::Result::Created);
    qunsetenv("XDG_RUNTIME_DIR");
}

} // namespace
