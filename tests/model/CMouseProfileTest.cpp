#include "model/CMouseProfile.h"
#include "model/CVornProfile.h"

#include <gtest/gtest.h>
#include <stdexcept>

namespace {
// A profile with the default range and five stages.
CMouseProfile RangedProfile()
{
    CMouseProfile profile(u"P");
    profile.SetDpiRange(100, 5600, 100);
    profile.CreateStages(5);
    return CMouseProfile(profile);
}
} // namespace

TEST(CMouseProfile, InitialFields)
{
    const CVornProfile profile;
    EXPECT_EQ(profile.GetName(), u"");
    EXPECT_TRUE(profile.GetId().IsZero());
    EXPECT_FALSE(profile.HasFile());
    EXPECT_EQ(profile.GetStageCount(), 0);
    EXPECT_EQ(profile.GetActiveStageCount(), 0);
    EXPECT_EQ(profile.GetCurrentStage(), 0); // index -1
    EXPECT_EQ(profile.GetThumbKeysEnabled(), 1);
    EXPECT_EQ(profile.GetGlowLight(), 0);
    EXPECT_EQ(profile.GetScrollLight(), 0);
    EXPECT_EQ(profile.GetKeyAssignmentCount(), 0);
    EXPECT_EQ(profile.GetStageDpi(1), 0);
    EXPECT_EQ(CMouseProfile(u"Named").GetName(), u"Named");
}

TEST(CMouseProfile, CreateStagesClampsCountAndSelectsStageOne)
{
    CMouseProfile profile;
    profile.SetActiveStageCount(3);
    EXPECT_TRUE(profile.CreateStages(0));
    EXPECT_EQ(profile.GetStageCount(), 1);
    EXPECT_TRUE(profile.CreateStages(25));
    EXPECT_EQ(profile.GetStageCount(), 10);
    EXPECT_EQ(profile.GetCurrentStage(), 1);
    EXPECT_EQ(profile.GetActiveStageCount(), 0); // set before there were stages: min(3, 0)
    profile.SetActiveStageCount(12);
    EXPECT_EQ(profile.GetActiveStageCount(), 10);
}

TEST(CMouseProfile, StageNumbersAboveTheCountAddressTheLastStage)
{
    CMouseProfile profile = RangedProfile();
    profile.SetStageDpi(5, 2400);
    EXPECT_EQ(profile.GetStageDpi(9), 2400);
    EXPECT_EQ(profile.SetCurrentStage(7), 4);
    EXPECT_EQ(profile.GetCurrentStage(), 5);
    EXPECT_EQ(profile.SetCurrentStage(2), 1);
}

TEST(CMouseProfile, SensitivityIsClampedToTheRange)
{
    CMouseProfile profile = RangedProfile();
    EXPECT_EQ(profile.SetStageDpiX(2, 9000), 5600);
    EXPECT_EQ(profile.GetStageDpiX(2), 5600);
    EXPECT_EQ(profile.SetStageDpi(1, 6000), 5600);
    EXPECT_EQ(profile.SetStageDpiY(1, 50), 100);

    CMouseProfile unranged;
    unranged.CreateStages(2);
    EXPECT_EQ(unranged.SetStageDpi(1, 800), 0);
}

TEST(CMouseProfile, ButtonAssignmentsAreCheckedAndCreatedOnRead)
{
    CMouseProfile profile;
    EXPECT_TRUE(profile.SetButtonAssignment(10, AssignmentRecord::Make(37)));
    EXPECT_FALSE(profile.SetButtonAssignment(10, AssignmentRecord::Make(0)));
    EXPECT_EQ(profile.GetButtonAssignment(10).function, 37);

    EXPECT_EQ(profile.GetButtonAssignments().count(4), 0u);
    const AssignmentRecord read = profile.GetButtonAssignment(4);
    EXPECT_EQ(read, AssignmentRecord());
    EXPECT_EQ(profile.GetButtonAssignments().count(4), 1u);
}

TEST(CMouseProfile, RefusedKeyAssignmentStillEntersTheKeyOrder)
{
    CMouseProfile profile;
    EXPECT_TRUE(profile.SetKeyAssignment(5, AssignmentRecord::SingleKey(5)));
    EXPECT_FALSE(profile.SetKeyAssignment(2, AssignmentRecord::Make(9)));
    EXPECT_TRUE(profile.SetKeyAssignment(5, AssignmentRecord::Make(6)));
    EXPECT_EQ(profile.GetKeyAssignmentCount(), 1);
    EXPECT_EQ(profile.GetKeyOrder(), (std::vector<int32_t>{5, 2}));
    EXPECT_EQ(profile.GetAssignedKey(1), 2);
    EXPECT_THROW(profile.GetAssignedKey(2), std::out_of_range);
    EXPECT_THROW(profile.GetAssignedKey(-1), std::out_of_range);
}

