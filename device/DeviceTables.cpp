#include "device/DeviceTables.h"

#include "model/ButtonNumbers.h"
#include "model/FunctionCodes.h"
#include "platform/keyboard/Keyboard.h"

#include <initializer_list>

namespace {

constexpr size_t kCodeOffset = 12; // function code or sub-code
constexpr size_t kArgumentOffset = 16; // profile id (kind 3) or stage (kind 4)
constexpr size_t kKeyModifierOffset = 14; // kind 5

constexpr uint32_t kFirstThumbBit = 0x800;

// Model single-key flag bits 0 to 3 and the device's modifier bits, in the same order.
constexpr uint32_t kModifierBits[] = {DEVICE_MODIFIER_SHIFT, DEVICE_MODIFIER_CONTROL, DEVICE_MODIFIER_ALT,
                                      DEVICE_MODIFIER_WIN};

DeviceAssignment MakeTemplate(uint32_t kind, uint32_t code = 0, uint32_t argument = 0)
{
    DeviceAssignment assignment;
    assignment.kind = kind;
    assignment.SetWord(kCodeOffset, code);
    assignment.SetWord(kArgumentOffset, argument);
    return assignment;
}

bool IsNumLockKey(uint32_t scanCode)
{
    using namespace quor::keyboard;
    return MapVirtualKeyW(scanCode, MAPVK_VSC_TO_VK_EX) == VK_NUMLOCK;
}

} // namespace

void DeviceTables::Build()
{
    Clear();
    using namespace FunctionCode;
    struct ButtonRow {
        int32_t button;
        uint32_t bit;
        uint32_t index;
    };
    static constexpr ButtonRow kButtons[] = {
        {0, 0, 0},          {Button::Left, 0x1, 1},        {Button::Right, 0x2, 2},
        {Button::WheelClick, 0x4, 3},
        {Button::RightSideFront, 0, 0}, {Button::RightSideRear, 0, 0}, {Button::LeftSideFront, 0, 0},
        {Button::LeftSideRear, 0, 0},   {Button::CentreFront, 0x200, 10}, {Button::CentreRear, 0x400, 11},
        {Button::WheelUp, 0x80, 8},     {Button::WheelDown, 0x100, 9},   {Button::LeftClickFront, 0x8, 4},
        {Button::LeftClickRear, 0x10, 5},
    };
    for (const ButtonRow& row : kButtons) {
        m_buttonBits[row.button] = row.bit;
        m_buttonIndices[row.button] = row.index;
    }
    for (int32_t button = Button::ThumbFirst; button <= Button::ThumbLast; ++button) {
        m_buttonBits[button] = kFirstThumbBit << (button - Button::ThumbFirst);
        m_buttonIndices[button] = uint32_t(button);
    }

    m_actions[ButtonOff] = MakeTemplate(DEVICE_KIND_MOUSE, 0);
    m_actions[Click] = MakeTemplate(DEVICE_KIND_MOUSE, 1);
    m_actions[Menu] = MakeTemplate(DEVICE_KIND_MOUSE, 2);
    m_actions[UniversalScrolling] = MakeTemplate(DEVICE_KIND_MOUSE, 3);
    m_actions[Forward] = MakeTemplate(DEVICE_KIND_MOUSE, 4);
    m_actions[Backward] = MakeTemplate(DEVICE_KIND_MOUSE, 5);
    m_actions[ScrollUp] = MakeTemplate(DEVICE_KIND_MOUSE, 6);
    m_actions[ScrollDown] = MakeTemplate(DEVICE_KIND_MOUSE, 7);
    m_actions[OnTheFlySensitivity] = MakeTemplate(DEVICE_KIND_MOUSE, 8);
    m_actions[MacroById] = MakeTemplate(DEVICE_KIND_MACRO);
    m_actions[MacroByName] = MakeTemplate(DEVICE_KIND_MACRO);
    m_actions[ProfileDown] = MakeTemplate(DEVICE_KIND_PROFILE, DEVICE_SUBCODE_PREVIOUS_PROFILE);
    m_actions[ProfileUp] = MakeTemplate(DEVICE_KIND_PROFILE, DEVICE_SUBCODE_NEXT_PROFILE);
    for (int32_t code : {ProfileById, ProfileByName, Profile1, Profile1 + 1, Profile1 + 2, Profile1 + 3, Profile1 + 4})
        m_actions[code] = MakeTemplate(DEVICE_KIND_PROFILE, DEVICE_SUBCODE_SELECT);
    m_actions[StageUp] = MakeTemplate(DEVICE_KIND_SENSITIVITY, DEVICE_SUBCODE_UP);
    m_actions[StageDown] = MakeTemplate(DEVICE_KIND_SENSITIVITY, DEVICE_SUBCODE_DOWN);
    for (uint32_t stage = 0; stage < 5; ++stage)
        m_actions[Stage1 + int32_t(stage)] = MakeTemplate(DEVICE_KIND_SENSITIVITY, DEVICE_SUBCODE_SELECT, stage);
    m_actions[SingleKey] = MakeTemplate(DEVICE_KIND_KEY);
    m_actions[Advanced] = MakeTemplate(DEVICE_KIND_ADVANCED);
}

