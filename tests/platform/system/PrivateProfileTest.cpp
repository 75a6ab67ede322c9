#include "platform/system/PrivateProfile.h"

#include "support/TempDir.h"

#include <fstream>
#include <gtest/gtest.h>
#include <sstream>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

using namespace quor::system;

namespace {
class PrivateProfileTest : public testing::Test {
protected:
    void WriteFile(const std::string& bytes)
    {
        std::ofstream out(m_file, std::ios::binary);
        out << bytes;
    }

    std::string ReadFile() const
    {
        std::ifstream in(m_file, std::ios::binary);
        std::stringstream text;
        text << in.rdbuf();
        return text.str();
    }

    quor::test::TempDir m_dir;
    std::filesystem::path m_file = m_dir / "profile.ini";
};

const char* const kHandWritten = "; written by hand\r\n"
                                 "\r\n"
                                 "[PROPERTIES]\r\n"
                                 "  name = Game One  \r\n"
                                 "# a comment = not a key\r\n"
                                 "a line without equals\r\n"
                                 "exe=\r\n"
                                 "auto=5\r\n"
                                 "\r\n"
                                 "[ASSIGNMENTS]\r\n"
                                 "1=0\r\n"
                                 "10=37\r\n";
} // namespace

TEST_F(PrivateProfileTest, MissingFileSectionOrKeyReadsAsDefault)
{
    EXPECT_EQ(GetPrivateProfileStringW(u"S", u"k", u"dflt", m_file), u"dflt");
    EXPECT_EQ(GetPrivateProfileIntW(u"S", u"k", 7, m_file), 7);
    EXPECT_TRUE(GetPrivateProfileSectionW(u"S", m_file).empty());
    EXPECT_FALSE(FindPrivateProfileString(u"S", u"k", m_file));

    WriteFile(kHandWritten);
    EXPECT_EQ(GetPrivateProfileStringW(u"MISSING", u"name", u"dflt", m_file), u"dflt");
    EXPECT_EQ(GetPrivateProfileStringW(u"PROPERTIES", u"missing", u"dflt", m_file), u"dflt");
    EXPECT_EQ(GetPrivateProfileIntW(u"PROPERTIES", u"missing", -3, m_file), -3);
}

TEST_F(PrivateProfileTest, ReadsHandWrittenFileWithCrlfCommentsAndStrayLines)
{
    WriteFile(kHandWritten);
    EXPECT_EQ(GetPrivateProfileStringW(u"PROPERTIES", u"name", u"", m_file), u"Game One");
    EXPECT_EQ(GetPrivateProfileStringW(u"PROPERTIES", u"exe", u"dflt", m_file), u""); // present, empty
    EXPECT_EQ(GetPrivateProfileIntW(u"PROPERTIES", u"auto", 0, m_file), 5);
    EXPECT_EQ(GetPrivateProfileStringW(u"PROPERTIES", u"# a comment", u"dflt", m_file), u"dflt");
    EXPECT_EQ(GetPrivateProfileStringW(u"PROPERTIES", u"a line without equals", u"dflt", m_file), u"dflt");
    EXPECT_EQ(GetPrivateProfileSectionW(u"PROPERTIES", m_file),
              (std::vector<std::u16string>{u"name=Game One", u"exe=", u"auto=5"}));
    EXPECT_EQ(GetPrivateProfileSectionW(u"ASSIGNMENTS", m_file), (std::vector<std::u16string>{u"1=0", u"10=37"}));
}

TEST_F(PrivateProfileTest, NamesCompareRegardlessOfCaseIncludingNonAscii)
{
    WriteFile("[Écran]\nTaille=3\n[Жизнь]\nключ=да\n");
    EXPECT_EQ(GetPrivateProfileIntW(u"éCRAN", u"TAILLE", 0, m_file), 3);
    EXPECT_EQ(GetPrivateProfileStringW(u"жизнь", u"КЛЮЧ", u"", m_file), u"да");
    EXPECT_TRUE(WritePrivateProfileStringW(u"ЖИЗНЬ", u"Ключ", u"нет", m_file));
    EXPECT_EQ(ReadFile(), "[Écran]\nTaille=3\n[Жизнь]\nключ=нет\n");
}

