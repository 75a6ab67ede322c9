#include "model/CVornConfig.h"
#include "model/IniFile.h"
#include "model/ProfileFile.h"

#include "platform/system/PrivateProfile.h"
#include "platform/system/Utf16.h"
#include "support/TempDir.h"

#include <fstream>
#include <gtest/gtest.h>
#include <sstream>

namespace fs = std::filesystem;
using quor::system::FromPath;
using quor::system::ToPath;

namespace {
class ProfileFileTest : public testing::Test {
protected:
    std::u16string Folder() const { return m_config.GetProfileFolder(); }
    fs::path SaveDir() const { return ToPath(Folder()); }

    std::string ReadFile(const fs::path& path) const
    {
        std::ifstream in(path, std::ios::binary);
        std::stringstream text;
        text << in.rdbuf();
        return text.str();
    }

    void WriteProfileFile(const std::string& baseName, const std::string& content)
    {
        fs::create_directories(SaveDir());
        std::ofstream(SaveDir() / (baseName + ".mvp"), std::ios::binary) << content;
    }

    std::vector<std::string> SavedFiles() const
    {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(SaveDir()))
            names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }

    quor::test::TempDir m_dir;
    CVornConfig m_config{FromPath(m_dir.Path())};
};
} // namespace

TEST_F(ProfileFileTest, SaveWritesPropertiesAndButtonCodes)
{
    IMouseProfile* game = m_config.NewProfile(u"Game");
    game->SetButtonAssignment(4, AssignmentRecord::Make(0)); // button 4 now has an entry too
    ASSERT_TRUE(m_config.SaveProfile(game));
    EXPECT_TRUE(game->HasFile());
    EXPECT_EQ(game->GetFilePath(), Folder() + u"Game.mvp");
    EXPECT_EQ(ReadFile(SaveDir() / "Game.mvp"), "[PROPERTIES]\n"
                                                "name=Game\n"
                                                "exe=\n"
                                                "auto=0\n"
                                                "\n"
                                                "[ASSIGNMENTS]\n"
                                                "1=0\n"
                                                "2=1\n"
                                                "3=2\n"
                                                "4=0\n"
                                                "10=37\n"
                                                "11=38\n"
                                                "25=30\n"
                                                "26=29\n");
}

TEST_F(ProfileFileTest, SaveGivesBackTheDerivedBaseNameAndCutsAGivenOne)
{
    CMouseProfile profile(u"Name");
    std::u16string baseName;
    ASSERT_TRUE(profile.Save(baseName, Folder(), u"mvp"));
    EXPECT_EQ(baseName, u"Name");
    baseName = std::u16string(130, u'b');
    ASSERT_TRUE(profile.Save(baseName, Folder(), u"mvp"));
    EXPECT_EQ(baseName, std::u16string(127, u'b'));
    EXPECT_TRUE(fs::exists(SaveDir() / (std::string(127, 'b') + ".mvp")));
}

TEST_F(ProfileFileTest, LongNamesGetNumberedBaseNames)
{
    const std::u16string prefix(123, u'n');
    IMouseProfile* first = m_config.NewProfile(prefix + u"-first");
    IMouseProfile* second = m_config.NewProfile(prefix + u"-second");
    ASSERT_TRUE(m_config.SaveProfile(first));
    ASSERT_TRUE(m_config.SaveProfile(second));
    EXPECT_EQ(first->GetFilePath(), Folder() + prefix + u"0000.mvp");
    EXPECT_EQ(second->GetFilePath(), Folder() + prefix + u"0001.mvp");
    // Saving again finds its own file by the stored name, regardless of case.
    first->SetName(prefix + u"-FIRST");
    ASSERT_TRUE(m_config.SaveProfile(first));
    EXPECT_EQ(first->GetFilePath(), Folder() + prefix + u"0000.mvp");
    // The file keeps a name without its end blanks; saving again must still find that file.
    IMouseProfile* blank = m_config.NewProfile(u" " + prefix + u"-blank ");
    ASSERT_TRUE(m_config.SaveProfile(blank));
    ASSERT_TRUE(m_config.SaveProfile(blank));
    EXPECT_EQ(blank->GetFilePath(), Folder() + u" " + prefix.substr(1) + u"0000.mvp");
    EXPECT_EQ(SavedFiles().size(), 3u);
}

