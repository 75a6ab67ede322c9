#pragma once

// The macro recording rules: turns key messages (WM_KEYDOWN, WM_KEYUP, WM_SYSKEYDOWN,
// WM_SYSKEYUP with wParam the virtual key and lParam in the Windows layout) into macro events,
// with pauses measured on an injectable millisecond clock.

#include "model/MacroEvent.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

namespace KeyMessage {
inline constexpr uint32_t WM_KEYDOWN = 0x0100;
inline constexpr uint32_t WM_KEYUP = 0x0101;
inline constexpr uint32_t WM_SYSKEYDOWN = 0x0104;
inline constexpr uint32_t WM_SYSKEYUP = 0x0105;

// lParam fields.
inline constexpr uint32_t ScanCodeShift = 16; // bits 16 to 23
inline constexpr uint32_t ExtendedBit = 1u << 24;
inline constexpr uint32_t ContextBit = 1u << 29; // Alt held
inline constexpr uint32_t PreviousStateBit = 1u << 30; // the key was already down
inline constexpr uint32_t TransitionBit = 1u << 31; // the key is being released
} // namespace KeyMessage

// The virtual-key code a macro event stores for a key message: Shift, Ctrl and Alt become their
// left or right codes (160 to 165), Enter on the keypad becomes 108.
uint32_t RefineVirtualKey(uint32_t virtualKey, uint32_t scanCode, bool extended);

class MacroRecorder {
public:
    using Clock = std::function<uint32_t()>;

    // The clock defaults to GetTickCount.
    explicit MacroRecorder(Clock clock = {});

    void Start() { m_recording = true; }
    void Stop() { m_recording = false; }
    bool IsRecording() const { return m_recording; }

    // Pauses between key events; on by default.
    void SetPausesEnabled(bool enabled) { m_pausesEnabled = enabled; }
    // A fixed pause length instead of the measured time; nullopt (the default) measures.
    void SetFixedPause(std::optional<uint32_t> ms) { m_fixedPause = ms; }

    // Records a key message while recording. Result: the number of events appended (a pause
    // and the key event, or the key event alone); 0 when not recording, for other messages and
    // for key repeats.
    size_t OnKeyMessage(uint32_t message, uintptr_t wParam, intptr_t lParam);

    const std::vector<MacroEvent>& GetEvents() const { return m_events; }
    // Replaces the list (an empty one starts timing afresh with the next key).
    void SetEvents(const std::vector<MacroEvent>& events) { m_events = events; }
    void Clear() { m_events.clear(); }

private:
    Clock m_clock;
    std::vector<MacroEvent> m_events;
    bool m_recording = false;
    bool m_pausesEnabled = true;
    std::optional<uint32_t> m_fixedPause;
    uint32_t m_lastTick = 0;
};
