#pragma once

// One handle of a multi-handle slider (a STAGE of HSLIDERM), held by its slider and never in an
// item list. Its window is the size of its bitmaps and sits with its middle on the track at its
// position.

#include "platform/win/MessageWindow.h"
#include "skin/CGUIItem.h"

#include <QPixmap>
#include <QWidget>

#include <string>

namespace quor::skin {

class CPHSlider : public win::MessageWindow<QWidget>, public CGUIItem {
public:
    CPHSlider(QWidget* slider, int32_t handleId, const QPixmap& normal, const QPixmap& over);

    // The handle's left edge for a position: track from area left + left offset to area right -
    // right offset, min to max spread evenly over it, the handle centred on the point.
    static int HandleLeft(int position, int min, int max, int areaLeft, int areaRight,
                          int leftOffset, int rightOffset, int handleWidth);

    // Sets the range (either order) and keeps the caps and the position inside it.
    void SetRange(int a, int b);
    void SetArea(int left, int top, int right, int bottom);
    void SetOffsets(int left, int right);
    // Held within the caps; moves the window.
    void SetPosition(int position);
    void SetTooltip(std::u16string_view text);

    int Position() const { return m_position; }
    int Min() const { return m_min; }
    int Max() const { return m_max; }

    QPixmap m_normal;
    QPixmap m_over;
    bool m_interactive = true;
    bool m_pressed = false;
    bool m_hover = false;
    int m_offset = 0;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void Place();

    int m_position = 0;
    int m_min = 1;
    int m_max = 32;
    int m_capMin = 1;
    int m_capMax = 32;
    int m_areaLeft = 0;
    int m_areaTop = 0;
    int m_areaRight = 0;
    int m_areaBottom = 0;
    int m_leftOffset = 0;
    int m_rightOffset = 0;
};

} // namespace quor::skin
