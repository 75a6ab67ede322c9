#pragma once

// A skinned text field (EDITCTRL): text, background and border in the document's colours, an
// optional character limit; the page may switch it to digits only.

#include "platform/win/MessageWindow.h"
#include "skin/CGUIItem.h"
#include "skin/ItemColours.h"

#include <QLineEdit>

namespace quor::skin {

class CFontItem;

class CEditItem : public win::MessageWindow<QLineEdit>, public CGUIItem {
public:
    explicit CEditItem(QWidget* parent);

    void SetColours(const ItemColours& colours);
    void SetFont(const CFontItem* font);
    // A limit of 0 or less keeps the control's default.
    void SetLimit(int characters);
    void SetNumbersOnly(bool on) { m_numbersOnly = on; }

    const ItemColours& Colours() const { return m_colours; }
    const CFontItem* Font() const { return m_font; }
    bool NumbersOnly() const { return m_numbersOnly; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    ItemColours m_colours{.text = 0xFFFFFF, .textHighlight = 0, .back = 0, .backHighlight = 0xFFFFFF,
                          .border = 0xFFFFFF};
    const CFontItem* m_font = nullptr;
    bool m_numbersOnly = false;
};

} // namespace quor::skin
