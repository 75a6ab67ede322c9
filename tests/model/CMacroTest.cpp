#include "model/CMacro.h"
#include "model/CMacroList.h"

#include <gtest/gtest.h>

namespace {
CMacro MakeMacro(std::u16string_view name, const std::vector<MacroEvent>& events)
{
    CMacro macro(name);
    macro.SetMacroId(1, 2, 3, 4);
    macro.SetEvents(events);
    return macro;
}

const std::vector<MacroEvent> kEvents = {MacroEvent::KeyPress(65), MacroEvent::Pause(120), MacroEvent::KeyRelease(65)};
} // namespace

TEST(CMacro, NewMacroIsEmpty)
{
    const CMacro macro(u"Jump");
    EXPECT_EQ(macro.GetName(), u"Jump");
    EXPECT_TRUE(macro.GetId().IsZero());
    EXPECT_TRUE(macro.GetEvents().empty());
    EXPECT_EQ(macro.GetSourcePath(), u"");
    EXPECT_EQ(CMacro(std::u16string(300, u'm')).GetName().size(), 255u);
}

TEST(CMacro, IsSameMacro)
{
    const CMacro macro = MakeMacro(u"Jump", kEvents);
    EXPECT_TRUE(macro.IsSameMacro(MakeMacro(u"JUMP", kEvents)));

    std::vector<MacroEvent> pressed = kEvents;
    pressed[2] = MacroEvent::KeyPress(65); // release flag turned into a press
    EXPECT_FALSE(macro.IsSameMacro(MakeMacro(u"Jump", pressed)));

    std::vector<MacroEvent> extended = kEvents;
    extended[0].detail |= MacroKeyDetail::ExtendedFlag;
    EXPECT_FALSE(macro.IsSameMacro(MakeMacro(u"Jump", extended)));
    EXPECT_FALSE(macro.IsSameMacro(MakeMacro(u"Jump", {kEvents[0], kEvents[1]})));
    EXPECT_FALSE(macro.IsSameMacro(MakeMacro(u"Run", kEvents)));

    CMacro otherId = MakeMacro(u"Jump", kEvents);
    otherId.SetMacroId(1, 2, 3, 5);
    EXPECT_FALSE(macro.IsSameMacro(otherId));
}

TEST(CMacro, EventLayout)
{
    EXPECT_EQ(MacroEvent::Pause(2500), (MacroEvent{2, 2500, 2500}));
    EXPECT_EQ(MacroEvent::KeyPress(160), (MacroEvent{0, 160, 0xFF}));
    EXPECT_EQ(MacroEvent::KeyRelease(13, MacroKeyDetail::ExtendedFlag), (MacroEvent{0, 13, 0x101}));
}

TEST(CMacroList, NamesAreUniqueRegardlessOfCase)
{
    CMacroList list;
    ASSERT_NE(list.Add(u"Ёлка"), nullptr);
    EXPECT_EQ(list.Add(u"ёЛКА"), nullptr);
    EXPECT_EQ(list.GetCount(), 1);
    EXPECT_EQ(list.GetAt(-1), nullptr);
    EXPECT_EQ(list.GetAt(1), nullptr);
}

TEST(CMacroList, LongNamesAreComparedAsStored)
{
    CMacroList list;
    const std::u16string stored(CMacro::kMaxNameChars, u'm');
    ASSERT_NE(list.Add(stored + u"first"), nullptr);
    EXPECT_EQ(list.Add(stored + u"SECOND"), nullptr);
    EXPECT_EQ(list.GetCount(), 1);
    EXPECT_EQ(list.FindByName(stored), list.GetAt(0));
}
