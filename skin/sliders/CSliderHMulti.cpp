#include "skin/sliders/CSliderHMulti.h"

#include "skin/sliders/CPHSlider.h"

#include <algorithm>

namespace quor::skin {

CSliderHMulti::CSliderHMulti(QWidget* track) : MessageWindow<QWidget>(track) {}

bool CSliderHMulti::AddHandle(CPHSlider* handle)
{
    if (!handle || m_handles.size() >= kMaxSliderHandles)
        return false;
    handle->setParent(this);
    handle->SetRange(m_min, m_max);
    handle->SetOffsets(m_leftOffset, m_rightOffset);
    handle->SetArea(0, 0, width(), height());
    handle->m_interactive = m_interactive;
    handle->m_offset = m_offset;
    handle->show();
    m_handles.push_back(handle);
    return true;
}

void CSliderHMulti::SetRange(int a, int b)
{
    m_min = std::min(a, b);
    m_max = std::max(a, b);
    for (auto* handle : m_handles)
        handle->SetRange(m_min, m_max);
}

void CSliderHMulti::SetOffsets(int left, int right)
{
    m_leftOffset = left;
    m_rightOffset = right;
    for (auto* handle : m_handles)
        handle->SetOffsets(left, right);
}

void CSliderHMulti::SetInteractive(bool interactive)
{
    m_interactive = interactive;
    for (auto* handle : m_handles)
        handle->m_interactive = interactive;
}

void CSliderHMulti::SetOffset(int offset)
{
    m_offset = offset;
    for (auto* handle : m_handles)
        handle->m_offset = offset;
}

void CSliderHMulti::resizeEvent(QResizeEvent* event)
{
    for (auto* handle : m_handles)
        handle->SetArea(0, 0, width(), height());
    MessageWindow<QWidget>::resizeEvent(event);
}

} // namespace quor::skin
