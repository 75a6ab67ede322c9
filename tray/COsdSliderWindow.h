#pragma once

// The sensitivity display ("csl_osdslider"): one gauge of green bars with the value above them,
// or two (X on the left, Y on the right), right-aligned with the profile display and above it,
// at 200/255 opacity.

#include "tray/COsdWindow.h"

#include <QFont>

inline constexpr char16_t kOsdSliderClassName[] = u"csl_osdslider";

class COsdSliderWindow : public COsdWindow {
public:
    explicit COsdSliderWindow(OsdState& state);

    const QFont& GetNumberFont() const { return m_numberFont; }
    const QFont& GetLabelFont() const { return m_labelFont; }

protected:
    QRect WindowRect(const QRect& monitor) const override;
    void MakeFonts() override;
    void Paint(QPainter& painter) override;
    void ClearContent() override;

private:
    void PaintGauge(QPainter& painter, const OsdState::Gauge& gauge, const QRect& rect);

    QFont m_numberFont;
    QFont m_labelFont;
};
