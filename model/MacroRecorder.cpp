#include "model/MacroRecorder.h"

#include "platform/keyboard/Keyboard.h"
#include "platform/system/TickCount.h"

#include <algorithm>

namespace {
constexpr uint32_t kVkReturn = 0x0D;
constexpr uint32_t kVkKeypadReturn = 108; // VK_SEPARATOR, as the device knows keypad Enter
constexpr uint32_t kScanRightShift = 0x36;
} // namespace

uint32_t RefineVirtualKey(uint32_t virtualKey, uint32_t scanCode, bool extended)
{
    namespace kb = quor::keyboard;
    switch (virtualKey) {
    case kb::VK_SHIFT: {
        // Both Shift keys are non-extended; only the scan code tells them apart.
        const uint32_t mapped = kb::MapVirtualKeyW(scanCode, kb::MAPVK_VSC_TO_VK_EX);
        if (mapped == kb::VK_LSHIFT || mapped == kb::VK_RSHIFT)
            return mapped;
        return scanCode == kScanRightShift ? kb::VK_RSHIFT : kb::VK_LSHIFT;
    }
    case kb::VK_CONTROL:
        return extended ? kb::VK_RCONTROL : kb::VK_LCONTROL;
    case kb::VK_MENU:
        return extended ? kb::VK_RMENU : kb::VK_LMENU;
    case kVkReturn:
        return extended ? kVkKeypadReturn : kVkReturn;
    default:
        return virtualKey;
    }
}

MacroRecorder::MacroRecorder(Clock clock) : m_clock(clock ? std::move(clock) : Clock(&quor::system::GetTickCount)) {}

size_t MacroRecorder::OnKeyMessage(uint32_t message, uintptr_t wParam, intptr_t lParam)
{
    using namespace KeyMessage;
    if (!m_recording)
        return 0;
    const bool down = message == WM_KEYDOWN || message == WM_SYSKEYDOWN;
    const bool up = message == WM_KEYUP || message == WM_SYSKEYUP;
    if (!down && !up)
        return 0;
    const auto bits = uint32_t(lParam);
    if (down && (bits & PreviousStateBit))
        return 0; // auto-repeat of a held key

    const size_t before = m_events.size();
    if (m_events.empty()) {
        m_lastTick = m_clock();
    } else if (m_pausesEnabled) {
        uint32_t pause;
        if (m_fixedPause) {
            pause = *m_fixedPause;
        } else {
            const uint32_t now = m_clock();
            pause = now - m_lastTick; // unsigned: right across the tick count's wrap
            m_lastTick = now;
        }
        m_events.push_back(MacroEvent::Pause(std::min(pause, kMaxMacroPause)));
    }

    const uint32_t scanCode = (bits >> ScanCodeShift) & 0xFF;
    const bool extended = bits & ExtendedBit;
    uint32_t flags = 0;
    if (extended)
        flags |= MacroKeyDetail::ExtendedFlag;
    if (bits & ContextBit)
        flags |= MacroKeyDetail::AltFlag;
    const uint32_t virtualKey = RefineVirtualKey(uint32_t(wParam), scanCode, extended);
    m_events.push_back(down ? MacroEvent::KeyPress(virtualKey, flags) : MacroEvent::KeyRelease(virtualKey, flags));
    return m_events.size() - before;
}