TEST_F(ProfileFileTest, NoBaseNameWhenAllHundredNumbersAreTaken)
{
    const std::string prefix(123, 'n');
    for (int i = 0; i < 100; ++i) {
        char digits[8];
        std::snprintf(digits, sizeof digits, "%04d", i);
        WriteProfileFile(prefix + digits, "[PROPERTIES]\nname=other " + std::to_string(i) + "\n");
    }
    IMouseProfile* profile = m_config.NewProfile(std::u16string(130, u'n'));
    EXPECT_FALSE(m_config.SaveProfile(profile));
    EXPECT_FALSE(profile->HasFile());
}

TEST_F(ProfileFileTest, NamesThatWouldLeaveTheFolderAreMadeSafe)
{
    EXPECT_EQ(SanitizeFileBaseName(u"../../etc/passwd"), u"______etc_passwd");
    EXPECT_EQ(SanitizeFileBaseName(u"a\\b:c*d?e\"f<g>h|i\x01j"), u"a_b_c_d_e_f_g_h_i_j");
    EXPECT_EQ(SanitizeFileBaseName(u"v1.2 ...end"), u"v1.2 ___end");
    EXPECT_EQ(SanitizeFileBaseName(u"Профиль №1"), u"Профиль №1");

    IMouseProfile* evil = m_config.NewProfile(u"../escape");
    ASSERT_TRUE(m_config.SaveProfile(evil));
    EXPECT_EQ(evil->GetFilePath(), Folder() + u"___escape.mvp");
    EXPECT_FALSE(fs::exists(m_dir / "escape.mvp"));
    EXPECT_EQ(quor::system::GetPrivateProfileStringW(u"PROPERTIES", u"name", u"", SaveDir() / "___escape.mvp"),
              u"../escape");
}

TEST_F(ProfileFileTest, LongMultibyteNamesStillFitTheFileSystem)
{
    IMouseProfile* profile = m_config.NewProfile(std::u16string(100, u'Ж')); // 200 bytes in UTF-8
    ASSERT_TRUE(m_config.SaveProfile(profile));
    EXPECT_LE(ToPath(profile->GetFilePath()).filename().string().size(), 255u);
    EXPECT_TRUE(fs::exists(ToPath(profile->GetFilePath())));
}

TEST_F(ProfileFileTest, LoadReadsNameProgramAndSwitchOnly)
{
    WriteProfileFile("Game", "[PROPERTIES]\r\nname=Game\r\nexe=/opt/game/run.sh\r\nauto=5\r\n[ASSIGNMENTS]\r\n1=6\r\n");
    CMouseProfile profile;
    ASSERT_TRUE(profile.Load(u"Game", Folder(), u"mvp"));
    EXPECT_EQ(profile.GetName(), u"Game");
    EXPECT_EQ(profile.GetFilePath(), Folder() + u"Game.mvp");
    EXPECT_EQ(profile.GetProgramPath(), u"/opt/game/run.sh");
    EXPECT_EQ(profile.GetProgramFileName(), u"run.sh");
    EXPECT_EQ(profile.GetAutoSwitch(), 1);
    EXPECT_TRUE(profile.GetButtonAssignments().empty());
    EXPECT_EQ(profile.GetStageCount(), 0);
}

TEST_F(ProfileFileTest, FileWithoutNameIsUnreadable)
{
    WriteProfileFile("Empty", "[PROPERTIES]\nexe=/bin/x\n");
    CMouseProfile profile(u"Kept");
    EXPECT_FALSE(profile.Load(u"Empty", Folder(), u"mvp"));
    EXPECT_EQ(profile.GetName(), u"Kept");
    EXPECT_FALSE(profile.HasFile());
    EXPECT_FALSE(profile.Load(u"Missing", Folder(), u"mvp"));
}

TEST_F(ProfileFileTest, ScanStopsAtTheFirstUnreadableFile)
{
    WriteProfileFile("a", "[PROPERTIES]\nname=Alpha\n");
    WriteProfileFile("b", "[PROPERTIES]\nexe=\n");
    WriteProfileFile("c", "[PROPERTIES]\nname=Gamma\n");
    m_config.NewProfile(u"Replaced");
    EXPECT_EQ(m_config.ScanProfiles(), 1);
    ASSERT_EQ(m_config.GetProfileCount(), 1);
    EXPECT_EQ(m_config.GetProfile(0)->GetName(), u"Alpha");
}

