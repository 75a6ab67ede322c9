#pragma once

// A skinned push button or check box drawn from four state bitmaps (normal, over, pressed,
// disabled) with an optional caption; clicks reach the parent as WM_COMMAND.

#include "platform/win/MessageWindow.h"
#include "skin/CGUIItem.h"

#include <QAbstractButton>
#include <QPixmap>

#include <array>
#include <string>

namespace quor::skin {

class CFontItem;

enum ButtonState { kStateNormal = 0, kStateOver = 1, kStateDown = 2, kStateDisabled = 3 };

class CBitmapBtn : public win::MessageWindow<QAbstractButton>, public CGUIItem {
public:
    explicit CBitmapBtn(QWidget* parent);

    // Looked up when a key; shown without its first backslash pair.
    void SetTooltip(std::u16string_view text);
    // Looked up when a key, the case changed as caps says for looked-up texts.
    void SetCaption(std::u16string_view text, std::u16string_view caps = {});
    void SetFont(const CFontItem* font);

    // Which bitmap the button shows at rest.
    ButtonState RestingState() const;

    std::array<QPixmap, 4> m_bitmaps;
    std::array<int32_t, 4> m_captionColours{};
    std::u16string m_caption;
    const CFontItem* m_font = nullptr;
    int m_captionFormat = 0;
    bool m_isCheckBox = false;
    bool m_toggles = true;
    bool m_ticked = false;
    bool m_hover = false;

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace quor::skin
