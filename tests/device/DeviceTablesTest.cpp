#include "device/DeviceTables.h"

#include "model/ButtonNumbers.h"
#include "model/FunctionCodes.h"

#include <gtest/gtest.h>

namespace {

class DeviceTablesTest : public testing::Test {
protected:
    void SetUp() override { m_tables.Build(); }

    DeviceAssignment Device(uint32_t kind, uint32_t code = 0, uint32_t argument = 0)
    {
        DeviceAssignment assignment;
        assignment.target = 3;
        assignment.kind = kind;
        assignment.SetWord(12, code);
        assignment.SetWord(16, argument);
        return assignment;
    }

    DeviceTables m_tables;
};

TEST_F(DeviceTablesTest, ButtonBitsAndIndicesBothWays)
{
    struct Row {
        int32_t button;
        uint32_t bit;
        uint32_t index;
    };
    const Row rows[] = {
        {Button::Left, 0x1, 1},         {Button::Right, 0x2, 2},           {Button::WheelClick, 0x4, 3},
        {Button::LeftClickFront, 0x8, 4}, {Button::LeftClickRear, 0x10, 5}, {Button::WheelUp, 0x80, 8},
        {Button::WheelDown, 0x100, 9},  {Button::CentreFront, 0x200, 10},  {Button::CentreRear, 0x400, 11},
        {Button::Thumb(1), 0x800, 12},  {Button::Thumb(12), 0x400000, 23},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.button);
        EXPECT_EQ(m_tables.ButtonBit(row.button), row.bit);
        EXPECT_EQ(m_tables.ButtonIndex(row.button), row.index);
        EXPECT_EQ(m_tables.ButtonOfBit(row.bit), row.button);
        EXPECT_EQ(m_tables.ButtonOfIndex(row.index), row.button);
    }
    // Buttons without a row, and values no button has, are no button.
    for (int32_t button : {0, 4, 5, 6, 7, 24, 27}) {
        EXPECT_EQ(m_tables.ButtonBit(button), 0u) << button;
        EXPECT_EQ(m_tables.ButtonIndex(button), 0u) << button;
    }
    EXPECT_EQ(m_tables.ButtonOfBit(0), 0);
    EXPECT_EQ(m_tables.ButtonOfIndex(0), 0);
    EXPECT_EQ(m_tables.ButtonOfBit(0x20), 0);
    EXPECT_EQ(m_tables.ButtonOfIndex(6), 0);
}

TEST_F(DeviceTablesTest, UnbuiltTablesKnowNothing)
{
    DeviceTables empty;
    EXPECT_EQ(empty.ButtonIndex(Button::Left), 0u);
    EXPECT_EQ(empty.Translate(AssignmentRecord::Make(FunctionCode::Click), 1).kind, DEVICE_KIND_NONE);
    EXPECT_EQ(empty.ReverseTranslate(Device(DEVICE_KIND_MOUSE, 1)).function, FunctionCode::None);
}

TEST_F(DeviceTablesTest, TranslationOfEachKind)
{
    struct Case {
        int32_t function;
        uint32_t kind;
        uint32_t code;
    };
    const Case cases[] = {
        {FunctionCode::ButtonOff, 1, 0},  {FunctionCode::Click, 1, 1},      {FunctionCode::Menu, 1, 2},
        {FunctionCode::UniversalScrolling, 1, 3}, {FunctionCode::Forward, 1, 4}, {FunctionCode::Backward, 1, 5},
        {FunctionCode::ScrollUp, 1, 6},   {FunctionCode::ScrollDown, 1, 7}, {FunctionCode::OnTheFlySensitivity, 1, 8},
        {FunctionCode::ProfileDown, 3, 1}, {FunctionCode::ProfileUp, 3, 2}, {FunctionCode::Profile1 + 2, 3, 3},
        {FunctionCode::StageUp, 4, 1},    {FunctionCode::StageDown, 4, 2},  {FunctionCode::Stage1 + 4, 4, 3},
        {FunctionCode::Advanced, 6, 0},
        // No row: an all-zero record.
        {FunctionCode::Button4, 0, 0},    {FunctionCode::Play, 0, 0},       {FunctionCode::None, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.function);
        const DeviceAssignment assignment = m_tables.Translate(AssignmentRecord::Make(c.function), 7);
        EXPECT_EQ(assignment.one, c.kind ? 1u : 0u);
        EXPECT_EQ(assignment.target, 7u);
        EXPECT_EQ(assignment.kind, c.kind);
        EXPECT_EQ(assignment.Word(12), c.code);
    }
    // The stage travels in the parameters, as the reverse translation gives it.
    AssignmentRecord stage = AssignmentRecord::Make(FunctionCode::Stage1);
    stage.parameters[0] = 4;
    EXPECT_EQ(m_tables.Translate(stage, 1).Word(16), 4u);
}

