#pragma once

// A marker on a scale (DMARKER): a background bitmap and a mark bitmap placed at its value,
// 0 to 10.

#include "platform/win/MessageWindow.h"
#include "skin/CGUIItem.h"

#include <QPixmap>
#include <QWidget>

namespace quor::skin {

inline constexpr int kMarkerMax = 10;

class CDMarker : public win::MessageWindow<QWidget>, public CGUIItem {
public:
    explicit CDMarker(QWidget* parent);

    // The mark's left edge for a value over the marker's width: pure geometry.
    static int MarkLeft(int value, int width, int markWidth);

    QPixmap m_background;
    QPixmap m_mark;
    int m_min = 0;
    int m_max = kMarkerMax;
    int m_value = 0;
    bool m_interactive = true;
    bool m_dragging = false;

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace quor::skin
