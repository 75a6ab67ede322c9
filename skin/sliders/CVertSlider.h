#pragma once

// A vertical slider with a knob bitmap (VSLIDER); its value is 0 to 100, 0 at the bottom.

#include "platform/win/MessageWindow.h"
#include "skin/CGUIItem.h"

#include <QPixmap>
#include <QWidget>

namespace quor::skin {

inline constexpr int kVertSliderMax = 100;

class CVertSlider : public win::MessageWindow<QWidget>, public CGUIItem {
public:
    explicit CVertSlider(QWidget* parent);

    // The knob's top for a value, in a travel of the given height: pure geometry.
    static int KnobTop(int value, int travelHeight, int knobHeight);

    QPixmap m_knob; // null when the document's bitmap did not load
    int m_value = 0;
    int m_capMax = 0;
    int m_capMin = 0;
    bool m_dragging = false;

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace quor::skin
