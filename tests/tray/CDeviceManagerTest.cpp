// The tray's short uses of the device service, against the real virtual mouse.

#include "TrayFixture.h"

#include "tray/CDeviceManager.h"

namespace {

using quor::test::TrayFixture;

class CDeviceManagerTest : public TrayFixture {
protected:
    void SetUp() override
    {
        TrayFixture::SetUp();
        ASSERT_EQ(Quorctl({"add-profile", "Second"}), 0);
        ASSERT_EQ(Quorctl({"add-profile", "second"}), 0);
    }
};

TEST_F(CDeviceManagerTest, NamesInDeviceOrderAndExactLookUps)
{
    CDeviceManager manager;
    ASSERT_TRUE(manager.HasDevice());
    std::vector<std::u16string> names{u"left over"};
    ASSERT_TRUE(manager.GetProfileNames(names));
    EXPECT_EQ(names, (std::vector<std::u16string>{u"Profile 1", u"Second", u"second"}));

    std::u16string active;
    ASSERT_TRUE(manager.GetActiveProfileName(active));
    EXPECT_EQ(active, u"Profile 1");
    // Names differing only in case are different profiles.
    ASSERT_TRUE(manager.SetActiveProfileByName(u"second"));
    ASSERT_TRUE(manager.GetActiveProfileName(active));
    EXPECT_EQ(active, u"second");
    EXPECT_FALSE(manager.SetActiveProfileByName(u"SECOND"));
    EXPECT_FALSE(manager.SetActiveProfileByName(u""));
    ASSERT_TRUE(manager.GetActiveProfileName(active));
    EXPECT_EQ(active, u"second");
}

TEST_F(CDeviceManagerTest, ProfileSettingsRoundTrip)
{
    ASSERT_EQ(Quorctl({"set-program", "Second", "game.bin"}), 0);
    ASSERT_EQ(Quorctl({"set-flags", "Second", "0x5"}), 0);
    CDeviceManager manager;
    _Profile_Setting_ setting;
    ASSERT_TRUE(manager.GetProfileSetting(u"Second", setting));
    EXPECT_EQ(setting.name, u"Second");
    EXPECT_EQ(setting.program, u"game.bin");
    EXPECT_EQ(setting.autoSwitch, 1u);
    EXPECT_EQ(setting.sensitivityDisplay, 0u);
    EXPECT_EQ(setting.profileDisplay, 1u);
    EXPECT_FALSE(manager.GetProfileSetting(u"SECOND", setting));

    _Profile_Setting_ changed;
    changed.name = u"second";
    changed.sensitivityDisplay = 7; // any non-zero value sets the flag
    ASSERT_TRUE(manager.SetProfileFlags(changed));
    ASSERT_TRUE(manager.SetProgramName(u"second", std::u16string(200, u'p')));
    ASSERT_TRUE(manager.SetAutoSwitchFlag(u"second", true));
    std::vector<_Profile_Setting_> all;
    ASSERT_TRUE(manager.GetAllProfileSettings(all));
    ASSERT_EQ(all.size(), 3u);
    EXPECT_EQ(all[0].name, u"Profile 1");
    // The factory profile: both displays on, no switching, no program.
    EXPECT_EQ(all[0].sensitivityDisplay, 1u);
    EXPECT_EQ(all[0].profileDisplay, 1u);
    EXPECT_EQ(all[0].autoSwitch, 0u);
    EXPECT_TRUE(all[0].program.empty());
    EXPECT_EQ(all[1].program, u"game.bin");
    EXPECT_EQ(all[2].program, std::u16string(127, u'p'));
    EXPECT_EQ(all[2].autoSwitch, 1u);
    EXPECT_EQ(all[2].sensitivityDisplay, 1u);
    EXPECT_EQ(all[2].profileDisplay, 0u);
    EXPECT_FALSE(manager.SetProgramName(u"missing", u"x"));
}

TEST_F(CDeviceManagerTest, UnpluggedMouseGivesNothing)
{
    ASSERT_EQ(Quorctl({"unplug"}), 0);
    CDeviceManager manager;
    EXPECT_FALSE(manager.HasDevice());
    std::vector<std::u16string> names;
    std::u16string active;
    _Profile_Setting_ setting;
    std::vector<_Profile_Setting_> settings;
    EXPECT_FALSE(manager.GetProfileNames(names));
    EXPECT_FALSE(manager.GetAllProfileSettings(settings));
    EXPECT_FALSE(manager.GetActiveProfileName(active));
    EXPECT_FALSE(manager.GetProfileSetting(u"Profile 1", setting));
    EXPECT_FALSE(manager.SetActiveProfileByName(u"Profile 1"));
    EXPECT_EQ(manager.ConnectDpiEvents(nullptr), nullptr);
    EXPECT_EQ(manager.ConnectProfileEvents(nullptr), nullptr);
}

} // namespace