TEST_F(ProfileFileTest, ScanWithoutFilesLeavesTheListAlone)
{
    m_config.NewProfile(u"Kept");
    EXPECT_EQ(m_config.ScanProfiles(), 0); // no save folder
    fs::create_directories(SaveDir());
    std::ofstream(SaveDir() / "notes.txt") << "x";
    EXPECT_EQ(m_config.ScanProfiles(), 0);
    EXPECT_EQ(m_config.GetProfileCount(), 1);
}

TEST_F(ProfileFileTest, ScanListsFilesInCaseInsensitiveNameOrder)
{
    WriteProfileFile("beta", "[PROPERTIES]\nname=Beta\n");
    WriteProfileFile("Alpha", "[PROPERTIES]\nname=Alpha\n");
    WriteProfileFile("GAMMA", "[PROPERTIES]\nname=Gamma\n");
    std::ofstream(SaveDir() / "Delta.MVP") << "[PROPERTIES]\nname=Delta\n";
    EXPECT_EQ(m_config.ScanProfiles(), 4);
    EXPECT_EQ(m_config.GetProfile(0)->GetName(), u"Alpha");
    EXPECT_EQ(m_config.GetProfile(1)->GetName(), u"Beta");
    EXPECT_EQ(m_config.GetProfile(2)->GetName(), u"Delta");
    EXPECT_EQ(m_config.GetProfile(3)->GetName(), u"Gamma");
}

TEST_F(ProfileFileTest, SaveAllAndLoadAllKeepTheActiveProfile)
{
    EXPECT_FALSE(m_config.SaveAll()); // no active profile: nothing written to the settings file
    m_config.NewProfile(u"One");
    IMouseProfile* two = m_config.NewProfile(u"Two");
    two->SetAutoSwitch(1);
    m_config.SetActiveProfile(two);
    ASSERT_TRUE(m_config.SaveAll());
    EXPECT_EQ(ReadFile(SaveDir() / "Vorn.mvc"), "[SETTINGS]\nActiveProfileName=Two\n");

    CVornConfig reloaded(FromPath(m_dir.Path()));
    reloaded.LoadAll();
    ASSERT_EQ(reloaded.GetProfileCount(), 2);
    ASSERT_NE(reloaded.GetActiveProfile(), nullptr);
    EXPECT_EQ(reloaded.GetActiveProfile()->GetName(), u"Two");
    EXPECT_EQ(reloaded.GetActiveProfile()->GetAutoSwitch(), 1);
}

TEST_F(ProfileFileTest, LoadAllFallsBackToTheFirstProfile)
{
    WriteProfileFile("a", "[PROPERTIES]\nname=Alpha\n");
    WriteProfileFile("b", "[PROPERTIES]\nname=Beta\n");
    m_config.LoadAll();
    ASSERT_NE(m_config.GetActiveProfile(), nullptr);
    EXPECT_EQ(m_config.GetActiveProfile()->GetName(), u"Alpha");

    IniFile(m_config.GetSettingsPath()).WriteString(u"SETTINGS", u"ActiveProfileName", u"BETA");
    m_config.LoadAll();
    EXPECT_EQ(m_config.GetActiveProfile()->GetName(), u"Beta");
}

TEST_F(ProfileFileTest, RenameOfTheActiveProfileMovesItsFile)
{
    m_config.NewProfile(u"First");
    IMouseProfile* game = m_config.NewProfile(u"Game");
    m_config.SetActiveProfile(game);
    ASSERT_TRUE(m_config.SaveProfile(game));
    ASSERT_TRUE(fs::exists(SaveDir() / "Game.mvp"));

    IMouseProfile* renamed = m_config.RenameProfile(game, u"Racing");
    ASSERT_NE(renamed, nullptr);
    EXPECT_FALSE(fs::exists(SaveDir() / "Game.mvp"));
    EXPECT_TRUE(fs::exists(SaveDir() / "Racing.mvp"));
    EXPECT_EQ(quor::system::GetPrivateProfileStringW(u"PROPERTIES", u"name", u"", SaveDir() / "Racing.mvp"), u"Racing");
    EXPECT_EQ(renamed->GetFilePath(), Folder() + u"Racing.mvp");
    EXPECT_EQ(m_config.GetActiveProfile(), renamed);
    EXPECT_EQ(m_config.GetProfile(1), renamed);
    EXPECT_EQ(m_config.GetProfileCount(), 2);
    EXPECT_EQ(renamed->GetStageDpi(5), 5600);
}

