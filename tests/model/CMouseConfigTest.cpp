#include "model/CMouseConfig.h"

#include <gtest/gtest.h>

class IMouseDevice;

namespace {
// CMouseConfig without factory defaults (its extension is the one abstract operation).
class PlainConfig : public CMouseConfig {
public:
    std::u16string GetProfileExtension() const override { return u"mvp"; }
};
} // namespace

TEST(CMouseConfig, LastValueStagesBeforeAnyProfile)
{
    PlainConfig config;
    EXPECT_EQ(config.GetStageDpi(2), 0);
    config.SetStageDpi(2, 1200); // no arrays yet: dropped
    EXPECT_EQ(config.GetStageDpi(2), 0);
    config.SetDpiRange(100, 5600, 100);
    EXPECT_TRUE(config.CreateStages(5));
    EXPECT_EQ(config.GetStageCount(), 5);
    EXPECT_EQ(config.SetStageDpi(2, 9000), 5600);
    EXPECT_EQ(config.GetStageDpi(2), 5600);
    config.SetStageDpiX(9, 50);
    EXPECT_EQ(config.GetStageDpiX(5), 100);
    EXPECT_FALSE(config.CreateStages(0));
    EXPECT_TRUE(config.CreateStages(25));
    EXPECT_EQ(config.GetStageCount(), 10);
}

TEST(CMouseConfig, LastValueCountsAndFlags)
{
    PlainConfig config;
    config.CreateStages(4);
    config.SetActiveStageCount(7);
    EXPECT_EQ(config.GetActiveStageCount(), 4);
    EXPECT_EQ(config.SetCurrentStage(3), 2);
    EXPECT_EQ(config.GetCurrentStage(), 3);
    config.SetStageXYSeparate(1, 1);
    EXPECT_EQ(config.GetStageXYSeparate(4), 1);
    config.SetScrollLight(1);
    EXPECT_EQ(config.GetScrollLight(), 1);
    EXPECT_EQ(config.GetGlowLight(), 0);
    EXPECT_EQ(config.GetPollingRate(), -1);
    int32_t minimum = -1, maximum = -1, step = -1;
    EXPECT_TRUE(config.GetDpiRange(minimum, maximum, step));
    EXPECT_EQ(minimum + maximum + step, 0);
}

TEST(CMouseConfig, CreateStagesWithZeroOnAProfileChangesNothing)
{
    PlainConfig config;
    IMouseProfile* profile = config.NewProfile(u"P");
    EXPECT_FALSE(config.CreateStages(0, profile));
    EXPECT_EQ(profile->GetStageCount(), 0);
    EXPECT_TRUE(config.CreateStages(3, profile));
    EXPECT_EQ(profile->GetStageCount(), 3);
    EXPECT_EQ(config.GetStageCount(), 0); // neither active nor last-value stages
}

TEST(CMouseConfig, AccelerationLevelIsClamped)
{
    PlainConfig config;
    config.SetAccelerationRange(1, 10);
    config.SetAccelerationLevel(12);
    EXPECT_EQ(config.GetAccelerationLevel(), 10);
    config.SetAccelerationLevel(0);
    EXPECT_EQ(config.GetAccelerationLevel(), 1);
    config.SetAccelerationLevel(5);
    EXPECT_EQ(config.GetAccelerationLevel(), 5);
    EXPECT_EQ(config.GetAccelerationMin(), 1);
    EXPECT_EQ(config.GetAccelerationMax(), 10);
}

TEST(CMouseConfig, ForwardsToTheActiveOrNamedProfile)
{
    PlainConfig config;
    IMouseProfile* a = config.NewProfile(u"A");
    IMouseProfile* b = config.NewProfile(u"B");
    config.SetActiveProfile(a);
    config.SetAutoSwitch(1);
    config.SetProgramPath(u"/usr/bin/b", b);
    config.SetScrollLight(1, b);
    EXPECT_EQ(a->GetAutoSwitch(), 1);
    EXPECT_EQ(b->GetAutoSwitch(), 0);
    EXPECT_EQ(config.GetProgramPath(b), u"/usr/bin/b");
    EXPECT_EQ(config.GetProgramPath(), u"");
    EXPECT_EQ(config.GetScrollLight(), 0); // the active profile's
    EXPECT_EQ(b->GetScrollLight(), 1);
    EXPECT_TRUE(config.SetButtonAssignment(1, AssignmentRecord::Make(0)));
    AssignmentRecord record;
    EXPECT_TRUE(config.GetButtonAssignment(1, record, a));
    EXPECT_EQ(record.function, 0);
}

TEST(CMouseConfig, WithoutAProfileGettersGiveTheirFallbacks)
{
    PlainConfig config;
    IMouseProfile* profile = config.NewProfile(u"A");
    config.SetActiveProfile(profile);
    profile->SetThumbKeysEnabled(0);
    config.DeleteProfile(profile);
    EXPECT_EQ(config.GetActiveProfile(), nullptr);
    EXPECT_EQ(config.GetProfileCount(), 0);

    EXPECT_EQ(config.GetThumbKeysEnabled(), 1);
    AssignmentRecord record = AssignmentRecord::Make(3);
    EXPECT_FALSE(config.GetKeyAssignment(2, record));
    EXPECT_EQ(record, AssignmentRecord::Make(-1));
    EXPECT_FALSE(config.GetButtonAssignment(1, record));
    EXPECT_EQ(record.function, -1);
    EXPECT_FALSE(config.SetButtonAssignment(1, AssignmentRecord::Make(0)));
    EXPECT_FALSE(config.HasClickAssignment());
    EXPECT_EQ(config.GetAutoSwitch(), 0);
    EXPECT_EQ(config.GetProfileDisplay(), 0);
    EXPECT_EQ(config.GetKeyAssignmentCount(), 0);
    EXPECT_EQ(config.GetAssignedKey(0), 0);
    EXPECT_EQ(config.GetProgramPath(), u"");
}