TEST_F(PrivateProfileTest, WriteCreatesFileAndSection)
{
    EXPECT_TRUE(WritePrivateProfileStringW(u"PROPERTIES", u"name", u"Game", m_file));
    EXPECT_EQ(ReadFile(), "[PROPERTIES]\nname=Game\n");
    EXPECT_TRUE(WritePrivateProfileStringW(u"ASSIGNMENTS", u"1", u"0", m_file));
    EXPECT_EQ(ReadFile(), "[PROPERTIES]\nname=Game\n\n[ASSIGNMENTS]\n1=0\n");
    EXPECT_TRUE(WritePrivateProfileStringW(u"PROPERTIES", u"exe", u"", m_file));
    EXPECT_EQ(ReadFile(), "[PROPERTIES]\nname=Game\nexe=\n\n[ASSIGNMENTS]\n1=0\n");
}

TEST_F(PrivateProfileTest, WriteReplacesValueInPlaceAndKeepsTheRest)
{
    WriteFile(kHandWritten);
    EXPECT_TRUE(WritePrivateProfileStringW(u"properties", u"NAME", u"Другой", m_file));
    EXPECT_TRUE(WritePrivateProfileStringW(u"ASSIGNMENTS", u"26", u"29", m_file));
    EXPECT_EQ(ReadFile(), "; written by hand\r\n"
                          "\r\n"
                          "[PROPERTIES]\r\n"
                          "name=Другой\r\n"
                          "# a comment = not a key\r\n"
                          "a line without equals\r\n"
                          "exe=\r\n"
                          "auto=5\r\n"
                          "\r\n"
                          "[ASSIGNMENTS]\r\n"
                          "1=0\r\n"
                          "10=37\r\n"
                          "26=29\r\n");
    EXPECT_TRUE(WritePrivateProfileStringW(u"PROPERTIES", u"auto", std::nullopt, m_file));
    EXPECT_FALSE(FindPrivateProfileString(u"PROPERTIES", u"auto", m_file));
}

TEST_F(PrivateProfileTest, NewKeyGoesAfterTheLastEntryOfItsSection)
{
    WriteFile("[A]\nx=1\n\n[B]\ny=2\n");
    EXPECT_TRUE(WritePrivateProfileStringW(u"A", u"z", u"3", m_file));
    EXPECT_EQ(ReadFile(), "[A]\nx=1\nz=3\n\n[B]\ny=2\n");
}

TEST_F(PrivateProfileTest, FirstOfDuplicateSectionsAndKeysCounts)
{
    WriteFile("[A]\nx=1\nx=2\n[a]\nx=3\n");
    EXPECT_EQ(GetPrivateProfileIntW(u"A", u"x", 0, m_file), 1);
    EXPECT_EQ(GetPrivateProfileSectionW(u"A", m_file), (std::vector<std::u16string>{u"x=1", u"x=2"}));
}

TEST_F(PrivateProfileTest, ReadsIntegersLikeWindows)
{
    WriteFile("[N]\na=42abc\nb=-7\nc=abc\nd=0x1F\ne=\nf= +12 \n");
    EXPECT_EQ(GetPrivateProfileIntW(u"N", u"a", 9, m_file), 42);
    EXPECT_EQ(GetPrivateProfileIntW(u"N", u"b", 9, m_file), -7);
    EXPECT_EQ(GetPrivateProfileIntW(u"N", u"c", 9, m_file), 0);
    EXPECT_EQ(GetPrivateProfileIntW(u"N", u"d", 9, m_file), 31);
    EXPECT_EQ(GetPrivateProfileIntW(u"N", u"e", 9, m_file), 9);
    EXPECT_EQ(GetPrivateProfileIntW(u"N", u"f", 9, m_file), 12);
}

TEST_F(PrivateProfileTest, RefusesNamesAndValuesThatCannotStandInALine)
{
    EXPECT_FALSE(WritePrivateProfileStringW(u"", u"k", u"v", m_file));
    EXPECT_FALSE(WritePrivateProfileStringW(u"S]", u"k", u"v", m_file));
    EXPECT_FALSE(WritePrivateProfileStringW(u"S", u"k=1", u"v", m_file));
    EXPECT_FALSE(WritePrivateProfileStringW(u"S", u";k", u"v", m_file));
    EXPECT_FALSE(WritePrivateProfileStringW(u"S", u"k", u"two\nlines", m_file));
    EXPECT_FALSE(std::filesystem::exists(m_file));
}

