#include "platform/system/SingleInstanceMarker.h"

#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

using quor::system::SingleInstanceMarker;
using Result = SingleInstanceMarker::Result;

class SingleInstanceMarkerTest : public testing::Test {
protected:
    void SetUp() override { setenv("XDG_RUNTIME_DIR", m_runtime.Path().c_str(), 1); }
    void TearDown() override { unsetenv("XDG_RUNTIME_DIR"); }
    quor::test::TempDir m_runtime;
};

TEST_F(SingleInstanceMarkerTest, TheFirstHolderMakesTheNameExistUntilItLetsGo)
{
    SingleInstanceMarker first;
    SingleInstanceMarker second;
    EXPECT_EQ(first.Create(u"Vorn2SysTray"), Result::Created);
    EXPECT_EQ(second.Create(u"Vorn2SysTray"), Result::AlreadyExists);
    EXPECT_FALSE(second.IsHeld());
    // Other names, including names with a path separator, are markers of their own.
    SingleInstanceMarker other;
    EXPECT_EQ(other.Create(u"CSingleInstanceApp{B98C6AA5-57C0}/x"), Result::Created);
    first.Close();
    EXPECT_EQ(second.Create(u"Vorn2SysTray"), Result::Created);
    EXPECT_EQ(SingleInstanceMarker::Folder(), m_runtime.Path());
}

TEST_F(SingleInstanceMarkerTest, AnUnusableRuntimeFolderFails)
{
    setenv("XDG_RUNTIME_DIR", (m_runtime.Path() / "missing" / "deeper").c_str(), 1);
    SingleInstanceMarker marker;
    EXPECT_EQ(marker.Create(u"Vorn2SysTray"), Result::Failed);
}

} // namespace