TEST(CMouseConfig, AssignedKeyOutOfRangeIsTheOneError)
{
    PlainConfig config;
    IMouseProfile* profile = config.NewProfile(u"A");
    profile->SetKeyAssignment(2, AssignmentRecord::SingleKey(2));
    EXPECT_EQ(config.GetAssignedKey(0, profile), 2);
    EXPECT_THROW(config.GetAssignedKey(1, profile), std::out_of_range);
}

TEST(CMouseConfig, ProfileListOperations)
{
    PlainConfig config;
    IMouseProfile* a = config.NewProfile(u"Éclair");
    IMouseProfile* b = config.NewProfile(u"Жук");
    b->SetId(9, 8, 7, 6);
    EXPECT_EQ(config.GetProfile(0), a);
    EXPECT_EQ(config.GetProfile(2), nullptr);
    EXPECT_EQ(config.GetProfile(-1), nullptr);
    EXPECT_EQ(config.FindProfileByName(u"éCLAIR"), a);
    EXPECT_EQ(config.FindProfileByName(u"жУК"), b);
    EXPECT_EQ(config.FindProfileByName(u"Eclair"), nullptr);
    EXPECT_EQ(config.FindProfileById(9, 8, 7, 6), b);
    EXPECT_EQ(config.FindProfileById(9, 8, 7, 0), nullptr);

    EXPECT_EQ(config.DuplicateProfile(nullptr), nullptr);
    IMouseProfile* copy = config.DuplicateProfile(b);
    EXPECT_EQ(config.GetProfile(2), copy);
    EXPECT_EQ(copy->GetName(), u"Жук");

    config.SetActiveProfile(a);
    config.ClearProfiles();
    EXPECT_EQ(config.GetProfileCount(), 0);
    EXPECT_EQ(config.GetActiveProfile(), nullptr);
}

TEST(CMouseConfig, RenameReplacesTheProfileByACopyInPlace)
{
    PlainConfig config;
    config.NewProfile(u"First");
    IMouseProfile* game = config.NewProfile(u"Game");
    config.NewProfile(u"Last");
    config.SetActiveProfile(game);

    EXPECT_EQ(config.RenameProfile(game, u"Game"), nullptr);
    EXPECT_EQ(config.GetProfile(1), game);
    EXPECT_EQ(config.RenameProfile(nullptr, u"X"), nullptr);

    IMouseProfile* renamed = config.RenameProfile(game, u"GAME");
    ASSERT_NE(renamed, nullptr);
    EXPECT_EQ(renamed->GetName(), u"GAME");
    EXPECT_EQ(config.GetProfile(1), renamed);
    EXPECT_EQ(config.GetActiveProfile(), renamed);
    EXPECT_EQ(config.GetProfileCount(), 3);

    CMouseProfile outsider(u"Outside");
    EXPECT_EQ(config.RenameProfile(&outsider, u"Renamed"), nullptr);
    EXPECT_EQ(outsider.GetName(), u"Renamed");
}

TEST(CMouseConfig, ProfileDisplayAllReachesEveryProfile)
{
    PlainConfig config;
    IMouseProfile* a = config.NewProfile(u"A");
    IMouseProfile* b = config.NewProfile(u"B");
    config.SetActiveProfile(a);
    config.SetProfileDisplayAll(1);
    EXPECT_EQ(b->GetProfileDisplay(), 1);
    config.SetProfileDisplayAll(0);
    EXPECT_EQ(a->GetProfileDisplay(), 0);
    EXPECT_EQ(b->GetProfileDisplay(), 0);
}

TEST(CMouseConfig, KeepsTheDevicePointer)
{
    PlainConfig config;
    EXPECT_EQ(config.GetDevice(), nullptr);
    auto* device = reinterpret_cast<IMouseDevice*>(&config); // never dereferenced by the store
    config.SetDevice(device);
    config.SetDevice(nullptr);
    EXPECT_EQ(config.GetDevice(), device);
}

TEST(CMouseConfig, Macros)
{
    PlainConfig config;
    CMacro* jump = config.NewMacro(u"Jump");
    ASSERT_NE(jump, nullptr);
    EXPECT_EQ(config.NewMacro(u"JUMP"), nullptr);
    EXPECT_EQ(config.GetMacroCount(), 1);
    CMacro* run = config.NewMacro(u"Бег");
    run->SetMacroId(1, 2, 3, 4);
    EXPECT_EQ(config.FindMacroByName(u"БЕГ"), run);
    EXPECT_EQ(config.FindMacroById(1, 2, 3, 4), run);
    EXPECT_EQ(config.FindMacroById(0, 0, 0, 0), jump);
    EXPECT_EQ(config.GetMacro(1), run);
    EXPECT_EQ(config.GetMacro(2), nullptr);

    CMacro stranger(u"Jump");
    config.DeleteMacro(&stranger);
    config.DeleteMacro(nullptr);
    EXPECT_EQ(config.GetMacroCount(), 2);
    config.DeleteMacro(jump);
    EXPECT_EQ(config.GetMacroCount(), 1);
    EXPECT_EQ(config.GetMacro(0), run);
}
