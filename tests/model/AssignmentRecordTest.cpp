#include "model/AssignmentRecord.h"

#include <cstring>
#include <gtest/gtest.h>

namespace {
const uint8_t* Bytes(const AssignmentRecord& record) { return reinterpret_cast<const uint8_t*>(&record); }
} // namespace

TEST(AssignmentRecord, DefaultIsAllZero)
{
    const AssignmentRecord record;
    const uint8_t zero[84] = {};
    EXPECT_EQ(std::memcmp(&record, zero, sizeof zero), 0);
}

TEST(AssignmentRecord, SingleKeyLayout)
{
    const AssignmentRecord record = AssignmentRecord::SingleKey(0x1C, SingleKeyFlag::Extended | SingleKeyFlag::Alt);
    const uint8_t* bytes = Bytes(record);
    EXPECT_EQ(record.function, 3);
    EXPECT_EQ(bytes[4], 0x1C); // scan code at parameter bytes 0 and 1
    EXPECT_EQ(bytes[5], 0);
    EXPECT_EQ(bytes[8], 0x3); // flag word at parameter bytes 4 to 7
    for (size_t i = 12; i < 84; ++i)
        EXPECT_EQ(bytes[i], 0) << i;
    EXPECT_EQ(record.GetSingleKey().scanCode, 0x1C);
    EXPECT_EQ(record.GetSingleKey().flags, 3u);
}

TEST(AssignmentRecord, IdLayout)
{
    const ModelId id{{0x11223344, 0x55667788, 0x99AABBCC, 0xDDEEFF00}};
    const AssignmentRecord record = AssignmentRecord::WithId(18, id);
    EXPECT_EQ(record.parameters[0], 0x11223344u);
    EXPECT_EQ(record.parameters[3], 0xDDEEFF00u);
    EXPECT_EQ(record.parameters[4], 0u);
    EXPECT_EQ(record.GetId(), id);
}

TEST(AssignmentRecord, NameIsNulTerminatedUtf16CutTo39)
{
    const AssignmentRecord record = AssignmentRecord::WithName(5, u"Рывок");
    EXPECT_EQ(record.function, 5);
    char16_t name[40];
    std::memcpy(name, record.parameters, sizeof name);
    EXPECT_EQ(std::u16string(name), u"Рывок");
    EXPECT_EQ(record.GetName(), u"Рывок");

    const std::u16string longName(45, u'x');
    const AssignmentRecord cut = AssignmentRecord::WithName(19, longName);
    EXPECT_EQ(cut.GetName(), std::u16string(39, u'x'));
    EXPECT_EQ(Bytes(cut)[4 + 78], 0);
    EXPECT_EQ(Bytes(cut)[4 + 79], 0);
}
