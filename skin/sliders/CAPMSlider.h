#pragma once

// The colour-stage slider (HSLIDERMAPM), a child of its track bitmap item: handles between
// coloured stages, drawn from its normal and mouse-over bitmaps.

#include "platform/win/MessageWindow.h"
#include "skin/CGUIItem.h"

#include <QPixmap>
#include <QWidget>

#include <vector>

namespace quor::skin {

class CAPMSlider : public win::MessageWindow<QWidget>, public CGUIItem {
public:
    explicit CAPMSlider(QWidget* track);

    QPixmap m_normal; // null when the document gave none
    QPixmap m_over;
    std::vector<int32_t> m_colours;
    int m_min = 1;
    int m_max = 32;
    bool m_freeHandles = false;
    QWidget* m_notifyTarget = nullptr;

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace quor::skin
