#include "platform/system/Shell.h"

#include "support/TempDir.h"
#include "support/WaitUntil.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace {

TEST(ShellTest, StartsAProgramInItsFolder)
{
    quor::test::TempDir folder;
    const auto marker = folder / "ran";
    {
        std::ofstream script(folder / "tool");
        script << "#!/bin/sh\npwd > '" << marker.string() << ".tmp' && mv '" << marker.string() << ".tmp' '"
               << marker.string() << "'\n";
    }
    std::filesystem::permissions(folder / "tool", std::filesystem::perms::owner_all);
    ASSERT_TRUE(quor::system::Shell::Execute(folder.Path().u16string(), u"tool"));
    ASSERT_TRUE(quor::test::WaitUntil([&] { return std::filesystem::exists(marker); }));
    std::ifstream ran(marker);
    std::string directory;
    std::getline(ran, directory);
    EXPECT_EQ(std::filesystem::path(directory), folder.Path());
}

TEST(ShellTest, MissingOrNotExecutableProgramsFail)
{
    quor::test::TempDir folder;
    std::ofstream(folder / "plain") << "text";
    EXPECT_FALSE(quor::system::Shell::Execute(folder.Path().u16string(), u"missing"));
    EXPECT_FALSE(quor::system::Shell::Execute(folder.Path().u16string(), u"plain"));
}

} // namespace
