#pragma once

// The profile display ("csl_osd"): the profile name as one line of green text along the bottom
// of the display monitor, ending 10 pixels left of its right edge and 50 above its bottom.

#include "tray/COsdWindow.h"

#include <QFont>

inline constexpr char16_t kOsdProfileClassName[] = u"csl_osd";

class COsdProfileWindow : public COsdWindow {
public:
    explicit COsdProfileWindow(OsdState& state);

    const QFont& GetFont() const { return m_font; }

protected:
    QRect WindowRect(const QRect& monitor) const override;
    void MakeFonts() override;
    void Paint(QPainter& painter) override;
    void ClearContent() override;

private:
    QFont m_font;
};
