#pragma once

// The skinned vertical scroll bar of a list (not an item): caps, arrows, a repeated track and
// the thumb, all at the thumb's width.

#include "platform/win/MessageWindow.h"
#include "skin/ScrollBarBitmaps.h"

#include <QWidget>

namespace quor::skin {

class CVScrollBar : public win::MessageWindow<QWidget> {
public:
    // The bar is created a child of the list's parent; the owner places it at its right edge.
    CVScrollBar(int width, QWidget* ownerList, const ScrollBarBitmaps& bitmaps);

    // The highest top the thumb may take in a bar of the given height: pure geometry.
    static int ThumbTopLimit(int barHeight, const ScrollBarBitmaps& bitmaps);
    static int ThumbTopStart(const ScrollBarBitmaps& bitmaps);

    QWidget* m_ownerList = nullptr;
    ScrollBarBitmaps m_bitmaps;
    int m_width = 0;
    int m_thumbTop = 0;
    bool m_upPressed = false;
    bool m_downPressed = false;
    bool m_dragging = false;
    int32_t m_background = 0;

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace quor::skin
