#pragma once

// A button that shows four short text columns over its state bitmaps (PROFBUTTON).

#include "platform/win/MessageWindow.h"
#include "skin/CGUIItem.h"

#include <QAbstractButton>
#include <QPixmap>

#include <array>
#include <string>

namespace quor::skin {

class CProfileBtn : public win::MessageWindow<QAbstractButton>, public CGUIItem {
public:
    explicit CProfileBtn(QWidget* parent);

    // The text is shown as given, not looked up.
    void SetTooltip(std::u16string_view text);

    // Missing bitmaps stay null and draw nothing.
    std::array<QPixmap, 4> m_bitmaps;
    std::array<std::u16string, 4> m_columns;
    bool m_isCheckBox = false;
    bool m_ticked = false;
    bool m_hover = false;
    bool m_defaultButton = false;

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace quor::skin
