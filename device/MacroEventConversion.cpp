#include "device/MacroEventConversion.h"

#include "platform/keyboard/Keyboard.h"

namespace {

constexpr uint32_t kExtendedScanPrefix = 0xE000;

uint32_t DetailByte0(uint32_t detail) { return detail & 0xFF; }
uint32_t DetailByte1(uint32_t detail) { return (detail >> 8) & 0xFF; }

} // namespace

MacroEventBuffer* MakeMacroEventBuffer(const std::vector<MacroEvent>& events)
{
    using namespace quor::keyboard;
    MacroEventBuffer* buffer = AllocMacroEventBuffer(uint32_t(events.size()));
    if (!buffer)
        return nullptr;
    MacroEventRecord* records = buffer->Events();
    for (size_t i = 0; i < events.size(); ++i) {
        const MacroEvent& event = events[i];
        if (event.type == MacroEventType::Key) {
            const auto scanCode = uint16_t(MapVirtualKeyW(event.value, MAPVK_VK_TO_VSC));
            uint16_t flags = 0;
            if (DetailByte0(event.detail) != MacroKeyDetail::Press)
                flags |= MACRO_KEY_RELEASED;
            if (DetailByte1(event.detail) != 0 && event.value != VK_NUMLOCK)
                flags |= MACRO_KEY_EXTENDED;
            records[i] = MacroEventRecord::Key(scanCode, flags);
        } else if (event.type == MacroEventType::Pause) {
            records[i] = MacroEventRecord::Pause(event.value);
        }
    }
    return buffer;
}

std::vector<MacroEvent> ReadMacroEventBuffer(const MacroEventBuffer& buffer)
{
    using namespace quor::keyboard;
    std::vector<MacroEvent> events;
    events.reserve(buffer.count);
    const MacroEventRecord* records = buffer.Events();
    for (uint32_t i = 0; i < buffer.count; ++i) {
        const MacroEventRecord& record = records[i];
        if (record.kind == MACRO_EVENT_KEY) {
            const uint16_t flags = record.Flags();
            const bool extended = flags & MACRO_KEY_EXTENDED;
            // The extended prefix tells the arrows, Insert, Home and the like from the keypad
            // keys that share their scan codes; without it an arrow would come back as keypad.
            const uint32_t scanCode = record.ScanCode() | (extended ? kExtendedScanPrefix : 0);
            const uint32_t virtualKey = MapVirtualKeyW(scanCode, MAPVK_VSC_TO_VK_EX);
            uint32_t detail = (flags & MACRO_KEY_RELEASED) ? MacroKeyDetail::Release : MacroKeyDetail::Press;
            if (extended || virtualKey == VK_NUMLOCK)
                detail |= MacroKeyDetail::ExtendedFlag;
            events.push_back({MacroEventType::Key, virtualKey, detail});
        } else if (record.kind == MACRO_EVENT_PAUSE) {
            events.push_back(MacroEvent::Pause(record.PauseLength()));
        }
    }
    return events;
}
