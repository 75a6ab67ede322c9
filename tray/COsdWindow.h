#pragma once

// One on-screen display window: frameless, top-most, a tool window that takes no input and is
// never activated. Pixels of the key colour are not part of the window (its shape is cut from
// what it draws), so only the drawn text and gauges appear on screen. UM_OSDSHOW shows it with
// the current content for two seconds; showing it again restarts the two seconds.

#include "platform/win/MessageWindow.h"
#include "platform/win/WinMessages.h"
#include "tray/OsdState.h"

#include <QImage>
#include <QRegion>
#include <QWidget>

#include <string_view>

class QPainter;
class QScreen;

inline constexpr quor::win::UINT UM_OSDSHOW = quor::win::WM_USER + 12; // 1036
inline constexpr quor::win::UINT_PTR kOsdHideTimerId = 101;
inline constexpr quor::win::UINT kOsdShowPeriodMs = 2000;

class COsdWindow : public quor::win::MessageWindow<QWidget> {
public:
    COsdWindow(OsdState& state, std::u16string_view className);

    // Places the window on the display monitor by its rule and makes its fonts for the scale.
    void Place();

    // The display monitor: the one that holds the point (0, 0), else the primary one.
    static QScreen* DisplayScreen();

    void SetShowPeriod(quor::win::UINT milliseconds) { m_showPeriodMs = milliseconds; }
    // Milliseconds until the window hides; -1 while no hide is pending.
    int HideRemainingMs() const;
    // What the window showed last, the key colour where it is transparent.
    const QImage& Image() const { return m_image; }
    const QRegion& Shape() const { return m_shape; }

protected:
    virtual QRect WindowRect(const QRect& monitor) const = 0;
    virtual void MakeFonts() = 0;
    virtual void Paint(QPainter& painter) = 0;
    // The content is over: nothing to draw any more.
    virtual void ClearContent() = 0;

    quor::win::LRESULT WindowProc(quor::win::UINT message, quor::win::WPARAM wParam,
                                  quor::win::LPARAM lParam) override;
    void paintEvent(QPaintEvent* event) override;

    OsdState& m_state;

private:
    void Refresh();

    QImage m_image;
    QRegion m_shape;
    quor::win::UINT m_showPeriodMs = kOsdShowPeriodMs;
};