TEST_F(PrivateProfileTest, UnderstandsByteOrderMarks)
{
    WriteFile("\xEF\xBB\xBF[S]\nk=v\n");
    EXPECT_EQ(GetPrivateProfileStringW(u"S", u"k", u"", m_file), u"v");
    EXPECT_TRUE(WritePrivateProfileStringW(u"S", u"k", u"w", m_file));
    EXPECT_EQ(ReadFile(), "\xEF\xBB\xBF[S]\nk=w\n");

    WriteFile(std::string("\xFF\xFE[\0S\0]\0\r\0\n\0k\0=\0\x16\x04\r\0\n\0", 22));
    EXPECT_EQ(GetPrivateProfileStringW(u"s", u"K", u"", m_file), u"Ж");
}

TEST_F(PrivateProfileTest, WriteFailsWhereTheFileCannotBeWrittenAndLeavesNoTemporaryFiles)
{
    EXPECT_FALSE(WritePrivateProfileStringW(u"S", u"k", u"v", m_dir / "missing-folder" / "x.ini"));

    WriteFile("[S]\nk=old\n");
    ASSERT_TRUE(WritePrivateProfileStringW(u"S", u"k", u"new", m_file));
    size_t files = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(m_dir.Path()))
        ++files;
    EXPECT_EQ(files, 1u);
}

TEST_F(PrivateProfileTest, WriteKeepsTheFilesPermissions)
{
    WriteFile("[S]\nk=old\n");
    ASSERT_EQ(::chmod(m_file.c_str(), 0640), 0);
    ASSERT_TRUE(WritePrivateProfileStringW(u"S", u"k", u"new", m_file));
    struct stat st {};
    ASSERT_EQ(::stat(m_file.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0640u);
}

TEST_F(PrivateProfileTest, SectionsCanBeCreatedEmpty)
{
    EXPECT_FALSE(HasPrivateProfileSection(u"HKEY_LOCAL_MACHINE\\Software", m_file));
    EXPECT_TRUE(CreatePrivateProfileSection(u"HKEY_LOCAL_MACHINE\\Software", m_file));
    EXPECT_TRUE(HasPrivateProfileSection(u"hkey_local_machine\\software", m_file));
    EXPECT_TRUE(CreatePrivateProfileSection(u"HKEY_LOCAL_MACHINE\\SOFTWARE", m_file));
    EXPECT_EQ(ReadFile(), "[HKEY_LOCAL_MACHINE\\Software]\n");
}

TEST_F(PrivateProfileTest, SectionReadStopsAtTheCharacterLimitOnWholeLines)
{
    WriteFile("[S]\na=1\nb=2\nc=3\n");
    // "a=1" and "b=2" with their terminators and the final one: 9 characters.
    EXPECT_EQ(GetPrivateProfileSectionW(u"S", m_file, 9), (std::vector<std::u16string>{u"a=1", u"b=2"}));
    EXPECT_EQ(GetPrivateProfileStringW(u"S", u"a", u"", m_file, 0), u"");
}

TEST_F(PrivateProfileTest, ConcurrentWritersLoseNoUpdate)
{
    constexpr int kWrites = 40;
    const auto writeKeys = [this](const std::u16string& prefix) {
        for (int i = 0; i < kWrites; ++i) {
            const std::u16string key = prefix + std::u16string(1, char16_t(u'A' + i % 26)) + std::u16string(1, char16_t(u'a' + i / 26));
            if (!WritePrivateProfileStringW(u"S", key, u"1", m_file))
                return false;
        }
        return true;
    };
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0)
        ::_exit(writeKeys(u"process") ? 0 : 1);
    bool threadOk = false;
    std::thread thread([&] { threadOk = writeKeys(u"thread"); });
    const bool mainOk = writeKeys(u"main");
    thread.join();
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    EXPECT_TRUE(threadOk && mainOk);
    EXPECT_EQ(GetPrivateProfileSectionW(u"S", m_file).size(), size_t(3 * kWrites));
}