TEST(CMouseProfile, ClickAssignmentOnKeysCountsOnlyWithThumbKeysOn)
{
    CMouseProfile profile;
    profile.SetButtonAssignment(1, AssignmentRecord::Make(1));
    profile.SetKeyAssignment(2, AssignmentRecord::Make(0));
    EXPECT_TRUE(profile.HasClickAssignment());
    profile.SetThumbKeysEnabled(0);
    EXPECT_FALSE(profile.HasClickAssignment());
    profile.SetButtonAssignment(3, AssignmentRecord::Make(0));
    EXPECT_TRUE(profile.HasClickAssignment());
}

TEST(CMouseProfile, ProgramPathGivesTheFileName)
{
    CMouseProfile profile;
    profile.SetProgramPath(u"/opt/games/Quake.Live.exe");
    EXPECT_EQ(profile.GetProgramPath(), u"/opt/games/Quake.Live.exe");
    EXPECT_EQ(profile.GetProgramFileName(), u"Quake.Live.exe");
    profile.SetProgramPath(u"C:\\Games\\game.exe");
    EXPECT_EQ(profile.GetProgramFileName(), u"game.exe");
    profile.SetProgramFileName(u"other");
    EXPECT_EQ(profile.GetProgramPath(), u"C:\\Games\\game.exe");
    EXPECT_EQ(ProgramFileNameOf(u""), u"");
}

TEST(CMouseProfile, AllowedFunctionKeysAreAppended)
{
    const CMouseProfile profile;
    std::vector<std::u16string> keys{u"first"};
    profile.GetAllowedFunctionKeys(keys, 11);
    ASSERT_EQ(keys.size(), 7u);
    EXPECT_EQ(keys[1], u"$macro");
    EXPECT_EQ(keys[6], u"$buttonoff");
    EXPECT_TRUE(profile.IsFunctionAllowed(19, 2));
}

TEST(CMouseProfile, CopyKeepsEverythingAndClampsStagesToTheCopiedRange)
{
    CMouseProfile source(u"Source");
    source.SetDpiRange(100, 5600, 100);
    source.CreateStages(4);
    source.SetActiveStageCount(3);
    source.SetStageXYSeparate(2, 1);
    source.SetStageDpi(2, 1600);
    source.SetStageDpiX(2, 800);
    source.SetStageDpiY(2, 3200);
    source.SetCurrentStage(3);
    source.SetId(1, 2, 3, 4);
    source.SetProgramPath(u"/bin/game");
    source.SetAutoSwitch(1);
    source.SetSensitivityDisplay(1);
    source.SetProfileDisplay(1);
    source.SetThumbKeysEnabled(0);
    source.SetGlowLight(1);
    source.SetScrollLight(1);
    source.SetButtonAssignment(2, AssignmentRecord::WithName(19, u"Other"));
    source.SetKeyAssignment(13, AssignmentRecord::SingleKey(13));
    source.SetKeyAssignment(2, AssignmentRecord::SingleKey(2));

    const CMouseProfile copy(source);
    EXPECT_EQ(copy.GetName(), u"Source");
    EXPECT_EQ(copy.GetId(), (ModelId{{1, 2, 3, 4}}));
    EXPECT_EQ(copy.GetProgramPath(), u"/bin/game");
    EXPECT_EQ(copy.GetProgramFileName(), u"game");
    EXPECT_EQ(copy.GetAutoSwitch(), 1);
    EXPECT_EQ(copy.GetSensitivityDisplay(), 1);
    EXPECT_EQ(copy.GetProfileDisplay(), 1);
    EXPECT_EQ(copy.GetThumbKeysEnabled(), 0);
    EXPECT_EQ(copy.GetGlowLight(), 1);
    EXPECT_EQ(copy.GetScrollLight(), 1);
    EXPECT_EQ(copy.GetStageCount(), 4);
    EXPECT_EQ(copy.GetActiveStageCount(), 3);
    EXPECT_EQ(copy.GetCurrentStage(), 3);
    EXPECT_EQ(copy.GetStageXYSeparate(2), 1);
    EXPECT_EQ(copy.GetStageDpi(2), 1600);
    EXPECT_EQ(copy.GetStageDpiX(2), 800);
    EXPECT_EQ(copy.GetStageDpiY(2), 3200);
    EXPECT_EQ(copy.GetStageDpi(1), 100); // zero clamped to the copied minimum
    EXPECT_EQ(copy.GetButtonAssignments(), source.GetButtonAssignments());
    EXPECT_EQ(copy.GetKeyAssignments(), source.GetKeyAssignments());
    EXPECT_EQ(copy.GetKeyOrder(), (std::vector<int32_t>{13, 2}));
}
