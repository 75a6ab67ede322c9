#pragma once

// A text label (TEXTITEM): its text after language lookup, drawn in its colour and font with
// the document's alignment; an interactive text may stand for a linked check box.

#include "platform/win/MessageWindow.h"
#include "skin/CGUIItem.h"

#include <QWidget>

#include <string>

namespace quor::skin {

class CBitmapBtn;
class CFontItem;

// The near-black fill behind a text item.
inline constexpr int32_t kTextBackground = 0x000005;

class CTextItem : public win::MessageWindow<QWidget>, public CGUIItem {
public:
    explicit CTextItem(QWidget* parent);

    // A "$" or "#" text is looked up; the first backslash-n becomes a line break.
    void SetText(std::u16string_view text);
    void SetFont(const CFontItem* font);

    // The colour the text is drawn in now.
    int32_t TextColour() const;

    std::u16string m_text;
    int m_format = 0;
    const CFontItem* m_font = nullptr;
    bool m_hover = false;
    bool m_interactive = false;
    CBitmapBtn* m_checkBox = nullptr;
    int32_t m_colour = 0;
    int32_t m_highlightColour = 0;

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace quor::skin
