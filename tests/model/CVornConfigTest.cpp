#include "model/CVornConfig.h"

#include "platform/system/Utf16.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

namespace {
class CVornConfigTest : public testing::Test {
protected:
    quor::test::TempDir m_dir;
    CVornConfig m_config{quor::system::FromPath(m_dir.Path())};
};
} // namespace

TEST_F(CVornConfigTest, PathsLieInTheSaveFolder)
{
    const std::u16string folder = quor::system::FromPath(m_dir.Path()) + u"/save/";
    EXPECT_EQ(m_config.GetProfileFolder(), folder);
    EXPECT_EQ(m_config.GetMacroFolder(), folder);
    EXPECT_EQ(m_config.GetSettingsPath(), folder + u"Vorn.mvc");
    EXPECT_EQ(m_config.GetProfileExtension(), u"mvp");
    EXPECT_EQ(CVornConfig(u"/opt/quor").GetProfileFolder(), u"/opt/quor/save/");
    EXPECT_EQ(CVornConfig(u"/opt/quor/").GetSettingsPath(), u"/opt/quor/save/Vorn.mvc");
}

TEST_F(CVornConfigTest, NewProfileCarriesTheFactoryDefaults)
{
    IMouseProfile* p = m_config.NewProfile(u"Profile 1");
    ASSERT_NE(p, nullptr);
    EXPECT_EQ(m_config.GetProfileCount(), 1);
    EXPECT_EQ(m_config.GetActiveProfile(), nullptr); // NewProfile does not activate

    EXPECT_EQ(p->GetName(), u"Profile 1");
    EXPECT_TRUE(p->GetId().IsZero());
    EXPECT_FALSE(p->HasFile());
    EXPECT_EQ(p->GetProgramPath(), u"");
    EXPECT_EQ(p->GetProgramFileName(), u"");
    EXPECT_EQ(p->GetAutoSwitch(), 0);
    EXPECT_EQ(p->GetSensitivityDisplay(), 1);
    EXPECT_EQ(p->GetProfileDisplay(), 0); // no active profile to agree with
    EXPECT_EQ(p->GetThumbKeysEnabled(), 1);
    EXPECT_EQ(p->GetScrollLight(), 1);
    EXPECT_EQ(p->GetGlowLight(), 1);

    int32_t minimum = 0, maximum = 0, step = 0;
    EXPECT_TRUE(p->GetDpiRange(minimum, maximum, step));
    EXPECT_EQ(minimum, 100);
    EXPECT_EQ(maximum, 5600);
    EXPECT_EQ(step, 100);
    EXPECT_EQ(p->GetStageCount(), 5);
    EXPECT_EQ(p->GetActiveStageCount(), 5);
    EXPECT_EQ(p->GetCurrentStage(), 3);
    const int32_t dpi[] = {800, 1200, 1800, 2400, 5600};
    for (int32_t stage = 1; stage <= 5; ++stage) {
        EXPECT_EQ(p->GetStageDpi(stage), dpi[stage - 1]) << stage;
        EXPECT_EQ(p->GetStageDpiX(stage), 0) << stage;
        EXPECT_EQ(p->GetStageDpiY(stage), 0) << stage;
        EXPECT_EQ(p->GetStageXYSeparate(stage), 0) << stage;
    }

    auto* profile = dynamic_cast<CMouseProfile*>(p);
    ASSERT_NE(profile, nullptr);
    const std::map<int32_t, AssignmentRecord> buttons = {
        {1, AssignmentRecord::Make(0)},   {2, AssignmentRecord::Make(1)},   {3, AssignmentRecord::Make(2)},
        {10, AssignmentRecord::Make(37)}, {11, AssignmentRecord::Make(38)}, {25, AssignmentRecord::Make(30)},
        {26, AssignmentRecord::Make(29)},
    };
    EXPECT_EQ(profile->GetButtonAssignments(), buttons);
    const std::vector<int32_t> order = {2,  3,  4,  5,  6,  7,  8,  9,  10, 11, 12, 13,
                                        79, 80, 81, 75, 76, 77, 71, 72, 73, 82, 74, 78};
    EXPECT_EQ(profile->GetKeyOrder(), order);
    EXPECT_EQ(p->GetKeyAssignmentCount(), 24);
    for (int32_t key : order)
        EXPECT_EQ(profile->GetKeyAssignments().at(key), AssignmentRecord::SingleKey(uint16_t(key))) << key;
    EXPECT_TRUE(p->HasClickAssignment());

    // Store-level settings set on the way; acceleration has no range yet, so level 5 clamps to 0.
    EXPECT_EQ(m_config.GetPollingRate(), 1);
    EXPECT_EQ(m_config.GetAccelerationEnabled(), 0);
    EXPECT_EQ(m_config.GetAccelerationLevel(), 0);
}

TEST_F(CVornConfigTest, NewProfileTakesTheActiveProfilesDisplayFlagForAll)
{
    IMouseProfile* first = m_config.NewProfile(u"A");
    m_config.SetActiveProfile(first);
    first->SetProfileDisplay(1);
    IMouseProfile* second = m_config.NewProfile(u"B");
    EXPECT_EQ(second->GetProfileDisplay(), 1);
    first->SetProfileDisplay(0);
    m_config.NewProfile(u"C");
    EXPECT_EQ(second->GetProfileDisplay(), 0);
}

TEST_F(CVornConfigTest, ResetWithoutProfileWorksOnTheActiveOneAndTurnsProfileDisplayOn)
{
    m_config.SetAccelerationRange(1, 10);
    IMouseProfile* a = m_config.NewProfile(u"A");
    IMouseProfile* b = m_config.NewProfile(u"B");
    m_config.SetActiveProfile(a);
    a->SetStageDpi(1, 3000);
    a->SetButtonAssignment(1, AssignmentRecord::Make(6));
    a->SetThumbKeysEnabled(0);
    b->SetStageDpi(1, 3000);
    m_config.SetAccelerationLevel(9);
    m_config.SetAccelerationEnabled(1);
    m_config.SetPollingRate(2);

    m_config.ApplyDefaults();
    EXPECT_EQ(a->GetStageDpi(1), 800);
    EXPECT_EQ(a->GetButtonAssignment(1).function, 0);
    EXPECT_EQ(a->GetThumbKeysEnabled(), 1);
    EXPECT_EQ(b->GetStageDpi(1), 3000);
    EXPECT_EQ(a->GetProfileDisplay(), 1);
    EXPECT_EQ(b->GetProfileDisplay(), 1);
    EXPECT_EQ(m_config.GetAccelerationLevel(), 5);
    EXPECT_EQ(m_config.GetAccelerationEnabled(), 0);
    EXPECT_EQ(m_config.GetPollingRate(), 1);
}

TEST_F(CVornConfigTest, ResetWithNoProfileAtAllSetsTheStoreValues)
{
    m_config.SetAccelerationRange(1, 10);
    m_config.CreateStages(5);
    m_config.ApplyDefaults();
    EXPECT_EQ(m_config.GetStageDpi(5), 5600);
    EXPECT_EQ(m_config.GetStageDpi(1), 800);
    EXPECT_EQ(m_config.GetCurrentStage(), 3);
    EXPECT_EQ(m_config.GetActiveStageCount(), 5);
    EXPECT_EQ(m_config.GetScrollLight(), 1);
    EXPECT_EQ(m_config.GetGlowLight(), 1);
    EXPECT_EQ(m_config.GetAccelerationLevel(), 5);
}
