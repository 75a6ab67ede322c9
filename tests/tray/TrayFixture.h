#pragma once

// The real virtual mouse of this test process, reset to the factory state before each test and
// changed by quorctl from another process, as a user's tools would.

#include "platform/com/Com.h"
#include "service/DeviceService.h"

#include <QProcess>
#include <QStringList>
#include <gtest/gtest.h>

#include <string>

namespace quor::test {

class TrayFixture : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(SUCCEEDED(RegisterDeviceService()));
        CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
        ASSERT_EQ(Quorctl({"reset"}), 0);
    }
    void TearDown() override { CoUninitialize(); }

    // Runs quorctl on this process's virtual mouse; its exit status.
    static int Quorctl(const QStringList& args)
    {
        return QProcess::execute(QStringLiteral(QUOR_DIST_DIR "/quorctl"), args);
    }
};

} // namespace quor::test