void DeviceTables::Clear()
{
    m_buttonBits.clear();
    m_buttonIndices.clear();
    m_actions.clear();
}

namespace {

uint32_t ValueOf(const std::map<int32_t, uint32_t>& table, int32_t button)
{
    const auto found = table.find(button);
    return found == table.end() ? 0 : found->second;
}

int32_t ButtonOf(const std::map<int32_t, uint32_t>& table, uint32_t value)
{
    for (const auto& [button, rowValue] : table) {
        if (rowValue == value)
            return button;
    }
    return 0;
}

} // namespace

uint32_t DeviceTables::ButtonBit(int32_t button) const { return ValueOf(m_buttonBits, button); }
uint32_t DeviceTables::ButtonIndex(int32_t button) const { return ValueOf(m_buttonIndices, button); }
int32_t DeviceTables::ButtonOfBit(uint32_t bit) const { return ButtonOf(m_buttonBits, bit); }
int32_t DeviceTables::ButtonOfIndex(uint32_t index) const { return ButtonOf(m_buttonIndices, index); }

DeviceAssignment DeviceTables::Template(int32_t function) const
{
    const auto found = m_actions.find(function);
    if (found != m_actions.end())
        return found->second;
    DeviceAssignment zero;
    zero.one = 0;
    return zero;
}

DeviceAssignment DeviceTables::Translate(const AssignmentRecord& record, uint32_t target) const
{
    DeviceAssignment assignment = Template(record.function);
    assignment.target = target;
    const uint32_t* p = record.parameters;
    switch (assignment.kind) {
    case DEVICE_KIND_MACRO:
        for (size_t i = 0; i < 4; ++i)
            assignment.SetWord(kCodeOffset + 4 * i, p[i]);
        break;
    case DEVICE_KIND_PROFILE:
        if (assignment.Word(kCodeOffset) == DEVICE_SUBCODE_SELECT) {
            for (size_t i = 0; i < 4; ++i)
                assignment.SetWord(kArgumentOffset + 4 * i, p[i]);
        }
        break;
    case DEVICE_KIND_SENSITIVITY:
        if (assignment.Word(kCodeOffset) == DEVICE_SUBCODE_SELECT)
            assignment.SetWord(kArgumentOffset, p[0]);
        break;
    case DEVICE_KIND_KEY: {
        assignment.SetHalf(kCodeOffset, uint16_t(p[0]));
        uint32_t modifiers = 0;
        for (size_t bit = 0; bit < 4; ++bit) {
            if (p[1] & (1u << bit))
                modifiers |= kModifierBits[bit];
        }
        assignment.SetWord(kKeyModifierOffset, modifiers);
        break;
    }
    default:
        break;
    }
    return assignment;
}

AssignmentRecord DeviceTables::ReverseTranslate(const DeviceAssignment& assignment) const
{
    AssignmentRecord record;
    record.function = FunctionCode::None;
    const uint32_t kind = assignment.kind;
    const bool codeMatters = kind == DEVICE_KIND_MOUSE || kind == DEVICE_KIND_PROFILE || kind == DEVICE_KIND_SENSITIVITY;
    // The map is ordered by code, so the first match is the smallest code.
    for (const auto& [code, candidate] : m_actions) {
        if (candidate.kind != kind || kind == DEVICE_KIND_NONE)
            continue;
        if (codeMatters && candidate.Word(kCodeOffset) != assignment.Word(kCodeOffset))
            continue;
        record.function = code;
        break;
    }
    uint32_t* p = record.parameters;
    switch (kind) {
    case DEVICE_KIND_MACRO:
        for (size_t i = 0; i < 4; ++i)
            p[i] = assignment.Word(kCodeOffset + 4 * i);
        break;
    case DEVICE_KIND_PROFILE:
        for (size_t i = 0; i < 4; ++i)
            p[i] = assignment.Word(kArgumentOffset + 4 * i);
        break;
    case DEVICE_KIND_SENSITIVITY:
        p[0] = assignment.Word(kArgumentOffset);
        break;
    case DEVICE_KIND_KEY: {
        p[0] = assignment.Half(kCodeOffset);
        const uint32_t modifiers = assignment.Word(kKeyModifierOffset);
        for (size_t bit = 0; bit < 4; ++bit) {
            if (modifiers & kModifierBits[bit])
                p[1] |= 1u << bit;
        }
        break;
    }
    default:
        break;
    }
    return record;
}

void ApplyNumLockRuleForWrite(AssignmentRecord& record)
{
    if (record.function == FunctionCode::SingleKey && IsNumLockKey(record.parameters[0] & 0xFFFF))
        record.parameters[1] &= ~0xFFu;
}

void ApplyNumLockRuleForRead(AssignmentRecord& record)
{
    if (record.function == FunctionCode::SingleKey && IsNumLockKey(record.parameters[0] & 0xFFFF))
        record.parameters[1] |= SingleKeyFlag::Extended;
}
