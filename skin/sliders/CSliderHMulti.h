#pragma once

// A horizontal slider with up to five handles (HSLIDERM), a child of its track bitmap item.

#include "platform/win/MessageWindow.h"
#include "skin/CGUIItem.h"

#include <QWidget>

#include <vector>

namespace quor::skin {

class CPHSlider;

inline constexpr std::size_t kMaxSliderHandles = 5;
inline constexpr int kSliderRangeMin = 1;
inline constexpr int kSliderRangeMax = 32;

class CSliderHMulti : public win::MessageWindow<QWidget>, public CGUIItem {
public:
    explicit CSliderHMulti(QWidget* track);

    // The handle becomes this slider's child; the slider keeps at most five.
    bool AddHandle(CPHSlider* handle);
    const std::vector<CPHSlider*>& Handles() const { return m_handles; }

    void SetRange(int a, int b);
    void SetOffsets(int left, int right);
    void SetInteractive(bool interactive);
    void SetOffset(int offset);

    int Min() const { return m_min; }
    int Max() const { return m_max; }
    int LeftOffset() const { return m_leftOffset; }
    int RightOffset() const { return m_rightOffset; }
    bool Interactive() const { return m_interactive; }
    int Offset() const { return m_offset; }

    QWidget* m_notifyTarget = nullptr;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    std::vector<CPHSlider*> m_handles;
    int m_min = kSliderRangeMin;
    int m_max = kSliderRangeMax;
    int m_leftOffset = 0;
    int m_rightOffset = 0;
    int m_offset = 0;
    bool m_interactive = true;
};

} // namespace quor::skin
