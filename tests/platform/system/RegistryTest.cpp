#include "platform/system/Registry.h"

#include "platform/system/PrivateProfile.h"
#include "support/TempDir.h"

#include <cstdlib>
#include <gtest/gtest.h>
#include <fstream>
#include <optional>

using namespace quor::system;

namespace {
// Points QUOR_REGISTRY at a file of the test's own and restores it afterwards.
class RegistryTest : public testing::Test {
protected:
    void SetUp() override
    {
        for (auto& [name, value] : m_saved) {
            if (const char* old = std::getenv(name))
                value = old;
        }
        setenv("QUOR_REGISTRY", m_file.c_str(), 1);
    }
    void TearDown() override
    {
        for (const auto& [name, value] : m_saved) {
            if (value)
                setenv(name, value->c_str(), 1);
            else
                unsetenv(name);
        }
    }

    quor::test::TempDir m_dir;
    std::filesystem::path m_file = m_dir / "registry.ini";
    std::pair<const char*, std::optional<std::string>> m_saved[3] = {
        {"QUOR_REGISTRY", {}}, {"XDG_CONFIG_HOME", {}}, {"HOME", {}}};
};
} // namespace

TEST_F(RegistryTest, FileComesFromTheEnvironment)
{
    EXPECT_EQ(Registry::FilePath(), m_file);
    unsetenv("QUOR_REGISTRY");
    setenv("XDG_CONFIG_HOME", "/xdg", 1);
    EXPECT_EQ(Registry::FilePath(), std::filesystem::path("/xdg/morva/registry.ini"));
    unsetenv("XDG_CONFIG_HOME");
    setenv("HOME", "/home/user", 1);
    EXPECT_EQ(Registry::FilePath(), std::filesystem::path("/home/user/.config/morva/registry.ini"));
}

TEST_F(RegistryTest, OpenFailsWhileTheKeyIsAbsent)
{
    Registry key;
    EXPECT_FALSE(key.OpenKey(RegistryRoot::LocalMachine, kQuorRegistryKey));
    std::u16string value;
    EXPECT_FALSE(key.QueryValue(kRegistryValueLanguage, value));
}

TEST_F(RegistryTest, ReadsTheInstallersValuesFromTheKeySection)
{
    ASSERT_TRUE(WritePrivateProfileStringW(u"HKEY_LOCAL_MACHINE\\Software\\Morva\\Quor", u"Language", u"German", m_file));
    ASSERT_TRUE(WritePrivateProfileStringW(u"HKEY_LOCAL_MACHINE\\Software\\Morva\\Quor", u"InstallDir", u"/opt/quor/", m_file));

    Registry key;
    ASSERT_TRUE(key.OpenKey(RegistryRoot::LocalMachine, u"software\\morva\\QUOR"));
    std::u16string value;
    EXPECT_TRUE(key.QueryValue(u"language", value));
    EXPECT_EQ(value, u"German");
    EXPECT_TRUE(key.QueryValue(kRegistryValueInstallDir, value));
    EXPECT_EQ(value, u"/opt/quor/");
    EXPECT_FALSE(key.QueryValue(u"Missing", value));
    key.CloseKey();
    EXPECT_FALSE(key.QueryValue(u"Language", value));
}

TEST_F(RegistryTest, CreateMakesTheFileFolderAndSection)
{
    const std::filesystem::path nested = m_dir / "morva" / "registry.ini";
    setenv("QUOR_REGISTRY", nested.c_str(), 1);
    Registry key;
    ASSERT_TRUE(key.CreateKey(RegistryRoot::LocalMachine, kQuorRegistryKey));
    EXPECT_EQ(key.GetKeyPath(), u"HKEY_LOCAL_MACHINE\\Software\\Morva\\Quor");
    EXPECT_TRUE(key.SetValue(kRegistryValueLanguage, u"French"));

    Registry again;
    ASSERT_TRUE(again.OpenKey(RegistryRoot::LocalMachine, kQuorRegistryKey));
    std::u16string value;
    EXPECT_TRUE(again.QueryValue(kRegistryValueLanguage, value));
    EXPECT_EQ(value, u"French");
    EXPECT_TRUE(again.CreateKey(RegistryRoot::LocalMachine, kQuorRegistryKey)); // exists: opens
}

TEST_F(RegistryTest, CreateFailsWhereTheFileCannotBeWritten)
{
    // A folder in the way that is a file: not writable even for root.
    std::ofstream(m_dir / "blocker") << "x";
    const std::filesystem::path blocked = m_dir / "blocker" / "registry.ini";
    setenv("QUOR_REGISTRY", blocked.c_str(), 1);
    Registry key;
    EXPECT_FALSE(key.CreateKey(RegistryRoot::LocalMachine, kQuorRegistryKey));
    EXPECT_FALSE(key.IsOpen());
}
