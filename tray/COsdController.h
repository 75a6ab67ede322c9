#pragma once

// The on-screen display: the profile window and the sensitivity window, and what they show.
// Exists while displays may be shown; showing only posts a message, so callers never wait for
// painting.

#include "platform/com/HResult.h"
#include "tray/COsdProfileWindow.h"
#include "tray/COsdSliderWindow.h"
#include "tray/OsdState.h"

#include <cstdint>
#include <memory>
#include <string_view>

class COsdController {
public:
    COsdController();
    // Closes the windows; uninitialises COM once when CreateDisplays initialised it.
    ~COsdController();
    COsdController(const COsdController&) = delete;
    COsdController& operator=(const COsdController&) = delete;

    // Set before CreateDisplays; the sensitivity window's height follows it.
    void SetBarMaximum(int bars) { m_state.barMaximum = bars; }

    // Creates and places both windows, hidden: S_OK, or a failure code.
    HRESULT CreateDisplays();

    // Names longer than the display keeps (254 code units) are cut there, never inside a
    // surrogate pair.
    void ShowProfileText(std::u16string_view text);
    void ShowSensitivity(uint32_t bars, std::u16string_view text);
    // Nothing when textX is longer than four characters.
    void ShowSensitivityXY(uint32_t barsX, std::u16string_view textX, uint32_t barsY, std::u16string_view textY);

    const OsdState& GetState() const { return m_state; }
    COsdProfileWindow* GetProfileWindow() const { return m_profileWindow.get(); }
    COsdSliderWindow* GetSliderWindow() const { return m_sliderWindow.get(); }

private:
    OsdState::Gauge MakeGauge(uint32_t bars, std::u16string_view text) const;

    OsdState m_state;
    std::unique_ptr<COsdProfileWindow> m_profileWindow;
    std::unique_ptr<COsdSliderWindow> m_sliderWindow;
    bool m_comInitialized = false;
};