TEST_F(ProfileFileTest, RenameOnlyInLetterCaseOfALongNameKeepsTheSharedFile)
{
    const std::u16string name = std::u16string(125, u'n') + u"ame";
    IMouseProfile* profile = m_config.NewProfile(name);
    ASSERT_TRUE(m_config.SaveProfile(profile));
    const std::u16string path = profile->GetFilePath();
    IMouseProfile* renamed = m_config.RenameProfile(profile, std::u16string(125, u'n') + u"AME");
    ASSERT_NE(renamed, nullptr);
    EXPECT_EQ(renamed->GetFilePath(), path);
    EXPECT_TRUE(fs::exists(ToPath(path)));
}

TEST_F(ProfileFileTest, RenameWhoseFileCannotBeWrittenKeepsTheOldFile)
{
    IMouseProfile* game = m_config.NewProfile(u"Game");
    ASSERT_TRUE(m_config.SaveProfile(game));
    // A line break cannot stand in an INI value, so the new file's "name" is refused.
    IMouseProfile* renamed = m_config.RenameProfile(game, u"Game\nTwo");
    ASSERT_NE(renamed, nullptr);
    EXPECT_EQ(quor::system::GetPrivateProfileStringW(u"PROPERTIES", u"name", u"", SaveDir() / "Game.mvp"), u"Game");
}

TEST_F(ProfileFileTest, ProfilesWithoutFileAreRenamedWithoutWriting)
{
    IMouseProfile* game = m_config.NewProfile(u"Game");
    ASSERT_NE(m_config.RenameProfile(game, u"Other"), nullptr);
    EXPECT_FALSE(fs::exists(SaveDir()));
}

TEST_F(ProfileFileTest, DeleteRemovesTheFile)
{
    IMouseProfile* game = m_config.NewProfile(u"Game");
    ASSERT_TRUE(m_config.SaveProfile(game));
    m_config.DeleteProfile(game);
    EXPECT_TRUE(SavedFiles().empty());
    EXPECT_EQ(m_config.GetProfileCount(), 0);
}

TEST_F(ProfileFileTest, FilesAreNeverClearedBeforeWriting)
{
    WriteProfileFile("Game", "[PROPERTIES]\nname=Game\nextra=kept\n[ASSIGNMENTS]\n9=6\n");
    IMouseProfile* game = m_config.NewProfile(u"Game");
    ASSERT_TRUE(m_config.SaveProfile(game));
    const fs::path file = SaveDir() / "Game.mvp";
    EXPECT_EQ(quor::system::GetPrivateProfileStringW(u"PROPERTIES", u"extra", u"", file), u"kept");
    EXPECT_EQ(quor::system::GetPrivateProfileIntW(u"ASSIGNMENTS", u"9", 0, file), 6);
}

TEST(IniFile, WrapsThePrivateProfileService)
{
    quor::test::TempDir dir;
    IniFile file(FromPath(dir / "x.ini"));
    EXPECT_EQ(file.ReadString(u"S", u"k", u"d"), u"d");
    EXPECT_EQ(file.ReadInt(u"S", u"n", 4), 4);
    std::vector<std::u16string> lines{u"stale"};
    EXPECT_FALSE(file.ReadSection(u"S", lines));
    EXPECT_TRUE(lines.empty());
    EXPECT_TRUE(file.WriteString(u"S", u"k", u"v"));
    EXPECT_TRUE(file.WriteInt(u"S", u"n", -12));
    EXPECT_EQ(file.ReadInt(u"s", u"N", 0), -12);
    EXPECT_TRUE(file.ReadSection(u"S", lines));
    EXPECT_EQ(lines, (std::vector<std::u16string>{u"k=v", u"n=-12"}));
}
