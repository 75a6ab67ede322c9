#pragma once

// A framed picture window (BITMAPWINDOW): an inner picture centred in a frame that changes when
// hovered or active; an owner may show a text in place of the picture.

#include "platform/win/MessageWindow.h"
#include "skin/CGUIItem.h"

#include <QPixmap>
#include <QPointer>
#include <QWidget>

#include <string>

namespace quor::skin {

class CFontItem;

class CBitmapWindow : public win::MessageWindow<QWidget>, public CGUIItem {
public:
    explicit CBitmapWindow(QWidget* parent);

    // inner (SBMDS) is required: without it nothing is set. Without normal (SBMN) no frame is
    // copied; the mask, when given, shapes the window either way.
    void SetBitmaps(const QImage* inner, const QImage* normal, const QImage* over,
                    const QImage* active, const QImage* mask);
    void SetTooltip(std::u16string_view text);

    // Half the difference of two sizes, 0 when not positive: where the picture sits in the frame.
    static int Inset(int frame, int inner);

    QPixmap m_inner;
    QPixmap m_normal;
    QPixmap m_hoverFrame;
    QPixmap m_activeFrame;
    int m_insetX = 0;
    int m_insetY = 0;
    std::u16string m_text;
    int m_format = 0;
    const CFontItem* m_font = nullptr;
    int32_t m_colour = 0;
    bool m_active = false;
    bool m_hover = false;
    QPointer<QWidget> m_previousFocus;

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace quor::skin
