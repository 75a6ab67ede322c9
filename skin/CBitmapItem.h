#pragma once

// A bitmap child window of a skin document (BITMAPITEM): shows the top-left part of its bitmap
// at the window's size, takes the shape of its mask, and posts every command of its child
// windows on to its own parent, so that buttons and texts placed on it still reach the owner.

#include "platform/win/MessageWindow.h"
#include "skin/CGUIItem.h"

#include <QPixmap>
#include <QWidget>

namespace quor::skin {

class CBitmapItem : public win::MessageWindow<QWidget>, public CGUIItem {
public:
    // mask may be null. The window is created visible at rect inside parent.
    CBitmapItem(QWidget* parent, const ItemRect& rect, const QImage& source, const QImage* mask);

    const QPixmap& Bitmap() const { return m_bitmap; }

protected:
    win::LRESULT WindowProc(win::UINT message, win::WPARAM wParam, win::LPARAM lParam) override;
    void paintEvent(QPaintEvent* event) override;

private:
    QPixmap m_bitmap;
};

} // namespace quor::skin
