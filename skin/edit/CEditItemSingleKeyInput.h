#pragma once

// A centred text field that captures one key (EDITCTRLSK): the captured key's code, press flag,
// flags and scan code are read by the single-key popup.

#include "skin/edit/CEditItem.h"

#include <cstdint>

namespace quor::skin {

class CEditItemSingleKeyInput : public CEditItem {
public:
    explicit CEditItemSingleKeyInput(QWidget* parent);

    uint32_t m_virtualKey = 0;
    uint8_t m_pressFlag = 0;
    uint8_t m_flags = 0;
    uint16_t m_scanCode = 0;
    int m_characterShiftState = -1;
};

} // namespace quor::skin