TEST_F(DeviceTablesTest, ParametersTravelBothWays)
{
    const ModelId id{{0x11223344, 0x55667788, 0x99AABBCC, 0xDDEEFF00}};

    const DeviceAssignment macro = m_tables.Translate(AssignmentRecord::WithId(FunctionCode::MacroById, id), 25);
    EXPECT_EQ(macro.kind, DEVICE_KIND_MACRO);
    EXPECT_EQ(macro.Word(12), id.words[0]);
    EXPECT_EQ(macro.Word(24), id.words[3]);
    EXPECT_EQ(m_tables.ReverseTranslate(macro), AssignmentRecord::WithId(FunctionCode::MacroById, id));

    const DeviceAssignment profile = m_tables.Translate(AssignmentRecord::WithId(FunctionCode::ProfileById, id), 2);
    EXPECT_EQ(profile.Word(12), DEVICE_SUBCODE_SELECT);
    EXPECT_EQ(profile.Word(16), id.words[0]);
    EXPECT_EQ(profile.Word(28), id.words[3]);
    EXPECT_EQ(m_tables.ReverseTranslate(profile), AssignmentRecord::WithId(FunctionCode::ProfileById, id));

    // Single key: 16-bit scan code, flag bits 0 to 3 as the device's modifier bits.
    const DeviceAssignment key = m_tables.Translate(AssignmentRecord::SingleKey(0x1E, 0xF), 2);
    EXPECT_EQ(key.kind, DEVICE_KIND_KEY);
    EXPECT_EQ(key.Half(12), 0x1E);
    EXPECT_EQ(key.Word(14), 0x0F000000u);
    EXPECT_EQ(m_tables.ReverseTranslate(key), AssignmentRecord::SingleKey(0x1E, 0xF));
}

TEST_F(DeviceTablesTest, ReverseTranslationTakesTheSmallestMatchingCode)
{
    // Selecting stage 3 reads back as "stage 1" with the stage number from 0.
    AssignmentRecord stage = m_tables.ReverseTranslate(Device(DEVICE_KIND_SENSITIVITY, DEVICE_SUBCODE_SELECT, 2));
    EXPECT_EQ(stage.function, FunctionCode::Stage1);
    EXPECT_EQ(stage.parameters[0], 2u);
    // Every profile switch reads back as the switch by id; name-based codes never come back.
    EXPECT_EQ(m_tables.ReverseTranslate(Device(DEVICE_KIND_PROFILE, DEVICE_SUBCODE_SELECT)).function, FunctionCode::ProfileById);
    EXPECT_EQ(m_tables.ReverseTranslate(Device(DEVICE_KIND_MACRO)).function, FunctionCode::MacroById);
    EXPECT_EQ(m_tables.ReverseTranslate(Device(DEVICE_KIND_MOUSE, 0)).function, FunctionCode::ButtonOff);
    EXPECT_EQ(m_tables.ReverseTranslate(Device(DEVICE_KIND_KEY)).function, FunctionCode::SingleKey);
    EXPECT_EQ(m_tables.ReverseTranslate(Device(DEVICE_KIND_ADVANCED, 5)).function, FunctionCode::Advanced);
}

TEST_F(DeviceTablesTest, RecordsNoRowExplainsReadBackAsNothing)
{
    for (const DeviceAssignment& assignment :
         {Device(DEVICE_KIND_NONE), Device(DEVICE_KIND_MOUSE, 9), Device(DEVICE_KIND_PROFILE, 4),
          Device(DEVICE_KIND_SENSITIVITY, 0), Device(9, 1), Device(0xFFFFFFFF)}) {
        const AssignmentRecord record = m_tables.ReverseTranslate(assignment);
        EXPECT_EQ(record.function, FunctionCode::None) << assignment.kind << " " << assignment.Word(12);
    }
}

TEST_F(DeviceTablesTest, NumLockIsWrittenPlainAndReadExtended)
{
    constexpr uint16_t kNumLock = 0x45;
    AssignmentRecord numLock = AssignmentRecord::SingleKey(kNumLock, SingleKeyFlag::Extended | SingleKeyFlag::Alt);
    ApplyNumLockRuleForWrite(numLock);
    EXPECT_EQ(numLock.GetSingleKey().flags, 0u);
    EXPECT_EQ(m_tables.Translate(numLock, 12).Word(14), 0u);

    AssignmentRecord read = m_tables.ReverseTranslate(m_tables.Translate(numLock, 12));
    ApplyNumLockRuleForRead(read);
    EXPECT_EQ(read, AssignmentRecord::SingleKey(kNumLock, SingleKeyFlag::Extended));

    // Other keys and other codes are left alone.
    AssignmentRecord other = AssignmentRecord::SingleKey(0x1D, SingleKeyFlag::Extended);
    ApplyNumLockRuleForWrite(other);
    ApplyNumLockRuleForRead(other);
    EXPECT_EQ(other, AssignmentRecord::SingleKey(0x1D, SingleKeyFlag::Extended));
    AssignmentRecord notAKey = AssignmentRecord::Make(FunctionCode::Click);
    notAKey.parameters[0] = kNumLock;
    ApplyNumLockRuleForRead(notAKey);
    EXPECT_EQ(notAKey.parameters[1], 0u);
}

} // namespace
